// SPDX-License-Identifier: MIT
// The device side of the framework: choosing, creating, resetting and
// releasing the SDL renderer.

#include <algorithm>
#include <string>
#include <vector>

#include "game/shell/Framework.h"

namespace qv {

namespace {

DeviceCaps capsOf(const SDL_RendererInfo& info) {
    DeviceCaps caps;
    caps.name = info.name != nullptr ? info.name : "";
    caps.flags = info.flags;
    caps.textureFormats.assign(info.texture_formats,
                               info.texture_formats +
                                   std::min<Uint32>(info.num_texture_formats, 16));
    caps.maxTextureWidth = info.max_texture_width;
    caps.maxTextureHeight = info.max_texture_height;
    return caps;
}

DeviceType typeOf(const DeviceCaps& caps) {
    return caps.name == Framework::referenceDriver ? DeviceType::Reference : DeviceType::Hardware;
}

// The render drivers to try, in order: the one SDL_RENDER_DRIVER names, then
// the hardware ones in SDL's order, then the software renderer.
std::vector<int> driverOrder() {
    std::vector<int> hardware;
    std::vector<int> software;
    int hinted = -1;
    const char* hint = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    const int count = SDL_GetNumRenderDrivers();
    for (int i = 0; i < count; ++i) {
        SDL_RendererInfo info{};
        if (SDL_GetRenderDriverInfo(i, &info) != 0 || info.name == nullptr) {
            continue;
        }
        if (hint != nullptr && SDL_strcasecmp(hint, info.name) == 0) {
            hinted = i;
        } else if (SDL_strcasecmp(info.name, Framework::referenceDriver) == 0) {
            software.push_back(i);
        } else {
            hardware.push_back(i);
        }
    }
    std::vector<int> order;
    if (hinted >= 0) {
        order.push_back(hinted);
    }
    order.insert(order.end(), hardware.begin(), hardware.end());
    order.insert(order.end(), software.begin(), software.end());
    return order;
}

} // namespace

bool Framework::createDevice(int adapter, bool windowed, int width, int height,
                             DeviceAcceptableCallback acceptable,
                             ModifyDeviceSettingsCallback modify, void* userContext) {
    locked([&](State& s) {
        s.callbacks.deviceAcceptable = {acceptable, userContext};
        s.callbacks.modifyDeviceSettings = {modify, userContext};
    });
    if (!window_) {
        // A window the game asked for and did not get keeps its title for
        // the error box.
        const std::string title = locked([](State& s) { return s.windowTitle; });
        createWindow(title.empty() ? "Direct3D Window" : title);
    }
    if (!window_) {
        reportError(FrameworkError::NoCompatibleDevices);
        return false;
    }
    const Switches sw = switches();
    DeviceSettings request;
    request.adapter = sw.adapter >= 0 ? sw.adapter : adapter;
    request.windowed = windowed;
    request.logicalWidth = width;
    request.logicalHeight = height;
    request.width = sw.width > 0 ? sw.width : width;
    request.height = sw.height > 0 ? sw.height : height;
    if (sw.windowed) {
        request.windowed = true;
    }
    if (sw.fullScreen) {
        request.windowed = false;
    }
    if (sw.forceRef) {
        request.deviceType = DeviceType::Reference;
    }
    return createRenderer(request, true);
}

bool Framework::createRenderer(DeviceSettings request, bool firstCreation) {
    const Switches sw = switches();
    const FrameworkCallbacks callbacks = locked([](State& s) { return s.callbacks; });
    const int displays = SDL_GetNumVideoDisplays();
    if (request.adapter < 0 || request.adapter >= displays) {
        request.adapter = 0;
    }
    SDL_DisplayMode desktop{};
    SDL_GetDesktopDisplayMode(request.adapter, &desktop);
    request.adapterFormat = desktop.format;
    const bool wantReference = request.deviceType == DeviceType::Reference;

    bool anyAccepted = false;
    for (int driver : driverOrder()) {
        SDL_RendererInfo info{};
        if (SDL_GetRenderDriverInfo(driver, &info) != 0) {
            continue;
        }
        const DeviceCaps caps = capsOf(info);
        const DeviceType type = typeOf(caps);
        if ((wantReference && type != DeviceType::Reference) ||
            (sw.forceHal && type != DeviceType::Hardware)) {
            continue;
        }
        if (callbacks.deviceAcceptable.function != nullptr &&
            !callbacks.deviceAcceptable.function(caps, request.adapterFormat,
                                                 request.backBufferFormat, request.windowed,
                                                 callbacks.deviceAcceptable.userContext)) {
            continue;
        }
        DeviceSettings settings = request;
        settings.deviceType = type;
        settings.driverIndex = driver;
        settings.vertexProcessing =
            type == DeviceType::Hardware ? VertexProcessing::Hardware : VertexProcessing::Software;
        if (sw.forcePureHwvp) {
            settings.vertexProcessing = VertexProcessing::PureHardware;
        } else if (sw.forceHwvp) {
            settings.vertexProcessing = VertexProcessing::Hardware;
        } else if (sw.forceSwvp) {
            settings.vertexProcessing = VertexProcessing::Software;
        }
        if (callbacks.modifyDeviceSettings.function != nullptr &&
            !callbacks.modifyDeviceSettings.function(settings, caps,
                                                     callbacks.modifyDeviceSettings.userContext)) {
            continue;
        }
        // The callback may have asked the user, who may have said no.
        if (locked([](State& s) { return s.closeRequested; })) {
            return false;
        }
        anyAccepted = true;
        applyWindowMode(settings);
        // The logical screen is scaled to the window smoothly, letterboxed.
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
        const Uint32 flags =
            (type == DeviceType::Reference ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_ACCELERATED) |
            SDL_RENDERER_PRESENTVSYNC;
        renderer_.reset(SDL_CreateRenderer(window_.get(), driver, flags));
        if (!renderer_) {
            continue;
        }
        SDL_RendererInfo created{};
        SDL_GetRendererInfo(renderer_.get(), &created);
        rendererName_ = created.name != nullptr ? created.name : caps.name;
        SDL_RenderSetLogicalSize(renderer_.get(), settings.logicalWidth, settings.logicalHeight);
        SDL_SetRenderDrawBlendMode(renderer_.get(), SDL_BLENDMODE_BLEND);
        SDL_DisplayMode mode{};
        const int refresh =
            (SDL_GetCurrentDisplayMode(settings.adapter, &mode) == 0 && mode.refresh_rate > 0)
                ? mode.refresh_rate
                : 60;
        locked([&](State& s) {
            s.settings = settings;
            s.vsync = (created.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
            s.refreshRate = refresh;
            s.deviceLost = false;
            s.texturesLost = false;
        });
        SDL_ShowWindow(window_.get());
        const BackBufferDesc desc = backBuffer();
        if (callbacks.deviceCreated.function != nullptr &&
            callbacks.deviceCreated.function(renderer_.get(), desc,
                                             callbacks.deviceCreated.userContext) != 0) {
            // What the game made of the device so far goes with it.
            destroyDevice();
            reportError(FrameworkError::CreatingDeviceObjects);
            return false;
        }
        if (callbacks.deviceReset.function != nullptr &&
            callbacks.deviceReset.function(renderer_.get(), desc,
                                           callbacks.deviceReset.userContext) != 0) {
            destroyDevice();
            reportError(FrameworkError::ResettingDeviceObjects);
            return false;
        }
        std::lock_guard<std::mutex> lock(mutex_);
        stats_.deviceChanged(state_.settings, desc, rendererName_);
        if (firstCreation) {
            // Creating the device is no time the game has spent.
            timer_.elapsed();
        }
        return true;
    }
    reportError(anyAccepted ? FrameworkError::CreatingDevice : FrameworkError::NoCompatibleDevices);
    return false;
}

void Framework::applyWindowMode(const DeviceSettings& settings) {
    SDL_Window* window = window_.get();
    // The cursor's look is left to the game's input, which hides the system
    // cursor and draws its own; the framework only keeps it inside the
    // screen when asked.
    const bool clip = locked([](State& s) { return s.clipCursorInFullScreen; });
    if (settings.windowed) {
        SDL_SetWindowFullscreen(window, 0);
        SDL_SetWindowSize(window, settings.width, settings.height);
        // Out of full screen (Alt+Enter) the window comes back centred on
        // the display it is on, unless a place was asked for.
        const Switches sw = switches();
        if (!sw.startXGiven && !sw.startYGiven) {
            const int display = std::max(0, SDL_GetWindowDisplayIndex(window));
            SDL_SetWindowPosition(window, static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(display)),
                                  static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(display)));
        }
        SDL_SetWindowGrab(window, SDL_FALSE);
    } else {
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
        SDL_SetWindowGrab(window, clip ? SDL_TRUE : SDL_FALSE);
    }
}

BackBufferDesc Framework::backBuffer() const {
    BackBufferDesc desc;
    if (renderer_) {
        SDL_GetRendererOutputSize(renderer_.get(), &desc.width, &desc.height);
    }
    desc.format = window_ ? SDL_GetWindowPixelFormat(window_.get())
                          : static_cast<std::uint32_t>(SDL_PIXELFORMAT_UNKNOWN);
    return desc;
}

void Framework::destroyDevice() {
    if (!renderer_) {
        return;
    }
    const FrameworkCallbacks callbacks = locked([](State& s) { return s.callbacks; });
    if (callbacks.deviceLost.function != nullptr) {
        callbacks.deviceLost.function(callbacks.deviceLost.userContext);
    }
    if (callbacks.deviceDestroyed.function != nullptr) {
        callbacks.deviceDestroyed.function(callbacks.deviceDestroyed.userContext);
    }
    renderer_.reset();
}

bool Framework::resetDevice() {
    const FrameworkCallbacks callbacks = locked([](State& s) { return s.callbacks; });
    if (callbacks.deviceLost.function != nullptr) {
        callbacks.deviceLost.function(callbacks.deviceLost.userContext);
    }
    const DeviceSettings settings = deviceSettings();
    SDL_RenderSetLogicalSize(renderer_.get(), settings.logicalWidth, settings.logicalHeight);
    const BackBufferDesc desc = backBuffer();
    if (callbacks.deviceReset.function != nullptr &&
        callbacks.deviceReset.function(renderer_.get(), desc, callbacks.deviceReset.userContext) !=
            0) {
        reportError(FrameworkError::ResettingDeviceObjects);
        return false;
    }
    locked([](State& s) {
        s.deviceLost = false;
        s.texturesLost = false;
    });
    std::lock_guard<std::mutex> lock(mutex_);
    stats_.deviceChanged(state_.settings, desc, rendererName_);
    return true;
}

bool Framework::recreateDevice(DeviceType type) {
    DeviceSettings request = deviceSettings();
    request.deviceType = type;
    destroyDevice();
    return createRenderer(request, false);
}

} // namespace qv

// SPDX-License-Identifier: MIT
#include "game/shell/Framework.h"

#include <iostream>

#include "common/Translate.h"
#include "platform/SdlRuntimeDiagnostics.h"

namespace qv {

namespace {

const char* const settingsSection = "Framework";
const char* const skipWarningKey = "Skip Warning On REF";

const char* const referenceWarningText =
    // TRANSLATORS: a message box with Yes, No and "Don't show again" before the
    // game draws without the graphics card.
    N_("Switching to the Direct3D reference rasterizer, a software device\n"
       "that implements the entire Direct3D feature set, but runs very slowly.\n"
       "Do you wish to continue?");

} // namespace

Framework::Framework(MessageBox& messages, SettingsStore& settings,
                     std::function<void(const std::string&)> debugLine)
    : messages_(messages), settingsStore_(settings), debugLine_(std::move(debugLine)) {
    if (!debugLine_) {
        debugLine_ = [](const std::string& line) { std::cerr << line << '\n'; };
    }
}

Framework::~Framework() {
    releaseAll();
    if (sdlStarted_) {
        SDL_Quit();
    }
}

void Framework::setDeviceCreatedCallback(DeviceCreatedCallback f, void* userContext) {
    locked([&](State& s) { s.callbacks.deviceCreated = {f, userContext}; });
}
void Framework::setDeviceResetCallback(DeviceResetCallback f, void* userContext) {
    locked([&](State& s) { s.callbacks.deviceReset = {f, userContext}; });
}
void Framework::setDeviceLostCallback(DeviceLostCallback f, void* userContext) {
    locked([&](State& s) { s.callbacks.deviceLost = {f, userContext}; });
}
void Framework::setDeviceDestroyedCallback(DeviceDestroyedCallback f, void* userContext) {
    locked([&](State& s) { s.callbacks.deviceDestroyed = {f, userContext}; });
}
void Framework::setFrameMoveCallback(FrameMoveCallback f, void* userContext) {
    locked([&](State& s) { s.callbacks.frameMove = {f, userContext}; });
}
void Framework::setFrameRenderCallback(FrameRenderCallback f, void* userContext) {
    locked([&](State& s) { s.callbacks.frameRender = {f, userContext}; });
}
void Framework::setMessageProcCallback(MessageProcCallback f, void* userContext) {
    locked([&](State& s) { s.callbacks.messageProc = {f, userContext}; });
}

void Framework::setCursorClippedInFullScreen(bool clipped) {
    locked([&](State& s) { s.clipCursorInFullScreen = clipped; });
}

void Framework::setEscapeClosesWindow(bool closes) {
    locked([&](State& s) { s.escapeClosesWindow = closes; });
}

bool Framework::initialise(bool parseCommandLine, std::span<const std::string_view> arguments,
                           bool handleDefaultHotKeys, bool showMessageBoxesOnError) {
    locked([&](State& s) {
        s.handleHotKeys = handleDefaultHotKeys;
        s.showMessageBoxes = showMessageBoxesOnError;
    });
    if (parseCommandLine) {
        Switches parsed = parseSwitches(arguments, debugLine_);
        // Automation runs on game time alone: every frame is one constant step.
        if (parsed.automation) {
            parsed.constantFrameTime = true;
        }
        locked([&](State& s) {
            s.switches = parsed;
            if (parsed.noErrorMessageBoxes) {
                s.showMessageBoxes = false;
            }
        });
    }
    if (!sdlRuntimeNewEnough()) {
        reportError(FrameworkError::IncorrectVersion);
        return false;
    }
    // Video starts with the window: a machine without a display is a machine
    // without a compatible device, which createDevice reports.
    if (SDL_Init(SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        reportError(FrameworkError::NoGraphics);
        return false;
    }
    sdlStarted_ = true;
    std::lock_guard<std::mutex> lock(mutex_);
    timer_.reset();
    state_.initialised = true;
    return true;
}

bool Framework::createWindow(const std::string& title, int x, int y) {
    const Switches sw = switches();
    locked([&](State& s) { s.windowTitle = title; });
    if (window_) {
        return true;
    }
    if (!locked([](State& s) { return s.videoStarted; })) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            return false;
        }
        sdlStarted_ = true;
        // Without a display SDL falls back to drawing off screen by itself; a
        // game nobody can see is no device, unless that driver was asked for
        // (as the tests do).
        const char* chosen = SDL_GetCurrentVideoDriver();
        const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
        const bool invisible = chosen != nullptr && (SDL_strcmp(chosen, "offscreen") == 0 ||
                                                     SDL_strcmp(chosen, "dummy") == 0);
        if (invisible && (asked == nullptr || SDL_strcasestr(asked, chosen) == nullptr)) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            return false;
        }
        locked([](State& s) { s.videoStarted = true; });
    }
    const int width = sw.width > 0 ? sw.width : 640;
    const int height = sw.height > 0 ? sw.height : 480;
    // A window without a place of its own opens centred on its display
    // (the chosen adapter's, else the first), not wherever the system
    // happens to put it.
    const int display = sw.adapter >= 0 ? sw.adapter : 0;
    if (x == SDL_WINDOWPOS_UNDEFINED) {
        x = static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(display));
    }
    if (y == SDL_WINDOWPOS_UNDEFINED) {
        y = static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(display));
    }
    if (sw.startXGiven) {
        x = sw.startX;
    }
    if (sw.startYGiven) {
        y = sw.startY;
    }
    window_.reset(SDL_CreateWindow(title.c_str(), x, y, width, height,
                                   SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE));
    if (!window_) {
        return false;
    }
    SDL_SetWindowMinimumSize(window_.get(), 200, 200);
    return true;
}

void Framework::shutdown(int code) {
    locked([&](State& s) {
        s.exitCode = code;
        s.closeRequested = true;
    });
}

void Framework::requestClose() {
    locked([](State& s) { s.closeRequested = true; });
}

void Framework::reportError(FrameworkError error) {
    const int code = exitCodeOf(error);
    const auto [showBoxes, title] = locked([&](State& s) {
        s.exitCode = code;
        s.closeRequested = true;
        return std::pair{s.showMessageBoxes, s.windowTitle};
    });
    const std::string text = errorText(error);
    if (showBoxes && !text.empty()) {
        MessageRequest request;
        request.title = title.empty() ? defaultFrameworkTitle : title;
        request.text = text;
        request.icon = MessageIcon::Stop;
        request.buttons = MessageButtons::Ok;
        request.owner = window_.get();
        messages_.show(request);
    }
}

void Framework::referenceWarning() {
    const auto [showBoxes, automationMode, title] = locked([](State& s) {
        return std::tuple{s.showMessageBoxes, s.switches.automation, s.windowTitle};
    });
    // Nobody sits in front of an automated run to answer.
    if (!showBoxes || automationMode) {
        return;
    }
    std::uint32_t skip = 0;
    if (settingsStore_.readNumber(settingsSection, skipWarningKey, skip) && skip != 0) {
        return;
    }
    MessageRequest request;
    request.title = title.empty() ? defaultFrameworkTitle : title;
    request.text = tr8(referenceWarningText);
    request.icon = MessageIcon::Question;
    request.buttons = MessageButtons::YesNoDontShow;
    request.owner = window_.get();
    switch (messages_.show(request)) {
    case MessageAnswer::DontShowAgain:
        settingsStore_.writeNumber(settingsSection, skipWarningKey, 1);
        break;
    case MessageAnswer::No:
        shutdown(1);
        break;
    default:
        // A box that could not be shown is no refusal.
        break;
    }
}

void Framework::pause(bool pauseTime, bool pauseRendering) {
    std::lock_guard<std::mutex> lock(mutex_);
    state_.pauseTimeCount = std::max(0, state_.pauseTimeCount + (pauseTime ? 1 : -1));
    state_.pauseRenderCount = std::max(0, state_.pauseRenderCount + (pauseRendering ? 1 : -1));
    if (state_.pauseTimeCount > 0) {
        timer_.stop();
    } else {
        timer_.start();
    }
}

int Framework::exitCode() const {
    return locked([](const State& s) { return s.exitCode; });
}
SDL_Window* Framework::window() const {
    return window_.get();
}
SDL_Renderer* Framework::device() const {
    return renderer_.get();
}
DeviceSettings Framework::deviceSettings() const {
    return locked([](const State& s) { return s.settings; });
}
bool Framework::windowed() const {
    return locked([](const State& s) { return s.settings.windowed; });
}
bool Framework::automation() const {
    return locked([](const State& s) { return s.switches.automation; });
}
bool Framework::timePaused() const {
    return locked([](const State& s) { return s.pauseTimeCount > 0; });
}
bool Framework::renderingPaused() const {
    return locked([](const State& s) { return s.pauseRenderCount > 0; });
}
double Framework::time() const {
    return locked([](const State& s) { return s.time; });
}
double Framework::completedFrameTime() const {
    return locked([](const State& s) { return s.completedTime; });
}
float Framework::elapsedTime() const {
    return locked([](const State& s) { return s.elapsed; });
}
std::int64_t Framework::frameCount() const {
    return locked([](const State& s) { return s.frames; });
}
float Framework::constantFrameSeconds() const {
    return locked([](const State& s) { return s.switches.constantFrameSeconds; });
}
bool Framework::constantFrameTime() const {
    return locked([](const State& s) { return s.switches.constantFrameTime; });
}
std::string Framework::frameStats() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return stats_.text();
}
std::string Framework::deviceStats() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return stats_.deviceFormat();
}
Switches Framework::switches() const {
    return locked([](const State& s) { return s.switches; });
}
bool Framework::texturesLost() const {
    return locked([](const State& s) { return s.texturesLost; });
}
bool Framework::keyDown(SDL_Scancode scancode) const {
    return locked([&](const State& s) {
        return scancode >= 0 && static_cast<std::size_t>(scancode) < s.keys.size() &&
               s.keys[static_cast<std::size_t>(scancode)];
    });
}

void Framework::releaseAll() {
    if (renderer_) {
        destroyDevice();
    }
    window_.reset();
}

} // namespace qv

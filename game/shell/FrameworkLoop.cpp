// SPDX-License-Identifier: MIT
// The framework's main loop: events first, and one frame whenever none waits.

#include <thread>
#include <utility>

#include "game/shell/Framework.h"

namespace qv {

namespace {

void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

int Framework::mainLoop() {
    const bool ready = locked([&](State& s) { return s.initialised && !s.closeRequested; });
    if (ready && renderer_) {
        while (!locked([](State& s) { return s.closeRequested; })) {
            SDL_Event event;
            if (SDL_PollEvent(&event) != 0) {
                handleEvent(event);
                continue;
            }
            runFrame();
        }
    }
    releaseAll();
    return exitCode();
}

void Framework::runFrame() {
    const auto [lost, paused, active, automationMode] = locked([](State& s) {
        return std::tuple{s.deviceLost, s.pauseRenderCount > 0, s.active, s.switches.automation};
    });
    if ((lost || paused) && !automationMode) {
        sleepMs(100);
        if (!active) {
            sleepMs(20);
        }
    }
    // SDL has already brought its renderer back by the time it tells us; what
    // is left is to let the game give up and take up its device objects.
    if (lost && !resetDevice()) {
        // The error has been reported and the loop ends at its top.
        return;
    }

    const FrameworkCallbacks callbacks = locked([](State& s) { return s.callbacks; });
    double time = 0;
    float elapsed = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const bool timeStopped = state_.pauseTimeCount > 0;
        if (timeStopped) {
            // Paused time stands still, constant frame time or not.
            time = state_.time;
            elapsed = 0;
            timer_.elapsed();
        } else if (state_.switches.constantFrameTime) {
            elapsed = state_.switches.constantFrameSeconds;
            time = state_.time + static_cast<double>(elapsed);
            timer_.elapsed();
        } else {
            time = timer_.time();
            elapsed = static_cast<float>(timer_.elapsed());
        }
        state_.time = time;
        state_.elapsed = elapsed;
        stats_.frame(timer_.time());
    }
    if (callbacks.frameMove.function != nullptr) {
        callbacks.frameMove.function(renderer_.get(), time, elapsed,
                                     callbacks.frameMove.userContext);
    }
    if (!renderingPaused() && renderer_) {
        if (callbacks.frameRender.function != nullptr) {
            callbacks.frameRender.function(renderer_.get(), time, elapsed,
                                           callbacks.frameRender.userContext);
        }
        presentAndPace();
    }
    locked([](State& s) {
        ++s.frames;
        s.completedTime = s.time;
        // A frame that already ended the program keeps its exit code.
        if (!s.closeRequested && s.switches.quitAfterFrame != 0 &&
            s.frames > s.switches.quitAfterFrame) {
            s.exitCode = 0;
            s.closeRequested = true;
        }
    });
}

void Framework::presentAndPace() {
    SDL_RenderPresent(renderer_.get());
    const auto [vsync, refresh, automationMode, last] = locked([](State& s) {
        return std::tuple{s.vsync, s.refreshRate, s.switches.automation, s.lastPresent};
    });
    // The fireworks and the wheel move per frame, so a renderer that cannot
    // wait for the display is held to its rate. Automation runs on game time
    // and wants no waiting.
    std::int64_t now = steadyNanoseconds();
    if (!vsync && !automationMode && last != 0) {
        const std::int64_t period = 1'000'000'000 / std::max(refresh, 1);
        const std::int64_t due = last + period;
        if (now < due) {
            std::this_thread::sleep_for(std::chrono::nanoseconds(due - now));
            now = due;
        }
    }
    locked([&](State& s) { s.lastPresent = now; });
}

void Framework::handleEvent(const SDL_Event& event) {
    const FrameworkCallbacks callbacks = locked([](State& s) { return s.callbacks; });
    if (callbacks.messageProc.function != nullptr) {
        bool noFurtherProcessing = false;
        callbacks.messageProc.function(window_.get(), event, noFurtherProcessing,
                                       callbacks.messageProc.userContext);
        if (noFurtherProcessing) {
            return;
        }
    }
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        handleKey(event.key);
        break;
    case SDL_WINDOWEVENT:
        handleWindowEvent(event.window);
        break;
    case SDL_RENDER_TARGETS_RESET:
        locked([](State& s) { s.deviceLost = true; });
        break;
    case SDL_RENDER_DEVICE_RESET:
        // The renderer stays, but every texture made on it is gone.
        locked([](State& s) {
            s.deviceLost = true;
            s.texturesLost = true;
        });
        break;
    case SDL_QUIT:
        requestClose();
        break;
    default:
        break;
    }
}

void Framework::handleKey(const SDL_KeyboardEvent& event) {
    const bool down = event.type == SDL_KEYDOWN;
    const bool altDown = (event.keysym.mod & KMOD_ALT) != 0;
    const auto [hotKeys, escapeCloses] = locked([&](State& s) {
        const auto code = static_cast<std::size_t>(event.keysym.scancode);
        if (code < s.keys.size()) {
            s.keys[code] = down;
        }
        return std::tuple{s.handleHotKeys, s.escapeClosesWindow};
    });
    // Automation takes its input only from its commands.
    if (!down || event.repeat != 0 || !hotKeys || automation()) {
        return;
    }
    switch (event.keysym.sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        if (altDown) {
            toggleFullScreen();
        }
        break;
    case SDLK_PAUSE:
        pause(!timePaused(), false);
        break;
    case SDLK_ESCAPE:
        if (escapeCloses) {
            requestClose();
        }
        break;
    case SDLK_F3:
        toggleReference();
        break;
    default:
        break;
    }
}

void Framework::handleWindowEvent(const SDL_WindowEvent& event) {
    const auto [automationMode, fullScreen, minimised] = locked([](State& s) {
        return std::tuple{s.switches.automation, !s.settings.windowed, s.minimised};
    });
    switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
        requestClose();
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        if (!minimised && !automationMode) {
            locked([](State& s) { s.minimised = true; });
            pause(true, true);
        }
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
        if (minimised) {
            locked([](State& s) { s.minimised = false; });
            pause(false, false);
        }
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        locked([](State& s) { s.active = false; });
        if (fullScreen && !automationMode) {
            pause(true, true);
            SDL_SetWindowGrab(window_.get(), SDL_FALSE);
            locked([](State& s) { s.pauseForFocus = true; });
        }
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        locked([](State& s) { s.active = true; });
        if (locked([](State& s) { return std::exchange(s.pauseForFocus, false); })) {
            pause(false, false);
            const bool clip = locked([](State& s) { return s.clipCursorInFullScreen; });
            SDL_SetWindowGrab(window_.get(), clip ? SDL_TRUE : SDL_FALSE);
        }
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        // A paused game still repaints what it last showed.
        if (renderingPaused() && renderer_) {
            const FrameworkCallbacks callbacks = locked([](State& s) { return s.callbacks; });
            if (callbacks.frameRender.function != nullptr) {
                callbacks.frameRender.function(renderer_.get(), time(), 0.0f,
                                               callbacks.frameRender.userContext);
            }
            SDL_RenderPresent(renderer_.get());
        }
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        locked([&](State& s) {
            if (s.settings.windowed) {
                s.settings.width = event.data1;
                s.settings.height = event.data2;
            }
        });
        break;
    default:
        break;
    }
}

void Framework::toggleFullScreen() {
    if (!renderer_) {
        return;
    }
    pause(true, true);
    DeviceSettings settings = deviceSettings();
    settings.windowed = !settings.windowed;
    if (settings.windowed) {
        settings.width = settings.logicalWidth;
        settings.height = settings.logicalHeight;
    }
    applyWindowMode(settings);
    locked([&](State& s) { s.settings = settings; });
    resetDevice();
    pause(false, false);
}

void Framework::toggleReference() {
    if (!renderer_) {
        return;
    }
    pause(true, true);
    const DeviceType next = deviceSettings().deviceType == DeviceType::Reference
                                ? DeviceType::Hardware
                                : DeviceType::Reference;
    recreateDevice(next);
    pause(false, false);
}

} // namespace qv

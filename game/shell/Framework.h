// SPDX-License-Identifier: MIT
#pragma once
// The layer between the game and the system: it owns the window, the device
// (an SDL renderer) and the main loop, keeps the device alive through loss and
// reset, keeps time, reads its own command-line switches, reports fatal
// errors in fixed words, and calls the game through registered callbacks.
//
// Its state sits behind one lock, taken for each single read or write and
// never held across a callback, so it may be read from any thread; the game
// uses it from the main thread only.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>

#include "game/shell/FrameStats.h"
#include "game/shell/FrameTimer.h"
#include "game/shell/FrameworkCallbacks.h"
#include "game/shell/FrameworkError.h"
#include "game/shell/Switches.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"

namespace qv {

class Framework {
public:
    // Both services are used, not owned, and must outlive the framework.
    // Debug lines ("Unrecognized flag: ...") go to `debugLine`, standard error
    // when none is given.
    Framework(MessageBox& messages, SettingsStore& settings,
              std::function<void(const std::string&)> debugLine = {});
    // Releases the device and the window that are left and shuts SDL down.
    ~Framework();
    Framework(const Framework&) = delete;
    Framework& operator=(const Framework&) = delete;

    void setDeviceCreatedCallback(DeviceCreatedCallback f, void* userContext);
    void setDeviceResetCallback(DeviceResetCallback f, void* userContext);
    void setDeviceLostCallback(DeviceLostCallback f, void* userContext);
    void setDeviceDestroyedCallback(DeviceDestroyedCallback f, void* userContext);
    void setFrameMoveCallback(FrameMoveCallback f, void* userContext);
    void setFrameRenderCallback(FrameRenderCallback f, void* userContext);
    void setMessageProcCallback(MessageProcCallback f, void* userContext);

    // Keeps the pointer inside the window while in full screen (the default).
    void setCursorClippedInFullScreen(bool clipped);
    // Escape closes the window unless this is turned off; a game that gives
    // Escape a meaning of its own turns it off.
    void setEscapeClosesWindow(bool closes);

    // Starts SDL's core, reads the switches (from `arguments`, the program
    // name excluded) when asked, checks the runtime version and resets the
    // timer. False, with the exit code set, on a fatal error.
    bool initialise(bool parseCommandLine, std::span<const std::string_view> arguments,
                    bool handleDefaultHotKeys, bool showMessageBoxesOnError);
    // Starts the video system and creates the window (hidden until a device
    // exists). A failure is reported by createDevice, which needs the window.
    bool createWindow(const std::string& title, int x = SDL_WINDOWPOS_UNDEFINED,
                      int y = SDL_WINDOWPOS_UNDEFINED);
    // Applies the command-line overrides to the request, seeks a renderer that
    // the two callbacks accept (the hardware ones first), creates it and runs
    // the device-created and device-reset callbacks. False, with the error
    // reported, when none can be had.
    bool createDevice(int adapter, bool windowed, int width, int height,
                      DeviceAcceptableCallback acceptable, ModifyDeviceSettingsCallback modify,
                      void* userContext);
    // Runs until the window is closed; returns the exit code. Releases the
    // device (lost, then destroyed) before it returns.
    int mainLoop();

    // Ends the program with `code` at the end of the current frame.
    void shutdown(int code);
    // Ends the program at the end of the current frame, exit code unchanged
    // (the game's own quit, like closing the window).
    void requestClose();
    // Sets the exit code and shows the error's text when boxes are on.
    void reportError(FrameworkError error);

    // Asks before going on with the software renderer, unless the user said
    // before that they need not be asked. "No" shuts down with exit code 1.
    void referenceWarning();

    // Pauses (true) or resumes (false) time and rendering; pauses nest.
    void pause(bool pauseTime, bool pauseRendering);

    int exitCode() const;
    SDL_Window* window() const;
    SDL_Renderer* device() const;
    DeviceSettings deviceSettings() const;
    bool windowed() const;
    bool automation() const;
    bool timePaused() const;
    bool renderingPaused() const;
    double time() const;
    // The time of the last frame that ran to its end (0 before the first).
    double completedFrameTime() const;
    float elapsedTime() const;
    std::int64_t frameCount() const;
    float constantFrameSeconds() const;
    bool constantFrameTime() const;
    std::string frameStats() const;
    std::string deviceStats() const;
    Switches switches() const;
    // The framework's per-user settings (an INI file under the XDG config
    // folder); the game keeps its own settings there too.
    SettingsStore& settingsStore() { return settingsStore_; }
    // During the device-reset callback: whether the device lost its textures
    // too (they must be made again), not only its render targets.
    bool texturesLost() const;
    // Whether the key with this scancode is down, from the key messages seen.
    bool keyDown(SDL_Scancode scancode) const;

    // One pass of the loop: what the main loop does whenever no event waits.
    // Exposed so that tests can step a framework without an event queue.
    void runFrame();
    // What the main loop does with one event.
    void handleEvent(const SDL_Event& event);

    // The name of the SDL renderer that stands for the reference rasteriser.
    static constexpr const char* referenceDriver = "software";

private:
    struct State {
        FrameworkCallbacks callbacks;
        Switches switches;
        bool initialised = false;
        bool showMessageBoxes = true;
        bool handleHotKeys = true;
        bool escapeClosesWindow = true;
        bool clipCursorInFullScreen = true;
        bool videoStarted = false;
        std::string windowTitle;
        DeviceSettings settings;
        bool deviceLost = false;
        bool texturesLost = false;
        bool vsync = false;
        int refreshRate = 60;
        int pauseTimeCount = 0;
        int pauseRenderCount = 0;
        bool minimised = false;
        bool pauseForFocus = false;
        bool active = true;
        bool closeRequested = false;
        int exitCode = 0;
        double time = 0;
        double completedTime = 0;
        float elapsed = 0;
        std::int64_t frames = 0;
        std::int64_t lastPresent = 0;
        std::array<bool, 256> keys{};
    };

    template <typename F> auto locked(F&& f) const {
        std::lock_guard<std::mutex> lock(mutex_);
        return f(state_);
    }
    template <typename F> auto locked(F&& f) {
        std::lock_guard<std::mutex> lock(mutex_);
        return f(state_);
    }

    bool createRenderer(DeviceSettings request, bool firstCreation);
    void destroyDevice();
    bool resetDevice();
    bool recreateDevice(DeviceType type);
    void applyWindowMode(const DeviceSettings& settings);
    BackBufferDesc backBuffer() const;
    void handleWindowEvent(const SDL_WindowEvent& event);
    void handleKey(const SDL_KeyboardEvent& event);
    void toggleFullScreen();
    void toggleReference();
    void presentAndPace();
    void releaseAll();

    MessageBox& messages_;
    SettingsStore& settingsStore_;
    std::function<void(const std::string&)> debugLine_;

    mutable std::mutex mutex_;
    State state_;
    FrameTimer timer_;
    FrameStats stats_;

    // Owned SDL handles; destroyed in order by releaseAll.
    struct WindowDeleter {
        void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
    };
    struct RendererDeleter {
        void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
    };
    std::unique_ptr<SDL_Window, WindowDeleter> window_;
    std::unique_ptr<SDL_Renderer, RendererDeleter> renderer_;
    std::string rendererName_;
    bool sdlStarted_ = false;
};

} // namespace qv

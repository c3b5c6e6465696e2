// SPDX-License-Identifier: MIT
// The framework on SDL's dummy video driver and software renderer: frames
// are stepped by hand, time comes from the frame-move callback.

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <SDL_image.h>

#include "game/shell/AutomationDriver.h"
#include "game/shell/Framework.h"
#include "platform/MemorySettingsStore.h"
#include "platform/RecordingMessageBox.h"

namespace qv {
namespace {

struct Recorder {
    std::vector<std::string> calls;
    std::vector<float> elapsed;
    std::vector<double> times;
    int createdResult = 0;
    Framework* framework = nullptr;
};

Recorder* recorder(void* context) {
    return static_cast<Recorder*>(context);
}

void registerRecorder(Framework& framework, Recorder& r) {
    r.framework = &framework;
    framework.setDeviceCreatedCallback(
        [](SDL_Renderer*, const BackBufferDesc&, void* c) {
            recorder(c)->calls.push_back("created");
            return recorder(c)->createdResult;
        },
        &r);
    framework.setDeviceResetCallback(
        [](SDL_Renderer*, const BackBufferDesc&, void* c) {
            const bool textures = recorder(c)->framework->texturesLost();
            recorder(c)->calls.push_back(textures ? "reset, textures lost" : "reset");
            return 0;
        },
        &r);
    framework.setDeviceLostCallback([](void* c) { recorder(c)->calls.push_back("lost"); }, &r);
    framework.setDeviceDestroyedCallback([](void* c) { recorder(c)->calls.push_back("destroyed"); },
                                         &r);
    framework.setFrameMoveCallback(
        [](SDL_Renderer*, double time, float elapsed, void* c) {
            recorder(c)->elapsed.push_back(elapsed);
            recorder(c)->times.push_back(time);
        },
        &r);
    framework.setFrameRenderCallback(
        [](SDL_Renderer*, double, float, void* c) { recorder(c)->calls.push_back("render"); }, &r);
}

class FrameworkTest : public ::testing::Test {
protected:
    // Starts a framework with these switches and a 1024 x 768 window device.
    bool start(std::vector<std::string_view> arguments) {
        registerRecorder(framework, calls);
        if (!framework.initialise(true, arguments, true, true)) {
            return false;
        }
        framework.createWindow("Game");
        return framework.createDevice(0, false, 1024, 768, nullptr, nullptr, nullptr);
    }

    // The framework calls back into the recorder until it is gone, so the
    // recorder is made first and goes last.
    Recorder calls;
    RecordingMessageBox messages;
    MemorySettingsStore settings;
    std::vector<std::string> debug;
    Framework framework{messages, settings, [this](const std::string& l) { debug.push_back(l); }};
};

TEST_F(FrameworkTest, CreatesAWindowedDeviceOnTheSoftwareRenderer) {
    ASSERT_TRUE(start({"-windowed", "-bogus"}));
    EXPECT_EQ(debug, std::vector<std::string>{"Unrecognized flag: bogus"});
    EXPECT_EQ(calls.calls, (std::vector<std::string>{"created", "reset"}));
    ASSERT_NE(framework.device(), nullptr);
    EXPECT_STREQ(SDL_GetWindowTitle(framework.window()), "Game");
    EXPECT_TRUE(framework.windowed());
    const DeviceSettings s = framework.deviceSettings();
    EXPECT_EQ(s.deviceType, DeviceType::Reference);
    EXPECT_EQ(s.vertexProcessing, VertexProcessing::Software);
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(framework.window(), &w, &h);
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 768);
    SDL_RenderGetLogicalSize(framework.device(), &w, &h);
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 768);
    EXPECT_EQ(framework.deviceStats().rfind("%.02f fps (1024x768), REF [software] (sw vp)", 0), 0u)
        << framework.deviceStats();
}

TEST_F(FrameworkTest, WidthAndHeightSizeTheWindowNotTheScreen) {
    ASSERT_TRUE(start({"-windowed", "-WIDTH:800", "-height:600"}));
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(framework.window(), &w, &h);
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);
    SDL_RenderGetLogicalSize(framework.device(), &w, &h);
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 768);
}

TEST_F(FrameworkTest, QuitAfterFrameEndsAfterTheEleventhFrameWithExitCodeZero) {
    ASSERT_TRUE(start({"-windowed", "-quitafterframe:10", "-constantframetime"}));
    EXPECT_EQ(framework.mainLoop(), 0);
    EXPECT_EQ(framework.frameCount(), 11);
    EXPECT_EQ(std::count(calls.calls.begin(), calls.calls.end(), "render"), 11);
    // The device went at the end: lost, then destroyed.
    ASSERT_GE(calls.calls.size(), 2u);
    EXPECT_EQ(calls.calls[calls.calls.size() - 2], "lost");
    EXPECT_EQ(calls.calls.back(), "destroyed");
}

TEST_F(FrameworkTest, ConstantFrameTimeAdvancesEveryFrameByTheSameStep) {
    ASSERT_TRUE(start({"-windowed", "-constantframetime"}));
    for (int i = 0; i < 5; ++i) {
        framework.runFrame();
    }
    ASSERT_EQ(calls.elapsed.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_FLOAT_EQ(calls.elapsed[i], 0.0333f);
        EXPECT_NEAR(calls.times[i], 0.0333 * static_cast<double>(i + 1), 1e-6);
    }
}

TEST_F(FrameworkTest, PauseFreezesTimeUntilPressedAgain) {
    ASSERT_TRUE(start({"-windowed", "-constantframetime:0.05"}));
    framework.runFrame();
    SDL_Event pause{};
    pause.type = SDL_KEYDOWN;
    pause.key.keysym.sym = SDLK_PAUSE;
    pause.key.keysym.scancode = SDL_SCANCODE_PAUSE;
    framework.handleEvent(pause);
    EXPECT_TRUE(framework.timePaused());
    framework.runFrame();
    framework.runFrame();
    framework.handleEvent(pause);
    EXPECT_FALSE(framework.timePaused());
    framework.runFrame();
    EXPECT_EQ(calls.elapsed, (std::vector<float>{0.05f, 0.0f, 0.0f, 0.05f}));
    EXPECT_NEAR(calls.times.back(), 0.1, 1e-6);
    // Rendering went on while only time was paused.
    EXPECT_EQ(std::count(calls.calls.begin(), calls.calls.end(), "render"), 4);
}

TEST_F(FrameworkTest, MinimisingPausesTimeAndRendering) {
    ASSERT_TRUE(start({"-windowed", "-constantframetime"}));
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_MINIMIZED;
    framework.handleEvent(event);
    EXPECT_TRUE(framework.renderingPaused());
    framework.runFrame();
    EXPECT_EQ(calls.elapsed.back(), 0.0f);
    EXPECT_EQ(std::count(calls.calls.begin(), calls.calls.end(), "render"), 0);
    event.window.event = SDL_WINDOWEVENT_RESTORED;
    framework.handleEvent(event);
    EXPECT_FALSE(framework.renderingPaused());
    EXPECT_FALSE(framework.timePaused());
}

TEST_F(FrameworkTest, EscapeClosesTheWindowOnlyWhenTheGameLetsIt) {
    ASSERT_TRUE(start({"-windowed"}));
    SDL_Event escape{};
    escape.type = SDL_KEYDOWN;
    escape.key.keysym.sym = SDLK_ESCAPE;
    escape.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
    framework.setEscapeClosesWindow(false);
    framework.handleEvent(escape);
    EXPECT_TRUE(framework.keyDown(SDL_SCANCODE_ESCAPE));
    framework.setEscapeClosesWindow(true);
    framework.handleEvent(escape);
    // The close request ends the loop at once, with exit code 0.
    EXPECT_EQ(framework.mainLoop(), 0);
    EXPECT_EQ(framework.frameCount(), 0);
}

TEST_F(FrameworkTest, ADeviceLostAndResetRunsTheCallbacksInOrder) {
    ASSERT_TRUE(start({"-windowed"}));
    calls.calls.clear();
    SDL_Event event{};
    event.type = SDL_RENDER_TARGETS_RESET;
    framework.handleEvent(event);
    framework.runFrame();
    EXPECT_EQ(calls.calls, (std::vector<std::string>{"lost", "reset", "render"}));
    calls.calls.clear();
    event.type = SDL_RENDER_DEVICE_RESET;
    framework.handleEvent(event);
    framework.runFrame();
    EXPECT_EQ(calls.calls, (std::vector<std::string>{"lost", "reset, textures lost", "render"}));
    EXPECT_FALSE(framework.texturesLost());
    EXPECT_NE(framework.device(), nullptr);
}

TEST_F(FrameworkTest, GameObjectsThatCannotBeMadeStopWithTheirMessage) {
    calls.createdResult = -1;
    EXPECT_FALSE(start({"-windowed"}));
    EXPECT_EQ(framework.exitCode(), 8);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Failed creating Direct3D device objects.");
    EXPECT_EQ(messages.shown[0].title, "Game");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(framework.mainLoop(), 8);
}

TEST_F(FrameworkTest, AnAcceptableCallbackThatRefusesAllMeansNoCompatibleDevice) {
    registerRecorder(framework, calls);
    ASSERT_TRUE(framework.initialise(true, {}, true, true));
    EXPECT_FALSE(framework.createDevice(
        0, true, 1024, 768,
        [](const DeviceCaps&, std::uint32_t, std::uint32_t, bool, void*) { return false; }, nullptr,
        nullptr));
    EXPECT_EQ(framework.exitCode(), 3);
    // No window was made by the game: the framework's own title stands.
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Direct3D Window");
    EXPECT_EQ(messages.shown[0].text, "Could not find any compatible Direct3D devices.");
}

class ScopedVideoDriver {
public:
    explicit ScopedVideoDriver(const char* driver) {
        const char* old = std::getenv("SDL_VIDEODRIVER");
        had_ = old != nullptr;
        if (had_) {
            old_ = old;
        }
        setenv("SDL_VIDEODRIVER", driver, 1);
    }
    ~ScopedVideoDriver() {
        if (had_) {
            setenv("SDL_VIDEODRIVER", old_.c_str(), 1);
        } else {
            unsetenv("SDL_VIDEODRIVER");
        }
    }

private:
    bool had_ = false;
    std::string old_;
};

TEST_F(FrameworkTest, WithoutADisplayTheExitCodeIsThree) {
    ScopedVideoDriver noVideo("no-such-driver");
    EXPECT_FALSE(start({"-windowed"}));
    EXPECT_EQ(framework.exitCode(), 3);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Game");
    EXPECT_EQ(messages.shown[0].text, "Could not find any compatible Direct3D devices.");
    EXPECT_EQ(framework.mainLoop(), 3);
}

TEST_F(FrameworkTest, NoErrorMessageBoxesFailsSilently) {
    ScopedVideoDriver noVideo("no-such-driver");
    EXPECT_FALSE(start({"-noerrormsgboxes"}));
    EXPECT_EQ(framework.exitCode(), 3);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FrameworkTest, TheReferenceWarningAsksUnlessToldNotTo) {
    ASSERT_TRUE(start({"-windowed"}));
    messages.answers.push_back(MessageAnswer::DontShowAgain);
    framework.referenceWarning();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNoDontShow);
    EXPECT_EQ(messages.shown[0].title, "Game");
    EXPECT_EQ(messages.shown[0].text,
              "Switching to the Direct3D reference rasterizer, a software device\nthat "
              "implements the entire Direct3D feature set, but runs very slowly.\nDo you wish to "
              "continue?");
    std::uint32_t skip = 0;
    EXPECT_TRUE(settings.readNumber("Framework", "Skip Warning On REF", skip));
    EXPECT_EQ(skip, 1u);
    EXPECT_EQ(framework.exitCode(), 0);
    // Told once, it is not asked again.
    framework.referenceWarning();
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(FrameworkTest, NoToTheReferenceWarningEndsWithExitCodeOne) {
    ASSERT_TRUE(start({"-windowed"}));
    messages.answers.push_back(MessageAnswer::No);
    framework.referenceWarning();
    EXPECT_EQ(framework.mainLoop(), 1);
    EXPECT_EQ(framework.frameCount(), 0);
}

TEST_F(FrameworkTest, AutomationNeverAsksAndRunsOnConstantTime) {
    ASSERT_TRUE(start({"-windowed", "-automation"}));
    EXPECT_TRUE(framework.constantFrameTime());
    framework.referenceWarning();
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FrameworkTest, AShotHoldsTheFrameDrawnBeforePresent) {
    ASSERT_TRUE(start({"-windowed", "-WIDTH:512", "-height:384"}));
    SDL_Renderer* device = framework.device();
    SDL_SetRenderDrawColor(device, 0, 0, 0, 255);
    SDL_RenderClear(device);
    // A red square in the logical screen's top-left quarter.
    SDL_SetRenderDrawColor(device, 255, 0, 0, 255);
    const SDL_Rect square{0, 0, 512, 384};
    SDL_RenderFillRect(device, &square);
    const auto file = std::filesystem::temp_directory_path() / "qv-shot-test.png";
    ASSERT_TRUE(saveRendererPng(device, file.string()));
    SDL_Surface* shot = IMG_Load(file.string().c_str());
    ASSERT_NE(shot, nullptr);
    // The window is half the screen's size: the shot has the window's pixels.
    EXPECT_EQ(shot->w, 512);
    EXPECT_EQ(shot->h, 384);
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(shot, SDL_PIXELFORMAT_RGBA32, 0);
    ASSERT_NE(rgba, nullptr);
    const auto* pixels = static_cast<const std::uint8_t*>(rgba->pixels);
    const auto pixel = [&](int x, int y) {
        const std::uint8_t* p = pixels + y * rgba->pitch + x * 4;
        return std::array<int, 3>{p[0], p[1], p[2]};
    };
    EXPECT_EQ(pixel(10, 10), (std::array<int, 3>{255, 0, 0}));
    EXPECT_EQ(pixel(400, 300), (std::array<int, 3>{0, 0, 0}));
    SDL_FreeSurface(rgba);
    SDL_FreeSurface(shot);
    std::filesystem::remove(file);
}

TEST_F(FrameworkTest, AltEnterSwitchesBetweenWindowAndFullScreen) {
    ASSERT_TRUE(start({"-windowed"}));
    calls.calls.clear();
    SDL_Event altEnter{};
    altEnter.type = SDL_KEYDOWN;
    altEnter.key.keysym.sym = SDLK_RETURN;
    altEnter.key.keysym.scancode = SDL_SCANCODE_RETURN;
    altEnter.key.keysym.mod = KMOD_LALT;
    framework.handleEvent(altEnter);
    EXPECT_FALSE(framework.windowed());
    EXPECT_EQ(calls.calls, (std::vector<std::string>{"lost", "reset"}));
    // Time and rendering went on again after the switch.
    EXPECT_FALSE(framework.timePaused());
    EXPECT_FALSE(framework.renderingPaused());
    framework.handleEvent(altEnter);
    EXPECT_TRUE(framework.windowed());
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(framework.window(), &w, &h);
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 768);
    // Enter alone is the game's.
    altEnter.key.keysym.mod = KMOD_NONE;
    framework.handleEvent(altEnter);
    EXPECT_TRUE(framework.windowed());
}

TEST(FrameStats, FramesPerSecondOnceMoreThanASecondHasPassed) {
    FrameStats stats;
    DeviceSettings settings;
    settings.deviceType = DeviceType::Hardware;
    settings.vertexProcessing = VertexProcessing::PureHardware;
    settings.adapterFormat = SDL_PIXELFORMAT_RGB888;
    stats.deviceChanged(settings, BackBufferDesc{1024, 768, SDL_PIXELFORMAT_ARGB8888}, "odd%name");
    EXPECT_EQ(stats.deviceFormat(), "%.02f fps (1024x768), HAL [odd%%name] (pure hw vp): backbuf "
                                    "ARGB8888, adapter RGB888");
    for (int i = 1; i <= 30; ++i) {
        stats.frame(i * 0.05);
    }
    // 21 frames by 1.05 s, then the count starts again.
    EXPECT_FLOAT_EQ(stats.framesPerSecond(), 20.0f);
    EXPECT_EQ(
        stats.text(),
        "20.00 fps (1024x768), HAL [odd%name] (pure hw vp): backbuf ARGB8888, adapter RGB888");
}

} // namespace
} // namespace qv

// SPDX-License-Identifier: MIT
// The game's start-up on the dummy video driver: the steps of main, the
// callbacks and what the game makes on its device.

#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "game/engine/InputDevices.h"
#include "game/engine/SpriteLayer.h"
#include "game/shell/Framework.h"
#include "game/shell/Game.h"
#include "game/shell/GameCallbacks.h"
#include "game/shell/ShowfloorMain.h"
#include "platform/MemorySettingsStore.h"
#include "platform/RecordingMessageBox.h"
#include "platform/RecordingRuntimeDiagnostics.h"
#include "platform/RecordingShellOpener.h"

namespace qv {
namespace {

struct Services {
    RecordingMessageBox messages;
    RecordingShellOpener shell;
    RecordingRuntimeDiagnostics diagnostics;
    MemorySettingsStore settings;

    Services() { diagnostics.report = RuntimeReport{9, 0, "c"}; }
    int run(std::vector<std::string_view> arguments) {
        return runShowfloor({messages, shell, diagnostics, settings}, arguments);
    }
};

TEST(Showfloor, AnOldRuntimeEndsBeforeTheGameExists) {
    Services services;
    services.diagnostics.report = RuntimeReport{9, 0, "b"};
    services.messages.answers.push_back(MessageAnswer::No);
    EXPECT_EQ(services.run({"-windowed"}), 0);
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_EQ(services.messages.shown[0].title, "Old DirectX Version Detected");
    EXPECT_EQ(GameShell::current(), nullptr);
}

TEST(Showfloor, RunsItsFramesAndEndsWithExitCodeZero) {
    Services services;
    EXPECT_EQ(services.run({"-windowed", "-quitafterframe", "3", "-noerrormsgboxes"}), 0);
    EXPECT_TRUE(services.messages.shown.empty());
    // The game and the engine services are gone with it.
    EXPECT_EQ(GameShell::current(), nullptr);
    EXPECT_EQ(SpriteLayer::instance(), nullptr);
    EXPECT_EQ(InputDevices::instance(), nullptr);
}

TEST(Showfloor, TheSoftwareRendererIsAskedAboutOnceAndNoEndsTheGame) {
    // The tests run on the software renderer, which stands for the
    // reference rasteriser.
    Services services;
    services.messages.answers.push_back(MessageAnswer::No);
    EXPECT_EQ(services.run({"-windowed", "-quitafterframe:3"}), 1);
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_EQ(services.messages.shown[0].title, "Game");
    EXPECT_EQ(services.messages.shown[0].icon, MessageIcon::Question);
}

TEST(Showfloor, WithoutADisplayTheGameStopsWithItsMessage) {
    const char* old = std::getenv("SDL_VIDEODRIVER");
    const std::string saved = old != nullptr ? old : "dummy";
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    Services services;
    EXPECT_EQ(services.run({"-windowed"}), 3);
    setenv("SDL_VIDEODRIVER", saved.c_str(), 1);
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_EQ(services.messages.shown[0].text, "Could not find any compatible Direct3D devices.");
    EXPECT_EQ(services.messages.shown[0].title, "Game");
}

class GameOnDevice : public ::testing::Test {
protected:
    void SetUp() override {
        resources = std::filesystem::temp_directory_path() / "qv-game-test" / "Resources";
        std::filesystem::remove_all(resources.parent_path());
        std::filesystem::create_directories(resources / "QuestionSets");
        game = std::make_unique<Game>(framework, resources);
        registerGameCallbacks(framework);
        framework.setEscapeClosesWindow(false);
        ASSERT_TRUE(framework.initialise(true, arguments, true, false));
        framework.createWindow("Game");
        ASSERT_TRUE(framework.createDevice(0, false, 1024, 768, &gameDeviceAcceptable,
                                           &gameModifyDeviceSettings, nullptr));
    }
    void TearDown() override {
        // Closing first: the loop then only releases the device.
        framework.requestClose();
        framework.mainLoop();
        game.reset();
        std::filesystem::remove_all(resources.parent_path());
    }

    std::vector<std::string_view> arguments{"-windowed"};
    RecordingMessageBox messages;
    MemorySettingsStore settings;
    Framework framework{messages, settings, [](const std::string&) {}};
    std::filesystem::path resources;
    std::unique_ptr<Game> game;
};

TEST_F(GameOnDevice, MakesItsServicesAndReadsItsFiles) {
    EXPECT_EQ(Game::current(), game.get());
    EXPECT_EQ(game->device, framework.device());
    ASSERT_NE(game->inputDevices, nullptr);
    EXPECT_EQ(InputDevices::instance(), game->inputDevices.get());
    ASSERT_NE(game->spriteLayer, nullptr);
    EXPECT_EQ(SpriteLayer::instance(), game->spriteLayer.get());
    ASSERT_NE(game->inputMapper, nullptr);
    EXPECT_EQ(game->inputDevices->slot(0), game->inputMapper.get());
    EXPECT_NE(game->fonts, nullptr);
    EXPECT_EQ(game->fontCount(), 3);
    EXPECT_NE(game->cursorSprite, nullptr);
    ASSERT_NE(game->quitOverlay, nullptr);
    EXPECT_EQ(game->quitOverlay->position, (Vec3{513.0f, 385.0f, 0.1f}));
    EXPECT_FALSE(game->spriteLayer->contains(*game->quitOverlay));
    // No Config.txt in this Resources folder.
    EXPECT_TRUE(game->quiz.configMissing);
    EXPECT_TRUE(game->titleActive);
    EXPECT_EQ(game->pointerPos, (std::array<float, 3>{512.0f, 384.0f, 0.0f}));
}

TEST_F(GameOnDevice, EscapeReachesTheGameAndNotTheWindow) {
    SDL_Event escape{};
    escape.type = SDL_KEYDOWN;
    escape.key.keysym.sym = SDLK_ESCAPE;
    escape.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
    framework.handleEvent(escape);
    framework.runFrame();
    framework.runFrame();
    EXPECT_EQ(framework.frameCount(), 2);
    EXPECT_EQ(framework.exitCode(), 0);
}

TEST_F(GameOnDevice, TheGameOutlivesADeviceMadeAgain) {
    Sprite* overlay = game->quitOverlay.get();
    // F3 switches to the hardware renderer and back; here only the software
    // one exists, so the device is made again on it.
    SDL_Event f3{};
    f3.type = SDL_KEYDOWN;
    f3.key.keysym.sym = SDLK_F3;
    f3.key.keysym.scancode = SDL_SCANCODE_F3;
    InputDevices* devices = game->inputDevices.get();
    InputMapper* mapper = game->inputMapper.get();
    // What the game knows is not read again: the generator is not seeded
    // anew, and the missing configuration is not looked for again.
    game->quiz.random.seed(42);
    game->quiz.configMissing = false;
    framework.handleEvent(f3);
    EXPECT_EQ(game->quiz.random.state(), 42u);
    EXPECT_FALSE(game->quiz.configMissing);
    EXPECT_EQ(game->inputMapper.get(), mapper);
    EXPECT_EQ(game->inputDevices->slot(0), mapper);
    EXPECT_EQ(Game::current(), game.get());
    EXPECT_EQ(game->device, framework.device());
    EXPECT_NE(game->device, nullptr);
    // The input devices stay; the overlay stays, and loads its picture on
    // the new device when the question next opens.
    EXPECT_EQ(game->inputDevices.get(), devices);
    EXPECT_EQ(game->quitOverlay.get(), overlay);
    EXPECT_EQ(SpriteLayer::instance(), game->spriteLayer.get());
    framework.runFrame();
    EXPECT_EQ(framework.exitCode(), 0);
}

TEST_F(GameOnDevice, TheDumpIsOneLineOfTheGamesState) {
    framework.runFrame();
    const std::string dump = game->dumpState();
    EXPECT_EQ(dump.find('\n'), std::string::npos);
    EXPECT_EQ(dump.rfind("{\"frame\": 1, \"time\": ", 0), 0u) << dump;
    // The title screen is up: its drawables follow.
    EXPECT_NE(dump.find("\"screen\": \"Title\", \"quitConfirm\": false, \"pointer\": [512.0000, "
                        "384.0000], \"currentPlayer\": 0, \"players\": [], \"drawables\": [{"),
              std::string::npos)
        << dump;
    // A shown drawable is listed with its picture, place and colour. (The
    // overlay's picture loads when the quit question opens.)
    game->quitOverlay->load(game->spriteLayer->textures(), "Resources//quit.tga");
    game->spriteLayer->add(*game->quitOverlay);
    game->quitOverlay->start();
    const std::string withOverlay = game->dumpState();
    EXPECT_NE(withOverlay.find("\"drawables\": [{\"kind\": \"sprite\", \"image\": "
                               "\"Resources//quit.tga\", \"x\": 513.0000, \"y\": 385.0000, "
                               "\"z\": 0.1000, \"colour\": ["),
              std::string::npos)
        << withOverlay;
    game->spriteLayer->remove(*game->quitOverlay);
}

// A game whose keyboard and mouse cannot be opened.
class GameWithoutInput : public Game {
public:
    using Game::Game;

protected:
    std::unique_ptr<InputSource> createInputSource() override { return nullptr; }
};

TEST(GameWithoutInput, StopsInOrderWithAMessageAndANonZeroExitCode) {
    RecordingMessageBox messages;
    MemorySettingsStore settings;
    Framework framework{messages, settings, [](const std::string&) {}};
    auto game = std::make_unique<GameWithoutInput>(framework, "/nonexistent/Resources");
    registerGameCallbacks(framework);
    const std::vector<std::string_view> arguments{"-windowed"};
    ASSERT_TRUE(framework.initialise(true, arguments, true, true));
    framework.createWindow("Game");
    EXPECT_FALSE(framework.createDevice(0, false, 1024, 768, &gameDeviceAcceptable,
                                        &gameModifyDeviceSettings, nullptr));
    EXPECT_EQ(framework.mainLoop(), 8);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.back().text, "Failed creating Direct3D device objects.");
    EXPECT_EQ(messages.shown.back().icon, MessageIcon::Stop);
    // What the game had made on the device went with it.
    EXPECT_EQ(game->device, nullptr);
    EXPECT_EQ(game->inputDevices, nullptr);
    game.reset();
    EXPECT_EQ(GameShell::current(), nullptr);
}

} // namespace
} // namespace qv

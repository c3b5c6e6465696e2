#include "game/shell/Game.h"

#include <chrono>
#include <iostream>

#include "game/shell/AutomationDriver.h"
#include "game/shell/Framework.h"
#include "game/shell/JsonWriter.h"
#include "game/shell/ScriptedInputSource.h"

namespace qv {

namespace {

std::uint32_t millisecondClock() {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

} // namespace

Game::Game(Framework& framework, std::filesystem::path resources)
    : GameShell(framework), quiz(std::move(resources)) {}

Game::~Game() = default;

Game* Game::current() { return static_cast<Game*>(GameShell::current()); }

bool Game::onCreateDevice(SDL_Renderer* newDevice) {
    if (framework().automation() && !automation_) {
        startAutomation();
    }
    if (!GameShell::onCreateDevice(newDevice)) {
        return false;
    }
    quiz.random.seed(millisecondClock());
    quiz.findQuestionSets();
    if (!quiz.loadConfig()) {
        quiz.configMissing = true;
    }
    quiz.loadQuestionSet(quiz.questionSetName);
    quiz.loadPlayState();

    // Later issues continue here, in this order: the shell's InputMapper with
    // its bindings (mouse X and Y, the shared left button, Escape), the
    // FontSet (Arial 30/400, 50/700, 100/700), the cursor sprite, the title
    // screen (initialised and entered), the quit overlay, and, only with a
    // sound manager, the SoundSet.
    return true;
}

void Game::frame(float elapsed) {
    GameShell::frame(elapsed);
    // The screen dispatcher runs here: it draws the sprite layer, updates the
    // one current screen, moves the pointer and runs the quit confirmation.
}

void Game::onDestroyDevice() {
    // Later issues destroy, in this order: the title and settings screens;
    // the game screen's shared sprites and the players (last to first); the
    // game-over screen and the cursor sprite; the SoundSet, which must go
    // before the sound manager does.
    GameShell::onDestroyDevice();
}

void Game::startAutomation() {
    scriptedInput_ = std::make_unique<ScriptedInputSource>([this] {
        return std::array<float, 2>{pointerPos[0], pointerPos[1]};
    });
    AutomationDriver::Hooks hooks;
    hooks.seed = [this](std::uint32_t seed) { quiz.random.seed(seed); };
    hooks.dump = [this] { return dumpState(); };
    hooks.quit = [this] { framework().shutdown(0); };
    automation_ = std::make_unique<AutomationDriver>(std::cin, std::cout, std::cerr,
                                                     *scriptedInput_,
                                                     framework().constantFrameSeconds(), hooks);
}

void Game::beginFrame() {
    if (automation_) {
        automation_->beginFrame();
    }
}

void Game::endFrame(SDL_Renderer* renderer) {
    if (automation_) {
        automation_->endFrame(renderer);
    }
}

std::string Game::dumpState() const {
    const char* screen = titleActive      ? "Title"
                         : gameOverActive ? "GameOver"
                         : settingsActive ? "Settings"
                                          : "Playing";
    JsonWriter json;
    json.beginObject();
    json.key("frame");
    json.value(static_cast<long long>(framework().frameCount()));
    json.key("time");
    json.value(framework().time());
    json.key("screen");
    json.value(screen);
    json.key("quitConfirm");
    json.value(quitConfirm);
    json.key("pointer");
    json.beginArray();
    json.value(static_cast<double>(pointerPos[0]));
    json.value(static_cast<double>(pointerPos[1]));
    json.endArray();
    json.key("currentPlayer");
    json.value(currentPlayer);
    // The players issue lists each Player record here; there are none
    // outside a game.
    json.key("players");
    json.beginArray();
    json.endArray();
    // The sprite issue lists every enabled drawable of the draw list here.
    json.key("drawables");
    json.beginArray();
    json.endArray();
    json.endObject();
    return json.text();
}

} // namespace qv

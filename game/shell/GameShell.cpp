#include "game/shell/GameShell.h"

#include "game/shell/Framework.h"
#include "game/shell/ProgramFolder.h"

namespace qv {

namespace {

GameShell* currentShell = nullptr;

// The platform's cooperative levels do not exist here; the value is kept so
// the call reads as the game means it.
constexpr int priorityCooperativeLevel = 2;

} // namespace

GameShell::GameShell(Framework& framework) : framework_(framework) { currentShell = this; }

GameShell::~GameShell() {
    if (currentShell == this) {
        // Input devices and sprite layer are destroyed here too, once they
        // exist.
        soundManager.reset();
        currentShell = nullptr;
    }
}

GameShell* GameShell::current() { return currentShell; }

bool GameShell::onCreateDevice(SDL_Renderer* newDevice) {
    device = newDevice;
    enterProgramFolder();

    // The input issue creates the InputDevices here; when they cannot be
    // opened this returns false, so that the framework stops the game with
    // its message and a non-zero exit code. The sprite issue creates the
    // SpriteLayer on `device` here.

    // A device made again after a loss gets a fresh sound manager; the
    // sounds made with the old one are gone by now (onDestroyDevice).
    soundManager = std::make_unique<SoundManager>();
    if (soundManager->initialise(framework_.window(), priorityCooperativeLevel) !=
            SoundResult::Ok ||
        soundManager->setPrimaryBufferFormat(2, 22050, 16) != SoundResult::Ok) {
        soundManager.reset();
    }
    return true;
}

void GameShell::frame(float /*elapsed*/) {
    // The input issue polls the InputDevices here.
}

void GameShell::onLostDevice() {
    // The sprite issue tells the sprite batch; the text issue tells each font.
}

void GameShell::onDestroyDevice() {
    // The sprite issue releases the batch and empties the draw list; the text
    // issue releases the fonts.
    device = nullptr;
}

} // namespace qv

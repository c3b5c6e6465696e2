#pragma once
// The one game object: what the game shows and remembers. It is created once
// at start-up, outlives any device the framework destroys and makes again,
// and is destroyed when the program ends.

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "game/engine/InputMapper.h"
#include "game/engine/SoundSet.h"
#include "game/engine/Sprite.h"
#include "game/quiz/QuizState.h"
#include "game/shell/GameShell.h"

namespace qv {

class AutomationDriver;
class ScriptedInputSource;

class Game : public GameShell {
public:
    // `resources` is the Resources folder (see resourcesFolder()).
    Game(Framework& framework, std::filesystem::path resources);
    ~Game() override;

    // Creates the engine services, seeds the generator, lists the question
    // sets, reads the configuration, loads the current set and its play
    // state, and builds the title screen.
    bool onCreateDevice(SDL_Renderer* newDevice) override;
    // Polls the input, then gives the frame to the screens.
    void frame(float elapsed) override;
    // Releases the screens and sprites made on the device.
    void onDestroyDevice() override;
    int fontCount() const override { return 3; }

    // The game that exists now, or null.
    static Game* current();

    // Automation mode: run at the start and at the end of every frame.
    void beginFrame();
    void endFrame(SDL_Renderer* renderer);
    // The automation dump: one JSON object on one line.
    std::string dumpState() const;

    // True at the first choice of device settings of this game only.
    bool firstDeviceChoice() { return !std::exchange(deviceChosen_, true); }

    QuizState quiz;

    // "Resources//quit.tga", shown while quitConfirm is set. Made once with
    // the first device; only the quit path destroys it.
    std::unique_ptr<Sprite> quitOverlay;

    // The pointer in screen units: x in [0, 1023], y in [0, 767].
    std::array<float, 3> pointerPos{512.0f, 384.0f, 0.0f};
    bool titleActive = true;
    bool settingsActive = false;
    bool gameOverActive = false;
    int currentPlayer = 0;
    // The quit overlay is up and waits for yes or no.
    bool quitConfirm = false;
    // The user confirmed quitting; acted on at the end of the frame.
    bool quitRequested = false;

    // The arrow "Resources//mousearrow.tga", drawn at pointerPos.
    std::unique_ptr<Sprite> cursorSprite;
    // The shell's own actions: 0 Escape, 5 and 6 the pointer's motion, 7 the
    // click (shared, so the screens see the button too).
    std::unique_ptr<InputMapper> inputMapper;

    // The thirteen sounds; silent without a sound manager, and while
    // quiz.soundEffectsOn is off.
    SoundSet sounds{quiz.soundEffectsOn};

    // Owned by later issues: the TitleScreen, SettingsScreen and
    // GameOverScreen, and the players.

protected:
    std::unique_ptr<InputSource> createInputSource() override;

private:
    void startAutomation();
    void createInputMapper();

    bool deviceChosen_ = false;
    bool quizLoaded_ = false;

    static constexpr int quitAction = 0;
    static constexpr int pointerXAction = 5;
    static constexpr int pointerYAction = 6;
    static constexpr int clickAction = 7;

    // Automation mode only: the scripted input until the input devices take
    // it over, and the driver that reads the commands. Both live as long as
    // the game, so a device made again keeps the same script.
    std::unique_ptr<ScriptedInputSource> pendingScriptedInput_;
    std::unique_ptr<AutomationDriver> automation_;
    // The sound set's view of the sound manager of the current device.
    std::unique_ptr<SoundOutput> soundOutput_;
};

} // namespace qv

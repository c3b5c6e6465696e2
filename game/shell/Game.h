// SPDX-License-Identifier: MIT
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
#include "game/engine/KeyboardPointer.h"
#include "game/engine/SoundSet.h"
#include "game/engine/Sprite.h"
#include "game/play/Gameplay.h"
#include "game/quiz/QuizState.h"
#include "game/shell/GameShell.h"

namespace qv {

class AutomationDriver;
class GamePhones;
class GameOverScreen;
class GameScreenHost;
class ScriptedInputSource;
class SettingsScreen;
class TitleScreen;

class Game : public GameShell {
public:
    // `resources` is the Resources folder (see resourcesFolder()).
    Game(Framework& framework, std::filesystem::path resources);
    ~Game() override;

    // Creates the engine services, seeds the generator, lists the question
    // sets, reads the configuration, loads the current set and its play
    // state, and builds the title screen.
    bool onCreateDevice(SDL_Renderer* newDevice) override;
    // One frame: polls the input, draws the sprite layer, gives the frame to
    // exactly one screen (title, game over, settings, or the game in
    // progress), moves the pointer and runs the quit question.
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

    // The screens around a game; each exists while it is up.
    std::unique_ptr<TitleScreen> titleScreen;
    std::unique_ptr<SettingsScreen> settingsScreen;
    std::unique_ptr<GameOverScreen> gameOverScreen;

    // The players and the rules of play on the game screen. The records
    // follow quiz.playerCount; the round exists while a device does.
    Gameplay gameplay;

    // Called by the title screen: it is destroyed (inside the call), the
    // draw list emptied, and the settings screen made and entered.
    void openSettings();
    // Called by the gameplay when the current player's turn is over: the
    // turn passes to the next player still in the game, or, when every
    // player has finished, the game-over screen comes up.
    void nextPlayer();
    // The pointer kept on the screen: x in [0, 1023], y in [0, 767].
    static std::array<float, 3> clampPointer(std::array<float, 3> point);

    // Phones as the players' controllers (the settings screen's row): on
    // or off now, saved for the next start; false with the reason when the
    // server cannot start.
    bool phonesOn() const;
    bool setPhones(bool on, std::u16string& why);
    // Every address a phone may open, one line.
    std::u16string phoneAddresses() const;

    // The game in progress, as the dispatcher drives it. The first frame of
    // play sets up every player's game screen and starts the turn of
    // currentPlayer; later frames update the current player's game.
    void setUpPlayers();
    // Opens the fallback faces the current set's texts, its name and the
    // players' names need, whenever one of them has changed: at the start
    // of a frame, before any text of it is laid out.
    void prepareFonts();
    void startTurn(int player);
    void updatePlaying(float elapsed);
    // Player `player`'s game is over; turns pass that player by.
    bool playerFinished(int player) const;
    // What player `player` won, for the results.
    int playerMoney(int player) const;

protected:
    std::unique_ptr<InputSource> createInputSource() override;
    std::array<float, 2> pointerPosition() const override { return {pointerPos[0], pointerPos[1]}; }

private:
    friend class GamePhones;
    void startAutomation();
    // The phone server, when the switch or the settings ask for it.
    void startPhones();
    void createInputMapper();

    bool deviceChosen_ = false;
    bool quizLoaded_ = false;

    // The frame's screen, and the switches between screens.
    void updateScreen(float elapsed);
    // Creates, initialises and enters a new title screen, and sets
    // titleActive. It is first updated in the next frame.
    void enterTitleScreen();
    // Keys and controller buttons move the pointer onto buttons before the
    // draw list sees it; returns whether they click this frame.
    bool pointByKeys(float elapsed);
    void movePointer();
    void runQuitConfirmation();
    // Takes the quit question down: Y and N unbound, the pointer free.
    void closeQuitConfirmation();
    // Saves the configuration and the play state and closes the window.
    void quit();
    ActionState actionState(int action) const;
    GameScreenHost& screenHost();

    // What the menus see of this game.
    std::unique_ptr<GameScreenHost> screenHost_;
    // The quit has been carried out; the frames left until the window
    // closes do nothing.
    bool quitDone_ = false;
    // Whether the pointer was blocked when the quit question opened (the
    // round blocks it while an answer is committed); N puts that back.
    bool pointerBlockedBeforeQuit_ = false;
    // The quit overlay's picture is loaded on this device.
    bool quitOverlayLoaded_ = false;
    // The quit question's answer keys in the language shown (Y and N work
    // in every language as well).
    std::u16string quitYesKey_;
    std::u16string quitNoKey_;
    // The words on the quit question's picture, made for the fonts of this
    // device, and filled in the language of the moment each time it opens.
    void labelQuitOverlay();
    void showQuitWords();
    // Whether a key typed this frame is the given answer letter.
    bool quitKeyPressed(const std::u16string& key) const;

    static constexpr int quitAction = 0;
    static constexpr int yesAction = 1;
    static constexpr int shiftedYesAction = 2;
    static constexpr int noAction = 3;
    static constexpr int shiftedNoAction = 4;
    static constexpr int pointerXAction = 5;
    static constexpr int pointerYAction = 6;
    static constexpr int clickAction = 7;
    // A controller's B opens the quit question and answers no; its Y
    // answers yes. Actions 8 on are the keyboard pointer's.
    static constexpr int padBackOutAction = 8;
    static constexpr int padYesAction = 9;
    static constexpr int firstKeyboardPointerAction = 10;
    // The slot of the keyboard pointer's letters and digits, after the
    // screens' slot 1.
    static constexpr int shortcutSlot = 2;

    std::unique_ptr<KeyboardPointer> keyboardPointer_;
    // Keys put the pointer on a button this frame: the mouse motion read
    // with the frame's input counts from the old place and is dropped.
    bool pointerPlacedByKeys_ = false;
    // From the start of a turn until the pointer or a key moves (or a
    // click), no button shows as pointed at: the pointer still rests where
    // the last player answered, and the next player's turn must not open
    // with an answer lit.
    bool hoverHeld_ = false;

    // Automation mode only: the scripted input until the input devices take
    // it over, and the driver that reads the commands. Both live as long as
    // the game, so a device made again keeps the same script.
    std::unique_ptr<ScriptedInputSource> pendingScriptedInput_;
    std::unique_ptr<AutomationDriver> automation_;
    // Phones as controllers; null while they are off.
    std::unique_ptr<GamePhones> phones_;
    // The sound set's view of the sound manager of the current device.
    std::unique_ptr<SoundOutput> soundOutput_;
    // The set name and player names the fonts were last prepared for.
    std::u16string fontsPreparedFor_;
    bool fontsPrepared_ = false;
};

} // namespace qv

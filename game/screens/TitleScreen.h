// SPDX-License-Identifier: MIT
#pragma once
// The first screen, and the one the game comes back to: play again with the
// saved players, a new game, or the settings. A new game asks on this same
// screen for the number of players and then for each player's name.
//
// The dispatcher creates it, calls initialise and enter, then update once a
// frame while the title is up, and destroys it once startPlaying or
// openSettings has been called.

#include <memory>
#include <string>

#include "game/engine/InputMapper.h"
#include "game/engine/InputSource.h"
#include "game/engine/Sprite.h"
#include "game/engine/TextDrawable.h"
#include "game/screens/BackdropAnimation.h"

namespace qv {

class ScreenHost;

class TitleScreen {
public:
    enum class TitleMode { Menu = 0, PlayerCount = 1, NameEntry = 2 };
    enum class Choice { None = 0, PlayAgain = 1, NewGame = 2 };

    // Characters a name may hold (a character outside the basic plane is
    // two UTF-16 units but one character), the blinking underscore not
    // counted.
    static constexpr std::size_t typedNameLimit = 10;

    // The host must outlive the screen.
    explicit TitleScreen(ScreenHost& host);
    // Leaves its input slot; its drawables unlink themselves.
    ~TitleScreen();
    TitleScreen(const TitleScreen&) = delete;
    TitleScreen& operator=(const TitleScreen&) = delete;

    // Makes every element (none started), puts the pointer back on top and
    // reads the configuration: the count starts at its number of players.
    void initialise();
    // The menu: title art and the three buttons; this screen's keys bound.
    void enter();
    // One frame: the backdrop moves; unless the quit question is up, the
    // input of the current mode is handled and a mode whose time is up is
    // left. May call openSettings, which destroys this screen.
    void update(float dt);

    // Name entry for player `index`: the field starts with that player's
    // stored name (selected: the first character typed replaces it) and the
    // prompt types itself out again. Presses typed ahead since the last name
    // was confirmed are taken now.
    void promptForName(int index);
    // A name that came from a phone: it takes the field's place and is
    // confirmed as Return would confirm it. Only while a name is asked for.
    void nameFromPhone(std::u16string_view name);

    TitleMode mode = TitleMode::Menu;
    float leaveTimer = 0.0f;
    bool leaving = false;
    Choice choice = Choice::None;
    std::unique_ptr<InputMapper> input;

    Sprite backdrop;
    Sprite titleArt;
    Sprite newGameArt;
    Sprite upButton;
    Sprite downButton;
    Sprite playAgainButton;
    Sprite newGameButton;
    Sprite settingsButton;
    Sprite okButton;
    TextDrawable promptText;
    TextDrawable countText;
    TextDrawable nameText;

    int chosenCount = 1;
    int entryIndex = 0;
    // While the cursor shows, its last character is "_".
    std::u16string typedName;
    // The field still holds the name carried over from the last game.
    bool carriedName = false;
    float cursorTimer = 0.0f;
    BackdropAnimation backdropAnimation;

private:
    // The prompt in the language now chosen, for the mode shown.
    std::u16string promptLine() const;

    bool playerCountPartsMade_ = false;
    // The language the prompt was set in (i18n::languageGeneration).
    std::uint32_t textsLanguage_ = 0;
    Vec3 playerCountArtPlace_{};
    // Each returns false when the screen was destroyed inside it.
    bool handleMenu();
    void handlePlayerCount();
    void handleNameEntry();
    // One press in name entry; false once it confirmed the name (the
    // presses after it wait for the next prompt).
    bool takeNamePress(const KeyPress& press);
    void leaveMenu();
    // Loads the new-game art and the buttons of the player count, once.
    void makePlayerCountParts();
    void leavePlayerCount();
    void nameEntryFrame(float dt);

    void showCount();
    void removeCursorMark();
    void confirmName();

    ScreenHost& host_;
    // Presses that came while no name could take them (between two
    // prompts), in order, for the next prompt.
    KeyPresses typedAhead_;
    bool confirming_ = false;
};

} // namespace qv

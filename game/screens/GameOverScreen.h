// SPDX-License-Identifier: MIT
#pragma once
// The end of a game: what every player won, and OK, after which the screen
// stays a moment and then reports done so the game returns to the title.

#include <memory>
#include <string>
#include <vector>

#include "game/engine/InputMapper.h"
#include "game/engine/Sprite.h"
#include "game/engine/TextDrawable.h"
#include "game/screens/BackdropAnimation.h"

namespace qv {

class ScreenHost;

class GameOverScreen {
public:
    // Seconds between OK reporting its click and done.
    static constexpr float closingSeconds = 1.5f;

    // The host must outlive the screen.
    explicit GameOverScreen(ScreenHost& host);
    ~GameOverScreen();
    GameOverScreen(const GameOverScreen&) = delete;
    GameOverScreen& operator=(const GameOverScreen&) = delete;

    // Makes and starts the art, OK and one line per player.
    void initialise();
    // The left button on this screen's mapper; the pointer works again.
    void enter();
    // One frame: the backdrop moves; unless the quit question is up, OK
    // starts the countdown and its end empties the draw list and sets done.
    void update(float dt);

    // Where result line `index` of `count` lies: in large letters one under
    // the other below the winner's line, smaller for more than
    // largeLinesUpTo players so that nine still fit above OK.
    static Vec3 resultPosition(int index, int count);
    static constexpr int largeLinesUpTo = 4;
    // The line that names the winner: "Ann wins!", or for a tie the names
    // together ("Ann and Bob win!", "Ann, Bob and Cy win!"); with no
    // winnings at all, that there is no winner.
    static std::u16string winnerLine(const std::vector<std::u16string>& winners);

    Sprite backdrop;
    Sprite gameOverArt;
    Sprite okButton;
    TextDrawable winnerText;
    // In order of winnings, most first (players with the same winnings in
    // their playing order).
    std::vector<std::unique_ptr<TextDrawable>> resultTexts;
    std::unique_ptr<InputMapper> input;
    float leaveTimer = 0.0f;
    bool closing = false;
    bool done = false;
    BackdropAnimation backdropAnimation;

private:
    ScreenHost& host_;
};

} // namespace qv

// SPDX-License-Identifier: MIT
#include "game/screens/GameOverScreen.h"

#include <algorithm>

#include "common/Translate.h"
#include "game/engine/InputCodes.h"
#include "game/engine/SpriteLayer.h"
#include "game/quiz/QuizState.h"
#include "game/screens/ScreenHost.h"
#include "game/screens/ScreenParts.h"

namespace qv {

namespace {

using screen::clear;
using screen::dimWhite;

} // namespace

GameOverScreen::GameOverScreen(ScreenHost& host) : host_(host) {}

GameOverScreen::~GameOverScreen() = default;

Vec3 GameOverScreen::resultPosition(int index, int count) {
    // A text at y is centred on the screen's line 2y + 384. The lines sit
    // in the results panel under the winner's line: from 415 a line each 52
    // pixels (large), or from 405 each 30. The panel is centred on the
    // screen, as the heading and OK are; the lines start 32 pixels inside it,
    // and a long line ("No winner this time") ends about as far inside its
    // right edge.
    if (count <= largeLinesUpTo) {
        return Vec3{157.0f, 15.5f + 26.0f * static_cast<float>(index), 0.8f};
    }
    return Vec3{157.0f, 10.5f + 15.0f * static_cast<float>(index), 0.8f};
}

std::u16string GameOverScreen::winnerLine(const std::vector<std::u16string>& winners) {
    if (winners.empty()) {
        // TRANSLATORS: the results' heading line when every player won nothing.
        return tr("No winner this time");
    }
    if (winners.size() == 1) {
        // TRANSLATORS: the results' heading line; %s is the winner's name.
        return fillPlaceholders(tr("%s wins!"), winners.front());
    }
    // A tie: all names but the last joined by the list separator, then the
    // last one joined by "and" within the sentence.
    std::u16string first;
    for (std::size_t i = 0; i + 1 < winners.size(); ++i) {
        if (i > 0) {
            // TRANSLATORS: between the names of tied winners, before the last "and".
            first += trc("between tied winners' names", ", ");
        }
        first += winners[i];
    }
    // TRANSLATORS: the results' heading line for a tie: the first %s is a list of
    // names ("Ann, Bob"), the second the last name ("Cy").
    return fillPlaceholders(tr("%s and %s win!"), first, winners.back());
}

void GameOverScreen::initialise() {
    using screen::Envelope;
    screen::makePicture(host_, backdrop, "Resources//big.bmp", Vec3{0.0f, 0.0f, 1.0f},
                        Envelope{opaqueWhite, opaqueBlack, 1.0f, 1.0f});
    backdrop.scale = screen::turningBackdropScale;
    backdrop.setTargetAngle(3.0f);
    screen::makePicture(host_, gameOverArt, "Resources//gameover.tga", Vec3{513.0f, 385.0f, 0.9f},
                        Envelope{dimWhite, clear, 1.5f, 3.0f});
    screen::makeButton(host_, okButton,
                       {"Resources//okbuttonoff.tga", "Resources//okbuttonhilight.tga",
                        "Resources//okbuttonon.tga"},
                       Vec3{512.0f, 690.0f, 0.3f}, true);
    // TRANSLATORS: the large heading of the results screen (in capitals); at
    // most about 14 letters.
    screen::writeOn(host_, gameOverArt, tr("GAME OVER"), FontSet::headingFont,
                    Vec3{512.0f, 190.0f, 0.0f}, 760.0f, 100.0f, screen::headingLook());
    // TRANSLATORS: the caption at the top of the results panel (in
    // capitals); about 24 letters.
    screen::writeOn(host_, gameOverArt, tr("FINAL WINNINGS"), FontSet::smallLabelFont,
                    Vec3{512.0f, 318.0f, 0.0f}, 390.0f, 22.0f, screen::captionLook());
    screen::labelButton(host_, okButton, tr("OK"));
    // The one button here also takes what a presenter's clicker sends.
    okButton.shortcutKeys = {InputCode::PageDown, InputCode::Right};

    const QuizState& quiz = host_.quiz();
    const int count = std::clamp(quiz.playerCount, 0, maxPlayers);
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        order[static_cast<std::size_t>(i)] = i;
    }
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return host_.playerMoney(a) > host_.playerMoney(b); });
    std::vector<std::u16string> winners;
    for (int i : order) {
        // Nobody who won nothing is named the winner.
        if (host_.playerMoney(i) > 0 && host_.playerMoney(i) == host_.playerMoney(order.front())) {
            winners.push_back(shownPlayerName(quiz.playerNames[static_cast<std::size_t>(i)], i));
        }
    }
    // Every line keeps inside the panel (from 282 to 742; lines from 314,
    // and as far in from its right edge), however long the names and the
    // language's words: the large face where all lines fit it, else the
    // smaller one for all of them.
    constexpr float lineWidth = 396.0f;
    const auto fitting = [this](int font, const std::vector<std::u16string>& texts) {
        Font* face = host_.font(font);
        for (const std::u16string& text : texts) {
            if (face != nullptr &&
                static_cast<float>(TextDrawable::inkWidth(*face, text)) > lineWidth) {
                return font - 1;
            }
        }
        return font;
    };
    const std::u16string winner = winnerLine(winners);
    screen::makeText(host_, winnerText, fitting(1, {winner}), Vec3{157.0f, -14.5f, 0.8f},
                     Envelope{dimWhite, clear, 1.5f, 3.0f}, winner);
    winnerText.typewriter = true;
    winnerText.maxWidth = lineWidth;
    std::vector<std::u16string> lines;
    for (int index = 0; index < count; ++index) {
        const int i = order[static_cast<std::size_t>(index)];
        lines.push_back(fillPlaceholders(
            // TRANSLATORS: a results line; %s is the player's name, %d the amount won.
            tr("%s won %d"), shownPlayerName(quiz.playerNames[static_cast<std::size_t>(i)], i),
            formatAmount(host_.playerMoney(i))));
    }
    const int lineFont = count <= largeLinesUpTo ? fitting(1, lines) : 0;
    for (int index = 0; index < count; ++index) {
        auto text = std::make_unique<TextDrawable>();
        screen::makeText(host_, *text, lineFont, resultPosition(index, count),
                         Envelope{dimWhite, clear, 1.5f, 3.0f},
                         lines[static_cast<std::size_t>(index)]);
        text->typewriter = true;
        text->maxWidth = lineWidth;
        resultTexts.push_back(std::move(text));
    }

    backdrop.start();
    gameOverArt.start();
    okButton.start();
    if (count > 0) {
        winnerText.start();
    }
    for (auto& text : resultTexts) {
        text->start();
    }
    screen::showCursor(host_);
    host_.layer().skipNextElapsed = true;
}

void GameOverScreen::enter() {
    input = std::make_unique<InputMapper>();
    screen::bindLeftButton(*input);
    // The last turn may have ended with the pointer blocked.
    host_.layer().pointerBlocked = false;
    if (!okButton.enabled) {
        okButton.start();
    }
}

void GameOverScreen::update(float dt) {
    backdropAnimation.step(backdrop, dt);
    if (host_.quitConfirm()) {
        return;
    }
    if (closing) {
        leaveTimer -= dt;
        if (leaveTimer <= 0.0f) {
            host_.layer().removeAll();
            done = true;
        }
    }
    if (okButton.takeClick()) {
        closing = true;
        leaveTimer = closingSeconds;
    }
}

} // namespace qv

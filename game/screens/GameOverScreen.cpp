// SPDX-License-Identifier: MIT
#include "game/screens/GameOverScreen.h"

#include <algorithm>

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
    return Vec3{200.0f, static_cast<float>(15 * index - 5 * count + 35), 0.8f};
}

void GameOverScreen::initialise() {
    using screen::Envelope;
    screen::makePicture(host_, backdrop, "Resources//big.bmp", Vec3{0.0f, 0.0f, 1.0f},
                        Envelope{opaqueWhite, opaqueBlack, 1.0f, 1.0f});
    backdrop.scale = 3.4f;
    backdrop.setTargetAngle(3.0f);
    screen::makePicture(host_, gameOverArt, "Resources//gameover.tga", Vec3{513.0f, 385.0f, 0.9f},
                        Envelope{dimWhite, clear, 1.5f, 3.0f});
    screen::makeButton(host_, okButton,
                       {"Resources//okbuttonoff.tga", "Resources//okbuttonhilight.tga",
                        "Resources//okbuttonon.tga"},
                       Vec3{512.0f, 690.0f, 0.3f}, true);
    // The one button here also takes what a presenter's clicker sends.
    okButton.shortcutKeys = {InputCode::PageDown, InputCode::Right};

    const QuizState& quiz = host_.quiz();
    const int count = std::clamp(quiz.playerCount, 0, maxPlayers);
    for (int i = 0; i < count; ++i) {
        auto text = std::make_unique<TextDrawable>();
        const std::u16string line = quiz.playerNames[static_cast<std::size_t>(i)] + u" won " +
                                    screen::decimal(host_.playerMoney(i));
        screen::makeText(host_, *text, 0, resultPosition(i, count),
                         Envelope{dimWhite, clear, 1.5f, 3.0f}, line);
        text->typewriter = true;
        resultTexts.push_back(std::move(text));
    }

    backdrop.start();
    gameOverArt.start();
    okButton.start();
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

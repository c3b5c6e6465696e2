// SPDX-License-Identifier: MIT
// The frame of the game and the switches between its screens: which screen
// gets the frame, the pointer, and the quit question that Escape opens on
// every screen.

#include <algorithm>
#include <vector>

#include "common/Translate.h"
#include "game/engine/FontSet.h"
#include "game/engine/InputDevices.h"
#include "game/screens/GameOverScreen.h"
#include "game/screens/SettingsScreen.h"
#include "game/screens/TitleScreen.h"
#include "game/shell/Framework.h"
#include "game/shell/Game.h"
#include "game/shell/GamePhones.h"
#include "game/shell/GameScreenHost.h"
#include "game/shell/TurnOrder.h"

namespace qv {

namespace {

// The quit question's keys, bound only while it is up.
constexpr int yesCode = InputCode::letter('Y');
constexpr int shiftedYesCode = InputCode::shiftedLetter('Y');
constexpr int noCode = InputCode::letter('N');
constexpr int shiftedNoCode = InputCode::shiftedLetter('N');

} // namespace

void Game::frame(float elapsed) {
    GameShell::frame(elapsed);
    if (quitDone_) {
        return;
    }
    prepareFonts();
    const bool keyClick = pointByKeys(elapsed);
    if (spriteLayer) {
        const bool click = actionState(clickAction) == ActionState::Pressed || keyClick;
        const bool mouseMoved = inputMapper && (inputMapper->value(pointerXAction) != 0.0f ||
                                                inputMapper->value(pointerYAction) != 0.0f);
        if (click || mouseMoved || pointerPlacedByKeys_) {
            hoverHeld_ = false;
        }
        std::optional<Vec3> pointer = Vec3{pointerPos[0], pointerPos[1], pointerPos[2]};
        if (hoverHeld_ && !titleActive && !gameOverActive && !settingsActive) {
            pointer = Vec3{-999.9f, -999.9f, pointerPos[2]};
        }
        spriteLayer->drawAll(elapsed, pointer, click);
    }
    updateScreen(elapsed);
    movePointer();
    pointerPlacedByKeys_ = false;
    runQuitConfirmation();
    if (phones_) {
        phones_->afterFrame();
    }
    if (quitRequested) {
        quit();
    }
}

void Game::prepareFonts() {
    if (!fonts) {
        return;
    }
    std::u16string names = quiz.questionSetName;
    for (const std::u16string& name : quiz.playerNames) {
        names += u'\n';
        names += name;
    }
    if (fontsPrepared_ && names == fontsPreparedFor_) {
        return;
    }
    std::u32string characters;
    std::vector<bool> seen;
    FontSet::gatherCharacters(names, characters, &seen);
    for (const Question& question : quiz.bank.questions()) {
        FontSet::gatherCharacters(question.text, characters, &seen);
        for (const std::u16string& answer : question.answers) {
            FontSet::gatherCharacters(answer, characters, &seen);
        }
    }
    fonts->prepare(std::move(characters));
    fontsPreparedFor_ = std::move(names);
    fontsPrepared_ = true;
}

ActionState Game::actionState(int action) const {
    return inputMapper ? inputMapper->state(action) : ActionState::Idle;
}

void Game::updateScreen(float elapsed) {
    if (titleActive) {
        if (titleScreen) {
            // May call openSettings, which destroys the title screen.
            titleScreen->update(elapsed);
        }
    } else if (gameOverActive) {
        if (gameOverScreen) {
            gameOverScreen->update(elapsed);
        }
        if (!gameOverScreen || gameOverScreen->done) {
            gameOverActive = false;
            gameOverScreen.reset();
            enterTitleScreen();
        }
    } else if (settingsActive) {
        if (settingsScreen) {
            settingsScreen->update(elapsed);
        }
        if (!settingsScreen || settingsScreen->done) {
            settingsActive = false;
            settingsScreen.reset();
            enterTitleScreen();
        }
    } else if (titleScreen) {
        // The first frame of play: the title screen still marks its start.
        titleScreen.reset();
        // The turn goes on from where the last game left it, but a game of
        // fewer players than the last has no such player.
        if (currentPlayer < 0 || currentPlayer >= quiz.playerCount) {
            currentPlayer = 0;
        }
        setUpPlayers();
        startTurn(currentPlayer);
    } else {
        updatePlaying(elapsed);
    }
}

void Game::enterTitleScreen() {
    titleScreen = std::make_unique<TitleScreen>(screenHost());
    titleScreen->initialise();
    titleScreen->enter();
    titleActive = true;
}

void Game::openSettings() {
    titleScreen.reset();
    titleActive = false;
    if (spriteLayer) {
        spriteLayer->removeAll();
    }
    settingsActive = true;
    settingsScreen = std::make_unique<SettingsScreen>(screenHost());
    settingsScreen->initialise();
    settingsScreen->enter();
}

void Game::nextPlayer() {
    const int next = nextUnfinishedPlayer(currentPlayer, quiz.playerCount,
                                          [this](int index) { return playerFinished(index); });
    if (next >= 0) {
        currentPlayer = next;
        startTurn(currentPlayer);
        return;
    }
    // Everyone has finished: the results. The turn has gone once round.
    if (quiz.playerCount > 0) {
        currentPlayer = (currentPlayer + 1) % quiz.playerCount;
    }
    if (spriteLayer) {
        spriteLayer->removeAll();
    }
    gameOverActive = true;
    gameOverScreen = std::make_unique<GameOverScreen>(screenHost());
    gameOverScreen->initialise();
    gameOverScreen->enter();
}

bool Game::pointByKeys(float elapsed) {
    if (!keyboardPointer_ || !spriteLayer || quitConfirm || !cursorSprite ||
        !cursorSprite->enabled) {
        return false;
    }
    KeyboardPointer::Step step = keyboardPointer_->step(
        *spriteLayer, Vec3{pointerPos[0], pointerPos[1], pointerPos[2]}, elapsed);
    // A phone's press goes the same way as a key's.
    if (phones_ && !step.click) {
        if (const std::optional<Vec3> pressed = phones_->pressedButton(*spriteLayer)) {
            step.moveTo = pressed;
            step.click = true;
        }
    }
    if (step.moveTo) {
        pointerPos = clampPointer({step.moveTo->x, step.moveTo->y, pointerPos[2]});
        cursorSprite->position = Vec3{pointerPos[0], pointerPos[1], pointerPos[2]};
        // The mouse read this frame was measured from the old place.
        pointerPlacedByKeys_ = true;
        pointerPlaced(pointerPos[0], pointerPos[1]);
    }
    return step.click;
}

void Game::movePointer() {
    if (cursorSprite && cursorSprite->enabled && !pointerPlacedByKeys_) {
        if (const ActionState x = actionState(pointerXAction);
            x == ActionState::Pressed || x == ActionState::Held) {
            pointerPos[0] += inputMapper->value(pointerXAction);
        }
        if (const ActionState y = actionState(pointerYAction);
            y == ActionState::Pressed || y == ActionState::Held) {
            pointerPos[1] += inputMapper->value(pointerYAction);
        }
    }
    pointerPos = clampPointer(pointerPos);
    if (cursorSprite) {
        cursorSprite->position = Vec3{pointerPos[0], pointerPos[1], pointerPos[2]};
    }
}

std::array<float, 3> Game::clampPointer(std::array<float, 3> point) {
    // A coordinate that is not a number goes to the middle rather than
    // through the comparisons.
    if (!(point[0] == point[0])) {
        point[0] = 512.0f;
    }
    if (!(point[1] == point[1])) {
        point[1] = 384.0f;
    }
    point[0] = point[0] < 0.0f ? 0.0f : point[0] >= 1024.0f ? 1023.0f : point[0];
    point[1] = point[1] < 0.0f ? 0.0f : point[1] >= 768.0f ? 767.0f : point[1];
    return point;
}

void Game::runQuitConfirmation() {
    if (!inputMapper) {
        return;
    }
    if (!quitConfirm) {
        if (actionState(quitAction) != ActionState::Pressed &&
            actionState(padBackOutAction) != ActionState::Pressed) {
            return;
        }
        if (spriteLayer) {
            pointerBlockedBeforeQuit_ = spriteLayer->pointerBlocked;
            spriteLayer->pointerBlocked = true;
        }
        quitConfirm = true;
        // Not shared: no screen sees Y or N while the question is up.
        inputMapper->bind(yesCode, yesAction, false);
        inputMapper->bind(shiftedYesCode, shiftedYesAction, false);
        inputMapper->bind(noCode, noAction, false);
        inputMapper->bind(shiftedNoCode, shiftedNoAction, false);
        if (quitOverlay) {
            if (spriteLayer) {
                if (!quitOverlayLoaded_) {
                    quitOverlay->load(spriteLayer->textures(), "Resources//quit.tga");
                    quitOverlayLoaded_ = true;
                    labelQuitOverlay();
                }
                spriteLayer->add(*quitOverlay);
            }
            // From black again each time the question opens.
            if (!quitOverlay->enabled) {
                quitOverlay->start();
            }
            quitOverlay->fadingOut = false;
            showQuitWords();
        }
        return;
    }
    if (actionState(yesAction) == ActionState::Pressed ||
        actionState(shiftedYesAction) == ActionState::Pressed ||
        actionState(padYesAction) == ActionState::Pressed || quitKeyPressed(quitYesKey_)) {
        quitRequested = true;
    }
    if (actionState(noAction) == ActionState::Pressed ||
        actionState(shiftedNoAction) == ActionState::Pressed ||
        actionState(padBackOutAction) == ActionState::Pressed || quitKeyPressed(quitNoKey_)) {
        closeQuitConfirmation();
    }
}

void Game::labelQuitOverlay() {
    quitOverlay->clearLabels();
    if (!fonts) {
        return;
    }
    // Where the picture leaves room: the question across the panel, the two
    // keys' caps and the answers beside them.
    const auto on = [this](int font, Vec3 centre, float width, float height,
                           const LabelLook& look) {
        const Vec3 offset{centre.x - quitOverlay->position.x, centre.y - quitOverlay->position.y,
                          0.0f};
        quitOverlay->addLabel(fonts->font(font), fonts->fitFont(font), offset, width, height, look);
    };
    const Colour cream{255, 242, 214, 255};
    const LabelLook question = oneColourLook(cream, Colour{160, 48, 40, 255});
    const LabelLook cap = oneColourLook(Colour{12, 21, 33, 255});
    LabelLook answer = oneColourLook(cream);
    answer.alignLeft = true;
    on(FontSet::questionFont, Vec3{512.0f, 334.0f, 0.0f}, 520.0f, 60.0f, question);
    on(FontSet::labelFont, Vec3{338.0f, 418.0f, 0.0f}, 32.0f, 32.0f, cap);
    on(0, Vec3{372.0f + 74.0f, 420.0f, 0.0f}, 148.0f, 40.0f, answer);
    on(FontSet::labelFont, Vec3{536.0f, 418.0f, 0.0f}, 32.0f, 32.0f, cap);
    on(0, Vec3{570.0f + 105.0f, 420.0f, 0.0f}, 210.0f, 40.0f, answer);
}

namespace {

// A key's letter as the catalogue gives it: one letter, upper case. A
// translation that holds more (a word, brackets, marks) gives its first
// letter, so the key cap still shows one key and the key still works.
std::u16string keyLetter(const std::u16string& translated, char16_t english) {
    for (char16_t c : translated) {
        if ((c >= u'a' && c <= u'z')) {
            return std::u16string(1, static_cast<char16_t>(c - u'a' + u'A'));
        }
        if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
            (c >= 0xC0 && !(c >= 0xD800 && c <= 0xDFFF) && c != 0xD7 && c != 0xF7)) {
            return std::u16string(1, c);
        }
    }
    return std::u16string(1, english);
}

// The small letter of a capital in the alphabets the game is played in
// (Latin, Latin-1, Greek, Cyrillic); any other character as it is.
char16_t smallLetter(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
        (c >= 0x391 && c <= 0x3A9) || (c >= 0x410 && c <= 0x42F)) {
        return static_cast<char16_t>(c + 0x20);
    }
    return c;
}

} // namespace

void Game::showQuitWords() {
    // TRANSLATORS: the letter of the key that answers yes to "Leave the
    // game?" (one capital letter, shown on a key cap). Y works as well.
    quitYesKey_ = keyLetter(trc("quit question yes key", "Y"), u'Y');
    // TRANSLATORS: the letter of the key that answers no to "Leave the
    // game?" (one capital letter, shown on a key cap). N works as well.
    quitNoKey_ = keyLetter(trc("quit question no key", "N"), u'N');
    if (!quitOverlay || quitOverlay->labelCount() < 5) {
        return;
    }
    // TRANSLATORS: the question shown when a player presses Escape during
    // the game; one line of about 20 letters.
    quitOverlay->label(0).setText(tr("Leave the game?"));
    quitOverlay->label(1).setText(quitYesKey_);
    // TRANSLATORS: the answer beside the yes key of "Leave the game?"; about
    // 10 letters.
    quitOverlay->label(2).setText(tr("quit"));
    quitOverlay->label(3).setText(quitNoKey_);
    // TRANSLATORS: the answer beside the no key of "Leave the game?"; about
    // 14 letters.
    quitOverlay->label(4).setText(tr("play on"));
}

bool Game::quitKeyPressed(const std::u16string& key) const {
    // Y and N are bound as keys; the language's own letters (J, O, T...)
    // are read from this frame's presses, as a key of the layout or as the
    // letter typed.
    if (key.size() != 1 || key == u"Y" || key == u"N" || key == u"y" || key == u"n") {
        return false;
    }
    const InputDevices* devices = InputDevices::instance();
    if (devices == nullptr) {
        return false;
    }
    char16_t upper = key[0];
    if (upper >= u'a' && upper <= u'z') {
        upper = static_cast<char16_t>(upper - u'a' + u'A');
    }
    for (const KeyPress& press : devices->presses()) {
        if (press.repeat) {
            continue;
        }
        if (upper >= u'A' && upper <= u'Z' &&
            (press.code == InputCode::letter(static_cast<char>(upper)) ||
             press.code == InputCode::shiftedLetter(static_cast<char>(upper)))) {
            return true;
        }
        if (press.code == 0 && press.text.size() == 1 &&
            smallLetter(press.text[0]) == smallLetter(key[0])) {
            return true;
        }
    }
    return false;
}

void Game::closeQuitConfirmation() {
    // A pointer that was free comes back at once; one that the round had
    // blocked stays blocked, so no click lands in a state that takes none
    // and waits, latched, for a later question.
    if (spriteLayer) {
        spriteLayer->pointerBlocked = pointerBlockedBeforeQuit_;
    }
    pointerBlockedBeforeQuit_ = false;
    if (inputMapper) {
        for (int action : {yesAction, shiftedYesAction, noAction, shiftedNoAction}) {
            inputMapper->unbind(action);
        }
    }
    quitConfirm = false;
    // It stays in the draw list, off.
    if (quitOverlay && quitOverlay->enabled) {
        quitOverlay->enabled = false;
    }
}

void Game::quit() {
    quitDone_ = true;
    if (quitOverlay) {
        if (spriteLayer) {
            spriteLayer->remove(*quitOverlay);
        }
        quitOverlay.reset();
    }
    // A save that fails leaves the old file whole; the quit goes on.
    quiz.saveConfig();
    quiz.savePlayState();
    framework().requestClose();
}

GameScreenHost& Game::screenHost() {
    if (!screenHost_) {
        screenHost_ = std::make_unique<GameScreenHost>(*this);
    }
    return *screenHost_;
}

} // namespace qv

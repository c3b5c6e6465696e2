// SPDX-License-Identifier: MIT
#include "game/shell/GameScreenHost.h"

#include "common/Translate.h"
#include "game/shell/Framework.h"
#include "game/shell/Game.h"
#include "game/shell/GameLanguage.h"

namespace qv {

QuizState& GameScreenHost::quiz() {
    return game_.quiz;
}

SpriteLayer& GameScreenHost::layer() {
    return *game_.spriteLayer;
}

Font* GameScreenHost::font(int index) {
    if (!game_.fonts) {
        return nullptr;
    }
    return game_.fonts->font(index);
}

Font* GameScreenHost::fitFont(int index) {
    if (!game_.fonts) {
        return nullptr;
    }
    return game_.fonts->fitFont(index);
}

Sprite* GameScreenHost::cursor() {
    return game_.cursorSprite.get();
}

bool GameScreenHost::quitConfirm() const {
    return game_.quitConfirm;
}

void GameScreenHost::startPlaying() {
    game_.titleActive = false;
}

void GameScreenHost::openSettings() {
    game_.openSettings();
}

void GameScreenHost::playClick() {
    game_.sounds.playClick();
}

int GameScreenHost::playerMoney(int index) const {
    return game_.playerMoney(index);
}

bool GameScreenHost::phonesOn() const {
    return game_.phonesOn();
}

bool GameScreenHost::setPhones(bool on, std::u16string& why) {
    return game_.setPhones(on, why);
}

std::u16string GameScreenHost::phoneAddresses() const {
    return game_.phoneAddresses();
}

std::vector<std::string> GameScreenHost::languages() const {
    return gameLanguages();
}

std::string GameScreenHost::language() const {
    return i18n::chosenLanguage();
}

void GameScreenHost::setLanguage(const std::string& code) {
    chooseGameLanguage(game_.framework().settingsStore(), code);
}

} // namespace qv

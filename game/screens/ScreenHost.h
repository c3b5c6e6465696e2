// SPDX-License-Identifier: MIT
#pragma once
// What the title, settings and game-over screens need of the game that runs
// them. The game implements it; tests give a small stand-in, so the screens
// run without a window or a framework.

#include <string>
#include <vector>

namespace qv {

class Font;
class QuizState;
class SpriteLayer;
class Sprite;

class ScreenHost {
public:
    virtual ~ScreenHost() = default;

    // The configuration, the players' names and the question sets.
    virtual QuizState& quiz() = 0;
    // The draw list the screens put their drawables in; it exists as long as
    // any screen does.
    virtual SpriteLayer& layer() = 0;
    // Font `index` of the game's font set, or null when the game has no such
    // font (a text given null draws nothing).
    virtual Font* font(int index) = 0;
    // The smaller companion of font `index` that a text falls back on when
    // it does not fit its place, or null.
    virtual Font* fitFont(int index) {
        (void)index;
        return nullptr;
    }
    // The pointer's arrow, which every screen puts back on top of its own
    // drawables; null before the game has made it.
    virtual Sprite* cursor() = 0;
    // The quit question is up: screens only move their backdrop meanwhile.
    virtual bool quitConfirm() const = 0;
    // The title screen is done and play is to begin (titleActive cleared).
    virtual void startPlaying() = 0;
    // Replaces the title screen by the settings screen. The title screen that
    // calls it is destroyed inside the call and must not touch itself after.
    virtual void openSettings() = 0;
    // The key click, silent while sound effects are off.
    virtual void playClick() = 0;
    // What player `index` won in the game just over.
    virtual int playerMoney(int index) const = 0;
    // Phones as controllers: whether they are on, and switching them (false
    // when they could not be switched on; `why` then says why). Where there
    // is no phone server the row does nothing.
    virtual bool phonesOn() const { return false; }
    virtual bool setPhones(bool on, std::u16string& why) {
        (void)on;
        why.clear();
        return false;
    }
    // The addresses a phone may open, for the settings screen.
    virtual std::u16string phoneAddresses() const { return {}; }
    // The languages the game can be played in ("" follows the desktop
    // session, then "de", "fr"... as installed), the one chosen, and choosing
    // one: applied at once and kept for the next start.
    virtual std::vector<std::string> languages() const { return {""}; }
    virtual std::string language() const { return {}; }
    virtual void setLanguage(const std::string& code) { (void)code; }
};

} // namespace qv

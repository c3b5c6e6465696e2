// SPDX-License-Identifier: MIT
#pragma once
// The game as the menus see it: the few fields and operations of Game that
// the title, settings and game-over screens use.

#include "game/screens/ScreenHost.h"

namespace qv {

class Game;

class GameScreenHost final : public ScreenHost {
public:
    // The game must outlive the host.
    explicit GameScreenHost(Game& game) : game_(game) {}

    QuizState& quiz() override;
    SpriteLayer& layer() override;
    Font* font(int index) override;
    Font* fitFont(int index) override;
    Sprite* cursor() override;
    bool quitConfirm() const override;
    void startPlaying() override;
    void openSettings() override;
    void playClick() override;
    int playerMoney(int index) const override;
    bool phonesOn() const override;
    bool setPhones(bool on, std::u16string& why) override;
    std::u16string phoneAddresses() const override;
    std::vector<std::string> languages() const override;
    std::string language() const override;
    void setLanguage(const std::string& code) override;

private:
    Game& game_;
};

} // namespace qv

// SPDX-License-Identifier: MIT
#pragma once
// The screens on a stand-in for the game: a software renderer on a small
// surface, the real sprite layer, fonts and input devices, a QuizState over a
// temporary Resources folder, and the generated art of the product folder
// made the current folder, as the game does.

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/engine/FontSet.h"
#include "game/engine/InputDevices.h"
#include "game/engine/Sprite.h"
#include "game/engine/SpriteLayer.h"
#include "game/quiz/QuizState.h"
#include "game/screens/ScreenHost.h"

namespace qv::test {

// Keys and buttons as the tests set them; each poll reads what is set now.
// A key set down is also a press of the poll, with the text it types, as a
// keyboard's would be.
class HeldInput : public InputSource {
public:
    bool read(DeviceState& state) override {
        state = values;
        return true;
    }
    void takePresses(KeyPresses& out) override {
        for (KeyPress& press : presses) {
            out.push_back(std::move(press));
        }
        presses.clear();
    }
    void set(int code, bool down) {
        float& value = values[static_cast<std::size_t>(code - 1)];
        if (down && value == 0.0f && code != InputCode::MouseLeft) {
            presses.push_back(KeyPress{code, false, {}});
            char16_t typed = 0;
            if (code >= InputCode::LetterA && code < InputCode::LetterA + 26) {
                typed = static_cast<char16_t>(u'a' + (code - InputCode::LetterA));
            } else if (code >= InputCode::ShiftedLetterA && code < InputCode::ShiftedLetterA + 26) {
                typed = static_cast<char16_t>(u'A' + (code - InputCode::ShiftedLetterA));
            } else if (code >= InputCode::Digit1 && code < InputCode::Digit0) {
                typed = static_cast<char16_t>(u'1' + (code - InputCode::Digit1));
            } else if (code == InputCode::Digit0) {
                typed = u'0';
            } else if (code == InputCode::Space) {
                typed = u' ';
            }
            if (typed != 0) {
                presses.push_back(KeyPress{0, false, std::u16string(1, typed)});
            }
        }
        value = down ? 128.0f : 0.0f;
    }
    // Text as an input method sends it.
    void type(const std::u16string& text) { presses.push_back(KeyPress{0, false, text}); }
    DeviceState values{};
    KeyPresses presses;
};

class ScreenFixture : public ::testing::Test, public ScreenHost {
protected:
    void SetUp() override;
    void TearDown() override;

    // ScreenHost
    QuizState& quiz() override { return *quiz_; }
    SpriteLayer& layer() override { return *layer_; }
    Font* font(int index) override { return fonts_ ? fonts_->font(index) : nullptr; }
    Font* fitFont(int index) override { return fonts_ ? fonts_->fitFont(index) : nullptr; }
    std::vector<std::string> languages() const override { return languageCodes; }
    std::string language() const override { return chosenLanguage; }
    void setLanguage(const std::string& code) override {
        chosenLanguage = code;
        languagesSet.push_back(code);
    }
    Sprite* cursor() override { return &cursor_; }
    bool quitConfirm() const override { return quitShown; }
    void startPlaying() override { ++playStarts; }
    void openSettings() override { ++settingsOpened; }
    void playClick() override { ++clicks; }
    int playerMoney(int index) const override { return index == 1 ? 32000 : 100 * index; }

    // One frame as the game runs it: poll, draw with the pointer and the
    // click, then the screen's update.
    template <typename Screen>
    void frame(Screen& screen, float dt = 0.05f, std::optional<Vec3> pointer = std::nullopt,
               bool click = false) {
        devices_->poll();
        layer_->drawAll(dt, pointer ? pointer : Vec3{-50.0f, -50.0f, 0.0f}, click);
        screen.update(dt);
    }
    template <typename Screen> void frames(Screen& screen, int count) {
        for (int i = 0; i < count; ++i) {
            frame(screen);
        }
    }
    // A pointer click on the button, then a second of frames for its press
    // to play out and the screen to act.
    template <typename Screen> void clickOn(Screen& screen, const Sprite& button) {
        frame(screen, 0.05f, button.position, true);
        frames(screen, 20);
    }
    // The key goes down for one frame and up in the next.
    template <typename Screen> void tap(Screen& screen, int code, int modifier = 0) {
        if (modifier != 0) {
            input_->set(modifier, true);
        }
        input_->set(code, true);
        frame(screen);
        input_->set(code, false);
        if (modifier != 0) {
            input_->set(modifier, false);
        }
        frame(screen);
    }

    void writeConfig(int players, const std::u16string& setName = u"Default");
    void makeSets(std::initializer_list<const char*> names);

    std::filesystem::path folder;
    bool quitShown = false;
    int playStarts = 0;
    int settingsOpened = 0;
    int clicks = 0;
    std::vector<std::string> languageCodes{""};
    std::string chosenLanguage;
    std::vector<std::string> languagesSet;

private:
    SDL_Surface* surface_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    std::unique_ptr<SpriteLayer> layer_;
    std::unique_ptr<FontSet> fonts_;
    std::unique_ptr<InputDevices> devices_;
    HeldInput* input_ = nullptr;
    std::unique_ptr<QuizState> quiz_;
    Sprite cursor_;
    std::filesystem::path oldFolder_;
};

} // namespace qv::test

// SPDX-License-Identifier: MIT
// Buttons found for a pointer moved by keys, and the keys that move it: a
// screen laid out like the game screen (four help buttons in a row above
// four answers in two rows), real images, and the input devices fed by the
// test.

#include "EngineFixture.h"

#include "game/engine/ButtonSearch.h"
#include "game/engine/InputDevices.h"
#include "game/engine/KeyboardPointer.h"
#include "game/engine/Sprite.h"

#include <algorithm>
#include <array>

namespace qv::test {
namespace {

struct FakeSource : InputSource {
    bool read(DeviceState& out) override {
        out = values;
        return true;
    }
    void set(int code, bool down) {
        values[static_cast<std::size_t>(code - 1)] = down ? 128.0f : 0.0f;
    }
    DeviceState values{};
};

class Buttons : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        const std::string hilight = writeSolid("h.bmp", 90, 40, {255, 255, 0, 255});
        const std::string pressed = writeSolid("p.bmp", 90, 40, {255, 0, 0, 255});
        const std::array<Vec3, 8> places{{{659, 69, 0.9f},
                                          {763, 69, 0.9f},
                                          {859, 69, 0.9f},
                                          {955, 69, 0.9f},
                                          {209, 661, 0.4f},
                                          {589, 661, 0.4f},
                                          {209, 719, 0.4f},
                                          {589, 719, 0.4f}}};
        for (std::size_t i = 0; i < places.size(); ++i) {
            Sprite& b = button[i];
            b.load(layer_->textures(), {}, hilight, pressed);
            b.position = places[i];
            b.attach();
            b.start();
        }
        picture.load(layer_->textures(), writeSolid("x.bmp", 50, 50, {9, 9, 9, 255}));
        picture.position = {400, 400, 0.5f};
        layer_->add(picture);
        picture.start();
    }
    std::vector<const Sprite*> shown() const { return shownButtons(*layer_); }

    std::array<Sprite, 8> button;
    Sprite picture;
};

constexpr std::size_t take = 0, joker = 1, clue = 2, a = 4, b = 5, c = 6, d = 7;

TEST_F(Buttons, OnlyShownButtonsCountNotTheirImagesNorPlainPictures) {
    EXPECT_EQ(shown().size(), 8u);
    button[clue].enabled = false;
    const auto left = shown();
    EXPECT_EQ(left.size(), 7u);
    EXPECT_EQ(std::count(left.begin(), left.end(), &button[clue]), 0);
    EXPECT_EQ(buttonAt(left, {859, 69, 0}), nullptr);
    // The hit box's edges belong to the button.
    EXPECT_EQ(buttonAt(left, {209 + 45, 661 - 20, 0}), &button[a]);
    EXPECT_EQ(buttonAt(left, {400, 400, 0}), nullptr);
}

TEST_F(Buttons, ArrowsFindTheNearestButtonThatWayStraightAheadFirst) {
    const auto all = shown();
    const Vec3 onA{200, 655, 0};
    EXPECT_EQ(buttonInDirection(all, onA, Direction::Right), &button[b]);
    EXPECT_EQ(buttonInDirection(all, onA, Direction::Down), &button[c]);
    EXPECT_EQ(buttonInDirection(all, onA, Direction::Left), nullptr);
    // Only the help row lies above; the nearest of it.
    EXPECT_EQ(buttonInDirection(all, onA, Direction::Up), &button[take]);
    EXPECT_EQ(buttonInDirection(all, button[take].position, Direction::Down), &button[b]);
    EXPECT_EQ(buttonInDirection(all, button[take].position, Direction::Right), &button[joker]);
    EXPECT_EQ(buttonInDirection(all, button[d].position, Direction::Down), nullptr);
    // From a place on no button, measured from that place.
    EXPECT_EQ(buttonInDirection(all, {400, 300, 0}, Direction::Down), &button[b]);
    EXPECT_EQ(nearestButton(all, {0, 0, 0}), &button[take]);
    button[b].enabled = false;
    EXPECT_EQ(buttonInDirection(shown(), onA, Direction::Right), &button[d]);
}

TEST_F(Buttons, ReadingOrderGoesRowByRowAndRoundAgain) {
    const auto all = shown();
    EXPECT_EQ(buttonInReadingOrder(all, button[take].position, true), &button[joker]);
    EXPECT_EQ(buttonInReadingOrder(all, button[3].position, true), &button[a]);
    EXPECT_EQ(buttonInReadingOrder(all, button[b].position, true), &button[c]);
    EXPECT_EQ(buttonInReadingOrder(all, button[d].position, true), &button[take]);
    EXPECT_EQ(buttonInReadingOrder(all, button[take].position, false), &button[d]);
    EXPECT_EQ(buttonInReadingOrder(all, button[c].position, false), &button[b]);
    // Between the rows: the next row's first, or the row above's last.
    EXPECT_EQ(buttonInReadingOrder(all, {900, 400, 0}, true), &button[a]);
    EXPECT_EQ(buttonInReadingOrder(all, {900, 400, 0}, false), &button[3]);
    EXPECT_EQ(buttonInReadingOrder({}, {0, 0, 0}, true), nullptr);
    const std::vector<const Sprite*> one{&button[c]};
    EXPECT_EQ(buttonInReadingOrder(one, button[c].position, true), &button[c]);
}

TEST_F(Buttons, ShortcutKeysFindTheirButtonWithOrWithoutShift) {
    button[a].shortcutKeys = {InputCode::letter('A'), InputCode::Digit1};
    button[clue].shortcutKeys = {InputCode::letter('H'), 0};
    const auto all = shown();
    EXPECT_EQ(buttonForKey(all, InputCode::letter('A')), &button[a]);
    EXPECT_EQ(buttonForKey(all, InputCode::shiftedLetter('A')), &button[a]);
    EXPECT_EQ(buttonForKey(all, InputCode::Digit1), &button[a]);
    EXPECT_EQ(buttonForKey(all, InputCode::shiftedLetter('H')), &button[clue]);
    EXPECT_EQ(buttonForKey(all, InputCode::letter('B')), nullptr);
    EXPECT_EQ(buttonForKey(all, 0), nullptr);
    button[clue].enabled = false;
    EXPECT_EQ(buttonForKey(shown(), InputCode::letter('H')), nullptr);
}

class Keys : public Buttons {
protected:
    void SetUp() override {
        Buttons::SetUp();
        auto owned = std::make_unique<FakeSource>();
        source = owned.get();
        devices = std::make_unique<InputDevices>(std::move(owned));
        shell = std::make_unique<InputMapper>();
        shell->claimSlot(0, false);
        keys = std::make_unique<KeyboardPointer>(*shell, 10, 2);
        // Its keys count once they have been seen up.
        frame({});
    }
    void TearDown() override {
        keys.reset();
        shell.reset();
        devices.reset();
        Buttons::TearDown();
    }
    // One frame with these codes down.
    KeyboardPointer::Step frame(std::initializer_list<int> down, Vec3 pointer = {512, 384, 0},
                                float elapsed = 0.1f) {
        source->values = {};
        for (int code : down) {
            source->set(code, true);
        }
        devices->poll();
        return keys->step(*layer_, pointer, elapsed);
    }

    FakeSource* source = nullptr;
    std::unique_ptr<InputDevices> devices;
    std::unique_ptr<InputMapper> shell;
    std::unique_ptr<KeyboardPointer> keys;
};

TEST_F(Keys, AnArrowStepsOnceThenRepeatsWhileHeld) {
    const Vec3 onA = button[a].position;
    auto step = frame({InputCode::Right}, onA);
    ASSERT_TRUE(step.moveTo);
    EXPECT_EQ(*step.moveTo, button[b].position);
    EXPECT_FALSE(step.click);
    // Held: nothing until the repeat delay, then once every interval.
    int fired = 0;
    for (int i = 0; i < 9; ++i) {
        fired += frame({InputCode::Right}, onA, 0.1f).moveTo ? 1 : 0;
    }
    // At the fifth held frame (past 0.45 s), then every 0.15 s: every second
    // frame of 0.1 s.
    EXPECT_EQ(fired, 3);
    EXPECT_FALSE(frame({}, onA).moveTo);
    // A screen with nothing that way: no move. From no button any arrow
    // finds one.
    EXPECT_FALSE(frame({InputCode::Left}, onA).moveTo);
    frame({});
    step = frame({InputCode::Left}, {1000, 760, 0});
    ASSERT_TRUE(step.moveTo);
    EXPECT_EQ(*step.moveTo, button[d].position);
}

TEST_F(Keys, TabGoesOnAndShiftTabBack) {
    auto step = frame({InputCode::Tab}, button[b].position);
    ASSERT_TRUE(step.moveTo);
    EXPECT_EQ(*step.moveTo, button[c].position);
    frame({});
    step = frame({InputCode::Tab, InputCode::RightShift}, button[b].position);
    ASSERT_TRUE(step.moveTo);
    EXPECT_EQ(*step.moveTo, button[a].position);
}

TEST_F(Keys, ReturnSpaceAndPadAClickButNotAltReturn) {
    for (int code : {InputCode::Return, InputCode::Space, InputCode::PadA}) {
        const auto step = frame({code});
        EXPECT_TRUE(step.click) << code;
        EXPECT_FALSE(step.moveTo) << code;
        EXPECT_FALSE(frame({code}).click) << "held " << code;
        frame({});
    }
    EXPECT_FALSE(frame({InputCode::LeftAlt, InputCode::Return}).click);
}

TEST_F(Keys, AShortcutPutsThePointerOnItsButtonAndClicksUnlessThePointerIsHeld) {
    button[clue].shortcutKeys = {InputCode::letter('H'), 0};
    auto step = frame({InputCode::shiftedLetter('H'), InputCode::LeftShift});
    ASSERT_TRUE(step.moveTo);
    EXPECT_EQ(*step.moveTo, button[clue].position);
    EXPECT_TRUE(step.click);
    frame({});
    layer_->pointerBlocked = true;
    step = frame({InputCode::letter('H')});
    EXPECT_FALSE(step.moveTo);
    EXPECT_FALSE(step.click);
    layer_->pointerBlocked = false;
    frame({});
    button[clue].enabled = false;
    step = frame({InputCode::letter('H')});
    EXPECT_FALSE(step.moveTo);
    EXPECT_FALSE(step.click);
}

TEST_F(Keys, ClickerKeysPressAButtonThatTakesThemInsteadOfMoving) {
    for (std::size_t i = 0; i < button.size(); ++i) {
        button[i].enabled = i == d;
    }
    button[d].shortcutKeys = {InputCode::PageDown, InputCode::Right};
    for (int code : {InputCode::PageDown, InputCode::Right}) {
        const auto step = frame({code}, {0, 0, 0});
        ASSERT_TRUE(step.moveTo);
        EXPECT_EQ(*step.moveTo, button[d].position);
        EXPECT_TRUE(step.click);
        frame({});
    }
    EXPECT_FALSE(frame({InputCode::PageUp}).click);
}

TEST_F(Keys, AScreenThatTypesKeepsItsLettersButReturnStillReachesThePointer) {
    button[a].shortcutKeys = {InputCode::letter('A'), 0};
    InputMapper typing;
    typing.bind(InputCode::letter('A'), 2, false);
    typing.bind(InputCode::Return, 1, false);
    typing.claimSlot(1, false);
    auto step = frame({InputCode::letter('A')});
    EXPECT_FALSE(step.moveTo);
    EXPECT_EQ(typing.state(2), ActionState::Pressed);
    frame({});
    step = frame({InputCode::Return});
    EXPECT_TRUE(step.click);
    EXPECT_EQ(typing.state(1), ActionState::Pressed);
}

} // namespace
} // namespace qv::test

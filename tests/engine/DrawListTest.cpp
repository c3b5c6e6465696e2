// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

#include "game/engine/Sprite.h"

#include <vector>

namespace qv::test {
namespace {

// A drawable that records its steps and can act on the list from inside one.
struct Probe : Drawable {
    explicit Probe(std::vector<Probe*>* log = nullptr) : log(log) { enabled = true; }
    Kind kind() const override { return Kind::Text; }
    bool draw(float elapsed, const std::optional<Vec3>& pointer, bool click) override {
        seenPointer = pointer;
        if (log != nullptr) {
            log->push_back(this);
        }
        if (onDraw) {
            onDraw();
        }
        return Drawable::draw(elapsed, pointer, click);
    }
    std::vector<Probe*>* log;
    std::function<void()> onDraw;
    std::optional<Vec3> seenPointer;
};

std::vector<const Drawable*> listOf(const SpriteLayer& layer) {
    std::vector<const Drawable*> list;
    layer.forEach([&](const Drawable& d) { list.push_back(&d); });
    return list;
}

using DrawList = EngineFixture;

TEST_F(DrawList, NewestFirstAndAddingTwiceKeepsOneEntry) {
    Probe a, b;
    layer_->add(a);
    layer_->add(b);
    layer_->add(a);
    EXPECT_EQ(listOf(*layer_), (std::vector<const Drawable*>{&b, &a}));
    layer_->remove(b);
    layer_->remove(b);
    EXPECT_EQ(listOf(*layer_), (std::vector<const Drawable*>{&a}));
}

TEST_F(DrawList, DestroyedDrawablesUnlinkThemselvesAndRemoveAllLetsThemLive) {
    Probe a;
    {
        Probe b;
        layer_->add(a);
        layer_->add(b);
    }
    EXPECT_EQ(listOf(*layer_), (std::vector<const Drawable*>{&a}));
    layer_->removeAll();
    EXPECT_EQ(layer_->first(), nullptr);
    EXPECT_FALSE(layer_->contains(a));
    a.attach();
    EXPECT_TRUE(layer_->contains(a));
}

TEST_F(DrawList, OnlyEnabledDrawablesAreSteppedInListOrder) {
    std::vector<Probe*> log;
    Probe a(&log), b(&log), c(&log);
    layer_->add(a);
    layer_->add(b);
    layer_->add(c);
    b.enabled = false;
    layer_->drawAll(0.1f, std::nullopt, false);
    EXPECT_EQ(log, (std::vector<Probe*>{&c, &a}));
}

TEST_F(DrawList, RemovingTheNextDrawableDuringAPassSkipsIt) {
    std::vector<Probe*> log;
    Probe a(&log), b(&log), c(&log);
    layer_->add(a);
    layer_->add(b);
    layer_->add(c);
    c.onDraw = [&] { layer_->remove(b); };
    layer_->drawAll(0.1f, std::nullopt, false);
    EXPECT_EQ(log, (std::vector<Probe*>{&c, &a}));
}

TEST_F(DrawList, EmptyingTheListDuringAPassEndsItAndTheNextFrameDrawsAgain) {
    std::vector<Probe*> log;
    Probe a(&log), b(&log), fresh(&log);
    layer_->add(a);
    layer_->add(b);
    b.onDraw = [&] {
        layer_->removeAll();
        layer_->add(fresh);
    };
    layer_->drawAll(0.1f, std::nullopt, false);
    EXPECT_EQ(log, (std::vector<Probe*>{&b}));
    EXPECT_FALSE(layer_->batch()->active());
    layer_->drawAll(0.1f, std::nullopt, false);
    EXPECT_EQ(log, (std::vector<Probe*>{&b, &fresh}));
}

TEST_F(DrawList, ABlockedPointerIsFarOffTheScreen) {
    Probe a;
    layer_->add(a);
    layer_->drawAll(0.0f, Vec3{10, 20, 0}, false);
    EXPECT_EQ(a.seenPointer, (Vec3{10, 20, 0}));
    layer_->pointerBlocked = true;
    layer_->drawAll(0.0f, Vec3{10, 20, 0}, false);
    EXPECT_EQ(a.seenPointer, (Vec3{-999.9f, -999.9f, 0}));
}

TEST_F(DrawList, AddingWithAPathLoadsTheSpritesImage) {
    const std::string file = writeSolid("a.bmp", 40, 20, {255, 255, 255, 255});
    Sprite s;
    layer_->add(s, file);
    ASSERT_TRUE(s.texture());
    EXPECT_EQ(s.sourceRect, (SourceRect{0, 0, 39, 19}));
    EXPECT_EQ(s.imagePath(), file);
}

TEST_F(DrawList, StartingASpriteFromInsideAPassDrawsItOnce) {
    Sprite s;
    s.load(layer_->textures(), writeSolid("a.bmp", 10, 10, {255, 255, 255, 255}));
    s.attach();
    Probe starter;
    layer_->add(starter);
    starter.onDraw = [&] { s.start(); };
    layer_->drawAll(0.1f, std::nullopt, false);
    EXPECT_EQ(layer_->batch()->quadCount(), 1);
}

} // namespace
} // namespace qv::test

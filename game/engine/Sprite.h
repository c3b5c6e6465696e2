// SPDX-License-Identifier: MIT
#pragma once
// A picture in the draw list, and with a hilight and a pressed image, a
// button: it hilights under the pointer, plays its pressed image when
// clicked, and raises clicked for its owner.

#include "game/engine/Drawable.h"
#include "game/engine/Matrix4.h"
#include "game/engine/SpriteBatch.h"
#include "game/engine/SpriteLabel.h"
#include "game/engine/TextureCache.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class Sprite : public Drawable {
public:
    Sprite() = default;
    ~Sprite() override;

    Kind kind() const override { return Kind::Sprite; }

    // Loads the normal image and, when given, the hilight and the pressed
    // image (each a child sprite owned by this one). A pressed image makes
    // the sprite a button: interactive, faded colour transparent white, fades
    // of 0.2 s in and 0.5 s out. The size, and with it the source rectangle,
    // the centre and the hit box, comes from the normal image, else from the
    // hilight, else from the pressed one; a file that does not load leaves
    // that image empty and draws nothing. Returns whether every given file
    // loaded.
    bool load(TextureCache& textures, std::string_view normal, std::string_view hilight = {},
              std::string_view pressed = {});
    // The angle to turn to, brought into [0, 2π); the sprite turns by
    // turnRate of the remaining way per drawn frame.
    void setTargetAngle(float radians);

    bool draw(float elapsed, const std::optional<Vec3>& pointer, bool click) override;
    // Also attaches the child images, so the layer steps their fades. A
    // button must be attached (not only added) for its press to play out.
    void attach() override;
    void hover(const std::optional<Vec3>& pointer) override;
    void click(const std::optional<Vec3>& pointer) override;
    void restart() override;
    float pressedAge() const override;
    float pressedHold() const override;
    float pressedFadeIn() const override;
    float pressedFadeOut() const override;

    // Whether the point lies in the hit box: centred on position, half the
    // image size each way (whole pixels), edges included.
    bool hitBoxContains(const Vec3& point) const;
    // One step of turning from a to b by the share r, the short way round.
    static float turn(float a, float b, float r);

    Sprite* hilightImage() const { return hilightImage_.get(); }
    Sprite* pressedImage() const { return pressedImage_.get(); }
    // The shared texture of the normal image; null when it did not load.
    const TextureHandle& texture() const { return texture_; }
    // The file this sprite shows: its normal image's, or with none given its
    // hilight image's. Empty for neither.
    std::string imagePath() const;

    // Words drawn on the picture, over all its images and with its fade
    // (see SpriteLabel); owned by the sprite.
    SpriteLabel& addLabel(Font* font, Font* fitFont, Vec3 offset, float roomWidth, float roomHeight,
                          const LabelLook& look);
    // A label filling the button's plate: centred, `inset` pixels in from
    // its left and right and `insetY` from its top and bottom (the glow's
    // margin around the plate).
    SpriteLabel& addPlateLabel(Font* font, Font* fitFont, float inset, const LabelLook& look,
                               float insetY = 4.0f);
    void clearLabels() { labels_.clear(); }
    std::size_t labelCount() const { return labels_.size(); }
    SpriteLabel& label(std::size_t index) const { return *labels_[index]; }

    // Last matrix used to draw.
    Matrix4 transform;
    float targetAngle = 0.0f;
    float angle = 0.0f;
    float turnRate = 1.0f;
    SourceRect sourceRect;
    Vec3 centre;
    float scale = 1.0f;
    // 0 normal, 1 hilighted, 2 pressed.
    int buttonState = 0;
    // Input codes of keys that press this button as a click on it would, 0
    // for none; a letter's code stands for the letter with Shift too.
    std::array<int, 2> shortcutKeys{};
    bool isChildImage = false;
    // A picture over the whole screen that is carried on to the window's
    // edges, bars included (see SpriteBatch::draw).
    bool toWindowEdges = false;

private:
    // Turns one step and, with queue, puts the image in the running batch.
    void drawImage(float depth, bool queue);

    TextureHandle texture_;
    std::string normalPath_;
    std::unique_ptr<Sprite> hilightImage_;
    std::unique_ptr<Sprite> pressedImage_;
    std::vector<std::unique_ptr<SpriteLabel>> labels_;
};

} // namespace qv

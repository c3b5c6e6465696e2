// SPDX-License-Identifier: MIT
#include "game/engine/Sprite.h"

#include "game/engine/SpriteLayer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv {

namespace {

constexpr float twoPi = 2.0f * std::numbers::pi_v<float>;
constexpr float pi = std::numbers::pi_v<float>;

// The pointer handed to children and the hit box never sees a real position
// when there is none.
bool pointerIn(const Sprite& sprite, const std::optional<Vec3>& pointer) {
    return pointer.has_value() && sprite.hitBoxContains(*pointer);
}

} // namespace

Sprite::~Sprite() {
    labels_.clear();
    texture_.reset();
    hilightImage_.reset();
    pressedImage_.reset();
}

bool Sprite::load(TextureCache& textures, std::string_view normal, std::string_view hilight,
                  std::string_view pressed) {
    bool ok = true;
    if (!normal.empty()) {
        texture_ = textures.load(normal);
        normalPath_ = std::string(normal);
        ok = ok && texture_ != nullptr;
    }
    if (!hilight.empty()) {
        hilightImage_ = std::make_unique<Sprite>();
        hilightImage_->isChildImage = true;
        ok = hilightImage_->load(textures, hilight) && ok;
    }
    if (!pressed.empty()) {
        interactive = true;
        fadedColour = transparentWhite;
        fadeIn = 0.2f;
        fadeOut = 0.5f;
        pressedImage_ = std::make_unique<Sprite>();
        pressedImage_->isChildImage = true;
        ok = pressedImage_->load(textures, pressed) && ok;
    }

    int width = 0;
    int height = 0;
    const Texture* sizeFrom = nullptr;
    if (texture_) {
        sizeFrom = texture_.get();
    } else if (hilightImage_) {
        sizeFrom = hilightImage_->texture_.get();
    } else if (!pressed.empty()) {
        sizeFrom = pressedImage_->texture_.get();
    }
    if (sizeFrom != nullptr) {
        width = sizeFrom->width();
        height = sizeFrom->height();
    }
    sourceRect = {0, 0, width - 1, height - 1};
    centre = {static_cast<float>(width) * 0.5f, static_cast<float>(height) * 0.5f, 0.0f};
    return ok;
}

void Sprite::setTargetAngle(float radians) {
    if (!std::isfinite(radians)) {
        return;
    }
    // fmod keeps huge angles from looping; the result is the same as adding
    // or subtracting 2π as often as needed.
    float a = std::fmod(radians, twoPi);
    if (a < 0.0f) {
        a += twoPi;
    }
    if (a >= twoPi) {
        a -= twoPi;
    }
    targetAngle = a;
}

float Sprite::turn(float a, float b, float r) {
    if (b - a > pi) {
        b -= twoPi;
    } else if (a - b > pi) {
        a -= twoPi;
    }
    float result = a * (1.0f - r) + b * r;
    if (result < 0.0f) {
        result += twoPi;
    } else if (result >= twoPi) {
        result -= twoPi;
    }
    return result;
}

bool Sprite::hitBoxContains(const Vec3& point) const {
    const float halfWidth = static_cast<float>((sourceRect.right + 1) / 2);
    const float halfHeight = static_cast<float>((sourceRect.bottom + 1) / 2);
    return point.x >= position.x - halfWidth && point.x <= position.x + halfWidth &&
           point.y >= position.y - halfHeight && point.y <= position.y + halfHeight;
}

bool Sprite::draw(float elapsed, const std::optional<Vec3>& pointer, bool click) {
    if (!stepEnvelope(elapsed, pointer, click)) {
        return false;
    }
    // Children are stepped by the layer, which gives them their fades, but
    // drawn by their parent only.
    if (isChildImage) {
        return false;
    }
    const bool queue = !starting();
    float depth = position.z;
    if (depth < 0.00001f) {
        depth = 0.05f;
    }
    if (texture_) {
        drawImage(depth, queue);
    }
    // A child picture that is off has not been stepped: its colour is stale
    // (black at first), so it is not drawn.
    Sprite* hilight = hilightImage_ && hilightImage_->enabled ? hilightImage_.get() : nullptr;
    Sprite* pressed = pressedImage_ && pressedImage_->enabled ? pressedImage_.get() : nullptr;
    // Kept after its press, the pressed picture is drawn at its full colour,
    // set here.
    if (Sprite* kept = pressedImage_.get(); keepPressedLook && kept != nullptr && kept->fadingOut) {
        kept->colour = kept->fullColour;
        kept->drawImage(depth - 0.02f, queue);
    } else if (buttonState == 1) {
        if (hilight != nullptr) {
            hilight->drawImage(depth - 0.01f, queue);
        }
    } else if (buttonState == 2) {
        if (hilight != nullptr) {
            hilight->drawImage(depth - 0.01f, queue);
        }
        if (pressed != nullptr) {
            pressed->drawImage(depth - 0.02f, queue);
        }
    } else if (buttonState == 0 && hilight != nullptr) {
        hilight->drawImage(depth - 0.01f, queue);
    }
    if (!labels_.empty()) {
        const bool keptPressed =
            keepPressedLook && pressedImage_ != nullptr && pressedImage_->fadingOut;
        const int state = keptPressed ? 2 : buttonState;
        for (const auto& label : labels_) {
            label->draw(position, state, colour, depth - 0.03f, queue);
        }
    }
    if (SpriteLayer* layer = SpriteLayer::instance(); layer != nullptr && layer->batch()) {
        layer->batch()->setTransform(Matrix4::identity());
    }
    return true;
}

SpriteLabel& Sprite::addLabel(Font* font, Font* fitFont, Vec3 offset, float roomWidth,
                              float roomHeight, const LabelLook& look) {
    labels_.push_back(
        std::make_unique<SpriteLabel>(font, fitFont, offset, roomWidth, roomHeight, look));
    return *labels_.back();
}

SpriteLabel& Sprite::addPlateLabel(Font* font, Font* fitFont, float inset, const LabelLook& look,
                                   float insetY) {
    const auto width = static_cast<float>(sourceRect.right + 1) - 2.0f * inset;
    const auto height = static_cast<float>(sourceRect.bottom + 1) - 2.0f * insetY;
    // A plate whose picture did not load has no size: its label is not held
    // to one.
    return addLabel(font, fitFont, Vec3{}, std::max(width, 0.0f), std::max(height, 0.0f), look);
}

void Sprite::drawImage(float depth, bool queue) {
    angle = turn(angle, targetAngle, turnRate);
    transform = Matrix4::rotationZ(angle) * Matrix4::scaling(scale, scale, 0.0f) *
                Matrix4::translation(position.x, position.y, depth);
    if (!queue || !texture_ || texture_->get() == nullptr) {
        return;
    }
    SpriteLayer* layer = SpriteLayer::instance();
    SpriteBatch* batch = layer != nullptr ? layer->batch() : nullptr;
    if (batch == nullptr || !batch->active()) {
        return;
    }
    batch->setTransform(transform);
    batch->draw(texture_, sourceRect, centre, Vec3{}, colour, toWindowEdges);
}

void Sprite::attach() {
    Drawable::attach();
    if (hilightImage_) {
        hilightImage_->attach();
    }
    if (pressedImage_) {
        pressedImage_->attach();
    }
}

void Sprite::hover(const std::optional<Vec3>& pointer) {
    if (!hilightImage_ || !pointer.has_value() || buttonState == 2) {
        return;
    }
    Sprite& hilight = *hilightImage_;
    if (!pointerIn(*this, pointer)) {
        if (buttonState != 0) {
            buttonState = 0;
            // Fades out at once from full colour.
            hilight.hold = 0.0f;
            hilight.age = hilight.fadeIn;
        }
        return;
    }
    if (buttonState != 1) {
        buttonState = 1;
        hilight.hold = hold;
        hilight.position = position;
        hilight.fadeIn = fadeIn;
        hilight.fadedColour = fadedColour;
        hilight.fadeOut = fadeOut;
        hilight.start();
    }
}

void Sprite::click(const std::optional<Vec3>& pointer) {
    if (!pressedImage_ || !pointerIn(*this, pointer)) {
        return;
    }
    if (buttonState == 2) {
        if (queuesClicks && queuedClicks < maxQueuedClicks) {
            ++queuedClicks;
        }
        return;
    }
    pressPending = true;
    savedHold = hold;
    hold = 0.0f;
    buttonState = 2;
    if (hilightImage_) {
        // A click in the frame the pointer arrives (no hover before it) must
        // still find the hilight at the button, not where it was made.
        Sprite& hilight = *hilightImage_;
        hilight.position = position;
        hilight.fadeIn = fadeIn;
        hilight.fadedColour = fadedColour;
        hilight.fadeOut = fadeOut;
    }
    Sprite& pressed = *pressedImage_;
    pressed.hold = 0.0f;
    pressed.position = position;
    pressed.fadeIn = fadeIn;
    pressed.fadedColour = fadedColour;
    pressed.fadeOut = fadeOut;
    pressed.start();
}

void Sprite::restart() {
    Drawable::restart();
    buttonState = 1;
}

float Sprite::pressedAge() const {
    return pressedImage_ ? pressedImage_->age : 0.0f;
}

float Sprite::pressedHold() const {
    return pressedImage_ ? pressedImage_->hold : 0.0f;
}

float Sprite::pressedFadeIn() const {
    return pressedImage_ ? pressedImage_->fadeIn : 0.0f;
}

float Sprite::pressedFadeOut() const {
    return pressedImage_ ? pressedImage_->fadeOut : 0.0f;
}

std::string Sprite::imagePath() const {
    if (!normalPath_.empty()) {
        return normalPath_;
    }
    return hilightImage_ ? hilightImage_->imagePath() : std::string();
}

} // namespace qv

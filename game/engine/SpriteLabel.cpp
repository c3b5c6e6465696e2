// SPDX-License-Identifier: MIT
#include "game/engine/SpriteLabel.h"

#include "game/engine/Font.h"

#include <algorithm>
#include <cmath>

namespace qv {

LabelLook oneColourLook(Colour text, Colour shadow) {
    LabelLook look;
    look.colours = {text, text, text};
    look.shadows = {shadow, shadow, shadow};
    return look;
}

LabelLook plateLook() {
    const Colour ember{160, 48, 40, 230};
    LabelLook look = oneColourLook(Colour{255, 242, 214, 255}, ember);
    look.colours[1] = opaqueWhite;
    look.shadows[0] = Colour{6, 11, 19, 204};
    look.tracking = 2;
    return look;
}

namespace {

std::uint8_t tinted(std::uint8_t channel, std::uint8_t tint) {
    return static_cast<std::uint8_t>((static_cast<int>(channel) * tint + 127) / 255);
}

Colour tintedBy(Colour c, Colour tint) {
    return {tinted(c.r, tint.r), tinted(c.g, tint.g), tinted(c.b, tint.b), tinted(c.a, tint.a)};
}

// A text's position for its left edge and block middle in screen pixels
// (the inverse of TextDrawable's placement).
Vec3 textPosition(float left, float middle, float z) {
    return {left * 0.5f, (middle - 384.0f) * 0.5f, z};
}

} // namespace

SpriteLabel::SpriteLabel(Font* font, Font* fitFont, Vec3 offset, float roomWidth, float roomHeight,
                         const LabelLook& look)
    : offset_(offset), roomWidth_(roomWidth), roomHeight_(roomHeight), look_(look) {
    text_.font = font;
    text_.fitFont = fitFont;
    text_.maxWidth = roomWidth;
    text_.leastSqueeze = TextDrawable::fitSqueeze;
    text_.tracking = look.tracking;
    // Two lines only where the room holds two lines of the smaller face.
    text_.fitLines =
        fitFont != nullptr && roomHeight >= 2.0f * static_cast<float>(fitFont->cellHeight()) ? 2
                                                                                             : 1;
}

void SpriteLabel::draw(const Vec3& at, int state, Colour tint, float depth, bool queue) {
    if (text_.font == nullptr || !text_.hasText()) {
        return;
    }
    const int look = std::clamp(state, 0, 2);
    const TextDrawable::Layout& fitted = text_.layout();
    const float centreX = at.x + offset_.x;
    const float left = std::round(look_.alignLeft    ? centreX - roomWidth_ * 0.5f
                                  : look_.alignRight ? centreX + roomWidth_ * 0.5f - fitted.width
                                                     : centreX - fitted.width * 0.5f);
    const float middle = std::round(at.y + offset_.y) + (look == 2 ? 1.0f : 0.0f);
    const Colour shadow = tintedBy(look_.shadows[static_cast<std::size_t>(look)], tint);
    if (queue && shadow.a > 0) {
        if (look_.glow) {
            // A dark copy below for depth, then eight faint copies three
            // pixels out make a soft halo round the letters.
            text_.colour = tintedBy(Colour{6, 11, 19, 150}, tint);
            text_.position = textPosition(left, middle + 3.0f, depth + 0.006f);
            text_.queueGlyphs();
            const Colour halo{shadow.r, shadow.g, shadow.b,
                              static_cast<std::uint8_t>(shadow.a / 4)};
            text_.colour = halo;
            for (int dy = -3; dy <= 3; dy += 3) {
                for (int dx = -3; dx <= 3; dx += 3) {
                    if (dx == 0 && dy == 0) {
                        continue;
                    }
                    text_.position = textPosition(left + static_cast<float>(dx),
                                                  middle + static_cast<float>(dy), depth + 0.005f);
                    text_.queueGlyphs();
                }
            }
        } else {
            // A soft drop shadow: one copy a pixel down, a fainter one two.
            text_.colour =
                Colour{shadow.r, shadow.g, shadow.b, static_cast<std::uint8_t>(shadow.a / 2)};
            text_.position = textPosition(left, middle + 2.0f, depth + 0.005f);
            text_.queueGlyphs();
            text_.colour = shadow;
            text_.position = textPosition(left, middle + 1.0f, depth + 0.004f);
            text_.queueGlyphs();
        }
    }
    text_.colour = tintedBy(look_.colours[static_cast<std::size_t>(look)], tint);
    text_.position = textPosition(left, middle, depth);
    text_.enabled = true;
    if (queue) {
        text_.queueGlyphs();
    }
}

} // namespace qv

// SPDX-License-Identifier: MIT
#include "game/engine/Drawable.h"

#include "game/engine/SpriteLayer.h"

#include <cmath>

namespace qv {

Drawable::~Drawable() {
    if (layer_ != nullptr) {
        layer_->remove(*this);
    }
}

bool Drawable::draw(float elapsed, const std::optional<Vec3>& pointer, bool click) {
    return stepEnvelope(elapsed, pointer, click);
}

void Drawable::attach() {
    fadingOut = false;
    if (SpriteLayer* layer = SpriteLayer::instance()) {
        layer->add(*this);
    }
}

void Drawable::hover(const std::optional<Vec3>&) {}

void Drawable::click(const std::optional<Vec3>&) {}

void Drawable::restart() {
    hold = savedHold;
    pressPending = false;
    clickReported = false;
    fadingOut = false;
}

void Drawable::start() {
    enabled = true;
    age = 0.0f;
    starting_ = true;
    draw(0.0f, std::nullopt, false);
    starting_ = false;
    fadingOut = false;
}

bool Drawable::stepEnvelope(float elapsed, const std::optional<Vec3>& pointer, bool click) {
    if (!enabled) {
        return false;
    }
    if (interactive) {
        if (click) {
            this->click(pointer);
        } else {
            hover(pointer);
        }
    }

    float factor = 0.0f;
    bool playOut = true;
    if (age <= fadeIn) {
        // At age 0 without a fade-in this is 0/0: the faded colour shows for
        // that one step and the full colour from the next one on.
        factor = age / fadeIn;
        playOut = false;
    } else if (hold < 0.0f) {
        factor = 1.0f;
        playOut = false;
    } else if (age < fadeIn + hold) {
        factor = 1.0f;
    } else {
        fadingOut = true;
        factor = 1.0f - (age - fadeIn - hold) / fadeOut;
    }

    if (playOut) {
        if (pressPending) {
            if (!clickAfterPress && !clickReported) {
                clicked = true;
                clickReported = true;
            }
            // The drawable's own age and colour stand still while the pressed
            // image plays.
            if (pressedAge() < pressedFadeIn() + pressedHold() + pressedFadeOut()) {
                return true;
            }
            restart();
            if (clickAfterPress) {
                clicked = true;
            }
            if (queuedClicks > 0) {
                --queuedClicks;
                this->click(position);
            }
            return true;
        }
        if (age > fadeIn + hold + fadeOut) {
            enabled = false;
            return true;
        }
    }

    // Factors outside [0, 1] (above 1 by the rule; below 0 or undefined only
    // through degenerate fades) give the faded colour, so the truncation
    // below always stays between the two colours.
    if (!(factor >= 0.0f && factor <= 1.0f)) {
        factor = 0.0f;
    }
    for (int k = 0; k < 4; ++k) {
        const int from = fadedColour.channel(k);
        const int to = fullColour.channel(k);
        const int step = static_cast<int>(static_cast<float>(to - from) * factor);
        colour.setChannel(k, static_cast<std::uint8_t>((from + step) & 0xFF));
    }
    age += elapsed;
    return true;
}

} // namespace qv

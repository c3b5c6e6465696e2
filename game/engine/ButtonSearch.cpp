// SPDX-License-Identifier: MIT
#include "game/engine/ButtonSearch.h"

#include "game/engine/InputCodes.h"
#include "game/engine/Sprite.h"
#include "game/engine/SpriteLayer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {

namespace {

// How much a step to the side counts against one straight ahead: a button
// two rows down and a little aside beats one in the next row far aside.
constexpr float sideWeight = 3.0f;

// Reading order: by row, then from the left.
bool readsBefore(const Vec3& a, const Vec3& b) {
    if (std::fabs(a.y - b.y) >= rowTolerance) {
        return a.y < b.y;
    }
    return a.x < b.x;
}

// The letter a shifted letter's code stands for, else the code itself.
int unshifted(int code) {
    if (code >= InputCode::ShiftedLetterA && code < InputCode::ShiftedLetterA + 26) {
        return code - InputCode::ShiftedLetterA + InputCode::LetterA;
    }
    return code;
}

float squaredDistance(const Vec3& a, const Vec3& b) {
    const float dx = a.x - b.x;
    const float dy = a.y - b.y;
    return dx * dx + dy * dy;
}

} // namespace

std::vector<const Sprite*> shownButtons(const SpriteLayer& layer) {
    std::vector<const Sprite*> buttons;
    layer.forEach([&buttons](const Drawable& drawable) {
        if (drawable.kind() != Drawable::Kind::Sprite || !drawable.enabled ||
            !drawable.interactive) {
            return;
        }
        const auto& sprite = static_cast<const Sprite&>(drawable);
        if (!sprite.isChildImage && sprite.pressedImage() != nullptr) {
            buttons.push_back(&sprite);
        }
    });
    return buttons;
}

const Sprite* buttonAt(const std::vector<const Sprite*>& buttons, const Vec3& point) {
    for (const Sprite* button : buttons) {
        if (button->hitBoxContains(point)) {
            return button;
        }
    }
    return nullptr;
}

const Sprite* buttonInDirection(const std::vector<const Sprite*>& buttons, const Vec3& from,
                                Direction direction) {
    const Sprite* current = buttonAt(buttons, from);
    const Vec3 origin = current != nullptr ? current->position : from;
    const Sprite* best = nullptr;
    float bestScore = std::numeric_limits<float>::max();
    for (const Sprite* button : buttons) {
        if (button == current) {
            continue;
        }
        const float dx = button->position.x - origin.x;
        const float dy = button->position.y - origin.y;
        float ahead = 0.0f;
        float aside = 0.0f;
        switch (direction) {
        case Direction::Up:
            ahead = -dy;
            aside = dx;
            break;
        case Direction::Down:
            ahead = dy;
            aside = dx;
            break;
        case Direction::Left:
            ahead = -dx;
            aside = dy;
            break;
        case Direction::Right:
            ahead = dx;
            aside = dy;
            break;
        }
        // Half a pixel ahead is still beside: buttons in one row never lie
        // above one another.
        if (!(ahead > 0.5f)) {
            continue;
        }
        const float score = ahead + sideWeight * std::fabs(aside);
        if (score < bestScore) {
            bestScore = score;
            best = button;
        }
    }
    return best;
}

const Sprite* nearestButton(const std::vector<const Sprite*>& buttons, const Vec3& point) {
    const Sprite* best = nullptr;
    float bestDistance = std::numeric_limits<float>::max();
    for (const Sprite* button : buttons) {
        const float d = squaredDistance(button->position, point);
        if (d < bestDistance) {
            bestDistance = d;
            best = button;
        }
    }
    return best;
}

const Sprite* buttonInReadingOrder(const std::vector<const Sprite*>& buttons, const Vec3& from,
                                   bool forward) {
    if (buttons.empty()) {
        return nullptr;
    }
    std::vector<const Sprite*> order = buttons;
    std::stable_sort(order.begin(), order.end(), [](const Sprite* a, const Sprite* b) {
        return readsBefore(a->position, b->position);
    });
    const Sprite* current = buttonAt(buttons, from);
    const Vec3 mark = current != nullptr ? current->position : from;
    if (forward) {
        for (const Sprite* button : order) {
            if (button != current && readsBefore(mark, button->position)) {
                return button;
            }
        }
        return order.front() != current || order.size() == 1 ? order.front() : order[1];
    }
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (*it != current && readsBefore((*it)->position, mark)) {
            return *it;
        }
    }
    return order.back() != current || order.size() == 1 ? order.back() : order[order.size() - 2];
}

const Sprite* buttonForKey(const std::vector<const Sprite*>& buttons, int code) {
    if (code <= 0) {
        return nullptr;
    }
    const int key = unshifted(code);
    for (const Sprite* button : buttons) {
        for (int shortcut : button->shortcutKeys) {
            if (shortcut != 0 && unshifted(shortcut) == key) {
                return button;
            }
        }
    }
    return nullptr;
}

} // namespace qv

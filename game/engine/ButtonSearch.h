// SPDX-License-Identifier: MIT
#pragma once
// Finding buttons for a pointer moved by keys: the buttons a click could
// press now, the one under a point, the nearest one in a direction, the next
// one in reading order, and the one a key stands for.

#include "game/engine/Vec3.h"

#include <vector>

namespace qv {

class Sprite;
class SpriteLayer;

enum class Direction { Up, Down, Left, Right };

// The buttons of the draw list that are shown: enabled sprites with a pressed
// image (their hilight and pressed images are not buttons of their own), in
// draw-list order. Pointers into the layer's drawables, valid until the list
// changes.
std::vector<const Sprite*> shownButtons(const SpriteLayer& layer);

// The first button whose hit box holds the point, or null.
const Sprite* buttonAt(const std::vector<const Sprite*>& buttons, const Vec3& point);

// The button nearest to `from` whose centre lies ahead in the direction,
// preferring those straight ahead over those to the side; the button under
// `from` is measured from its centre and never chosen. Null when nothing
// lies that way.
const Sprite* buttonInDirection(const std::vector<const Sprite*>& buttons, const Vec3& from,
                                Direction direction);

// The button nearest to the point, or null when there is none.
const Sprite* nearestButton(const std::vector<const Sprite*>& buttons, const Vec3& point);

// Reading order: rows from the top (centres less than rowTolerance apart in
// height share a row), each row from the left. The button after the one
// under `from`, or after the point itself when it is on none; going round at
// the end. Backwards with forward false.
const Sprite* buttonInReadingOrder(const std::vector<const Sprite*>& buttons, const Vec3& from,
                                   bool forward);
inline constexpr float rowTolerance = 8.0f;

// The shown button that lists the input code among its shortcut keys, or
// null.
const Sprite* buttonForKey(const std::vector<const Sprite*>& buttons, int code);

} // namespace qv

// SPDX-License-Identifier: MIT
#pragma once
// Dialog layouts are given in dialog units of an 8-point dialog font, whose
// base units are 6 x 13 pixels: one unit is 1.5 pixels across and 1.625 down.

#include <QRect>

#include <cmath>

namespace qv {

inline int dialogUnitsToPixelsX(double units) {
    return static_cast<int>(std::lround(units * 1.5));
}
inline int dialogUnitsToPixelsY(double units) {
    return static_cast<int>(std::lround(units * 1.625));
}

// A rectangle in pixels from x, y, width and height in dialog units.
inline QRect dialogRect(int x, int y, int width, int height) {
    const int left = dialogUnitsToPixelsX(x);
    const int top = dialogUnitsToPixelsY(y);
    return QRect(left, top, dialogUnitsToPixelsX(x + width) - left,
                 dialogUnitsToPixelsY(y + height) - top);
}

} // namespace qv

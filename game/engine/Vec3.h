// SPDX-License-Identifier: MIT
#pragma once
// A point of the 1024 x 768 screen (x right, y down) with its depth z.

namespace qv {

struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    friend constexpr bool operator==(const Vec3&, const Vec3&) = default;
};

} // namespace qv

// SPDX-License-Identifier: MIT
#pragma once
// 4 x 4 transforms in row-vector order: a point p maps to p·M, so R·S·T
// rotates first, then scales, then translates.

#include "game/engine/Vec3.h"

#include <array>
#include <cmath>

namespace qv {

struct Matrix4 {
    // m[row * 4 + column]
    std::array<float, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    static Matrix4 identity() { return {}; }
    static Matrix4 rotationZ(float radians) {
        const float c = std::cos(radians);
        const float s = std::sin(radians);
        Matrix4 r;
        r.m = {c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
        return r;
    }
    static Matrix4 scaling(float x, float y, float z) {
        Matrix4 r;
        r.m = {x, 0, 0, 0, 0, y, 0, 0, 0, 0, z, 0, 0, 0, 0, 1};
        return r;
    }
    static Matrix4 translation(float x, float y, float z) {
        Matrix4 r;
        r.m = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1};
        return r;
    }

    friend Matrix4 operator*(const Matrix4& a, const Matrix4& b) {
        Matrix4 r;
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j) {
                float sum = 0;
                for (int k = 0; k < 4; ++k) {
                    sum += a.m[i * 4 + k] * b.m[k * 4 + j];
                }
                r.m[i * 4 + j] = sum;
            }
        }
        return r;
    }

    // The transformed point (w taken as 1; these transforms are affine).
    Vec3 apply(const Vec3& p) const {
        return {p.x * m[0] + p.y * m[4] + p.z * m[8] + m[12],
                p.x * m[1] + p.y * m[5] + p.z * m[9] + m[13],
                p.x * m[2] + p.y * m[6] + p.z * m[10] + m[14]};
    }

    friend bool operator==(const Matrix4&, const Matrix4&) = default;
};

} // namespace qv

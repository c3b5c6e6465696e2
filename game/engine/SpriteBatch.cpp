#include "game/engine/SpriteBatch.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qv {

namespace {

// Maps depths to integers that sort far (large z) first. Integer keys also
// keep a depth that is not a number from upsetting the sort.
std::uint32_t farFirst(float depth) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &depth, sizeof bits);
    const std::uint32_t ascending = (bits & 0x80000000u) != 0 ? ~bits : bits | 0x80000000u;
    return ~ascending;
}

constexpr float farOff = 1.0e6f;

} // namespace

SpriteBatch::SpriteBatch(SDL_Renderer* renderer) : renderer_(renderer) {
    SDL_RendererInfo info{};
    software_ = renderer_ != nullptr && SDL_GetRendererInfo(renderer_, &info) == 0 &&
                (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}

void SpriteBatch::begin() {
    active_ = true;
    quads_.clear();
    keepAlive_.clear();
    group_ = 0;
    calls_ = 0;
    transform_ = Matrix4::identity();
    sizeOf_ = nullptr;
}

void SpriteBatch::draw(SDL_Texture* texture, const SourceRect& source, const Vec3& centre,
                       const Vec3& position, Colour colour, bool opaque) {
    if (!active_ || texture == nullptr) {
        return;
    }
    if (texture != sizeOf_) {
        if (SDL_QueryTexture(texture, nullptr, nullptr, &textureWidth_, &textureHeight_) != 0) {
            return;
        }
        sizeOf_ = texture;
    }
    // Never sample outside the texture, whatever rectangle the caller holds.
    const int left = std::clamp(source.left, 0, textureWidth_);
    const int top = std::clamp(source.top, 0, textureHeight_);
    const int right = std::clamp(source.right, left, textureWidth_);
    const int bottom = std::clamp(source.bottom, top, textureHeight_);
    if (right <= left || bottom <= top) {
        return;
    }
    const float w = static_cast<float>(right - left);
    const float h = static_cast<float>(bottom - top);
    const Vec3 origin{position.x - centre.x, position.y - centre.y, position.z - centre.z};
    const auto& m = transform_.m;

    Quad quad;
    quad.texture = texture;
    quad.depth = transform_.apply(origin).z;
    quad.group = group_;
    const float xs[4] = {origin.x, origin.x + w, origin.x + w, origin.x};
    const float ys[4] = {origin.y, origin.y, origin.y + h, origin.y + h};
    for (int i = 0; i < 4; ++i) {
        quad.corner[i] = {xs[i] * m[0] + ys[i] * m[4] + origin.z * m[8] + m[12],
                          xs[i] * m[1] + ys[i] * m[5] + origin.z * m[9] + m[13]};
        // The renderer turns coordinates into integers: a corner that is not
        // a number or lies absurdly far off would overflow there.
        if (!(std::fabs(quad.corner[i].x) < farOff && std::fabs(quad.corner[i].y) < farOff)) {
            return;
        }
    }
    const float u0 = static_cast<float>(left) / static_cast<float>(textureWidth_);
    const float u1 = static_cast<float>(right) / static_cast<float>(textureWidth_);
    const float v0 = static_cast<float>(top) / static_cast<float>(textureHeight_);
    const float v1 = static_cast<float>(bottom) / static_cast<float>(textureHeight_);
    quad.uv[0] = {u0, v0};
    quad.uv[1] = {u1, v0};
    quad.uv[2] = {u1, v1};
    quad.uv[3] = {u0, v1};
    quad.colour = {colour.r, colour.g, colour.b, colour.a};
    quad.source = {left, top, right - left, bottom - top};
    quad.blend = !(opaque && colour.a == 255);
    quads_.push_back(quad);
}

void SpriteBatch::draw(const TextureHandle& texture, const SourceRect& source, const Vec3& centre,
                       const Vec3& position, Colour colour) {
    if (!active_ || !texture || texture->get() == nullptr) {
        return;
    }
    if (keepAlive_.empty() || keepAlive_.back() != texture) {
        keepAlive_.push_back(texture);
    }
    draw(texture->get(), source, centre, position, colour, texture->opaque());
}

void SpriteBatch::flush(SDL_Texture* texture, bool blend) {
    if (vertices_.empty()) {
        return;
    }
    if (submit_ && renderer_ != nullptr) {
        if (!blend) {
            SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
        }
        SDL_RenderGeometry(renderer_, texture, vertices_.data(), static_cast<int>(vertices_.size()),
                           indices_.data(), static_cast<int>(indices_.size()));
        if (!blend) {
            SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
        }
        ++calls_;
        // The software renderer sets texture colours of its own for geometry.
        modTexture_ = nullptr;
    }
    vertices_.clear();
    indices_.clear();
}

bool SpriteBatch::upright(const Quad& quad) {
    const SDL_FPoint* c = quad.corner;
    return c[0].y == c[1].y && c[1].x == c[2].x && c[2].y == c[3].y && c[3].x == c[0].x &&
           c[1].x > c[0].x && c[3].y > c[0].y;
}

void SpriteBatch::copy(const Quad& quad) {
    SDL_Texture* texture = quad.texture;
    const SDL_Color& colour = quad.colour;
    if (texture != modTexture_ || colour.r != modColour_.r || colour.g != modColour_.g ||
        colour.b != modColour_.b || colour.a != modColour_.a) {
        SDL_SetTextureColorMod(texture, colour.r, colour.g, colour.b);
        SDL_SetTextureAlphaMod(texture, colour.a);
        modTexture_ = texture;
        modColour_ = colour;
    }
    if (!quad.blend) {
        SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    }
    const SDL_FRect target{quad.corner[0].x, quad.corner[0].y, quad.corner[1].x - quad.corner[0].x,
                           quad.corner[3].y - quad.corner[0].y};
    SDL_RenderCopyF(renderer_, texture, &quad.source, &target);
    if (!quad.blend) {
        SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    }
    ++calls_;
}

void SpriteBatch::addGeometry(const Quad& quad) {
    // SDL's software renderer crashes on large turned triangles of large
    // textures (a 768 x 768 swirl scaled 3.4 and turning); there a turned quad
    // whose extent is above 256 pixels goes in as a grid of smaller ones, with
    // corners and texture coordinates interpolated across the quad.
    int pieces = 1;
    const bool turned = quad.corner[0].y != quad.corner[1].y || quad.corner[0].x != quad.corner[3].x;
    if (software_ && turned) {
        float minX = quad.corner[0].x;
        float maxX = minX;
        float minY = quad.corner[0].y;
        float maxY = minY;
        for (const SDL_FPoint& c : quad.corner) {
            minX = std::min(minX, c.x);
            maxX = std::max(maxX, c.x);
            minY = std::min(minY, c.y);
            maxY = std::max(maxY, c.y);
        }
        const float extent = std::max(maxX - minX, maxY - minY);
        pieces = std::clamp(static_cast<int>(std::ceil(extent / 256.0f)), 1, 64);
    }
    auto mix = [](const SDL_FPoint* p, float s, float t) {
        // Bilinear across corners 0 (s 0, t 0), 1 (s 1), 2 (s 1, t 1), 3 (t 1).
        const float a = (1 - s) * (1 - t);
        const float b = s * (1 - t);
        const float c = s * t;
        const float d = (1 - s) * t;
        return SDL_FPoint{a * p[0].x + b * p[1].x + c * p[2].x + d * p[3].x,
                          a * p[0].y + b * p[1].y + c * p[2].y + d * p[3].y};
    };
    const float step = 1.0f / static_cast<float>(pieces);
    for (int row = 0; row < pieces; ++row) {
        for (int column = 0; column < pieces; ++column) {
            const float s0 = static_cast<float>(column) * step;
            const float s1 = column + 1 == pieces ? 1.0f : s0 + step;
            const float t0 = static_cast<float>(row) * step;
            const float t1 = row + 1 == pieces ? 1.0f : t0 + step;
            const float ss[4] = {s0, s1, s1, s0};
            const float ts[4] = {t0, t0, t1, t1};
            const int base = static_cast<int>(vertices_.size());
            for (int i = 0; i < 4; ++i) {
                vertices_.push_back({mix(quad.corner, ss[i], ts[i]), quad.colour,
                                     mix(quad.uv, ss[i], ts[i])});
            }
            // Two triangles sharing the diagonal from the first to the third
            // corner.
            for (int i : {0, 1, 2, 0, 2, 3}) {
                indices_.push_back(base + i);
            }
        }
    }
}

void SpriteBatch::end() {
    if (!active_) {
        return;
    }
    active_ = false;
    order_.resize(quads_.size());
    for (std::uint32_t i = 0; i < order_.size(); ++i) {
        const Quad& quad = quads_[i];
        order_[i] = {(std::uint64_t{farFirst(quad.depth)} << 32) | ~quad.group, i};
    }
    std::stable_sort(order_.begin(), order_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });

    SDL_Texture* current = nullptr;
    bool blend = true;
    modTexture_ = nullptr;
    const bool copies = software_ && softwareCopies_ && submit_;
    for (const auto& [key, index] : order_) {
        const Quad& quad = quads_[index];
        if (copies && upright(quad)) {
            flush(current, blend);
            current = nullptr;
            copy(quad);
            continue;
        }
        if (quad.texture != current || quad.blend != blend) {
            flush(current, blend);
            current = quad.texture;
            blend = quad.blend;
        }
        addGeometry(quad);
    }
    flush(current, blend);
    keepAlive_.clear();
    transform_ = Matrix4::identity();
}

} // namespace qv

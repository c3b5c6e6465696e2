// SPDX-License-Identifier: MIT
#include "game/engine/SpriteBatch.h"

#include "game/engine/ScreenViewport.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <initializer_list>

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
    setScaledCopies(true);
}

SpriteBatch::~SpriteBatch() = default;

void SpriteBatch::setFrameCleared(bool cleared) {
    frameCleared_ = cleared;
    if (cleared && software_ && !stillBack_) {
        stillBack_ = std::make_unique<StillBack>(renderer_);
    } else if (!cleared) {
        stillBack_.reset();
    }
}

void SpriteBatch::setScaledCopies(bool use) {
    if (use && software_ && !scaledCopies_) {
        scaledCopies_ = std::make_unique<ScaledCopies>(renderer_);
    } else if (!use) {
        scaledCopies_.reset();
    }
}

void SpriteBatch::forgetCopies() {
    if (stillBack_) {
        stillBack_->forget();
    }
    if (scaledCopies_) {
        scaledCopies_->clear();
    }
}

StillBack::Plan SpriteBatch::planStillBack() {
    StillBack::Target target;
    if (!stillBack_ || order_.empty() || !StillBack::readTarget(renderer_, target)) {
        return {};
    }
    // The farthest quads, as long as they are cached pictures.
    stillKeys_.clear();
    const float farthest = quads_[order_.front().second].depth;
    int atFarthest = 0;
    for (const auto& [key, index] : order_) {
        const Quad& quad = quads_[index];
        if (quad.picture == nullptr || static_cast<int>(stillKeys_.size()) == StillBack::maxKeys) {
            break;
        }
        StillBack::Key still;
        still.picture = quad.picture;
        still.revision = quad.picture->revision();
        still.source = quad.source;
        std::copy(std::begin(quad.corner), std::end(quad.corner), std::begin(still.corner));
        still.colour = quad.colour;
        still.blend = quad.blend;
        stillKeys_.push_back(still);
        atFarthest += quad.depth >= farthest - 1.0e-4f ? 1 : 0;
    }
    // Every quad at the farthest depth counts, listed or not.
    for (std::size_t i = stillKeys_.size(); i < order_.size(); ++i) {
        if (!(quads_[order_[i].second].depth >= farthest - 1.0e-4f)) {
            break;
        }
        ++atFarthest;
    }
    return stillBack_->plan(target, stillKeys_, atFarthest);
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
                       const Vec3& position, Colour colour, bool opaque, int detail) {
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
    // A detailed texture holds `detail` texels for each pixel of the
    // rectangle, which is drawn at its own size.
    const int k = std::clamp(detail, 1, 4);
    const auto texel = [k](std::int32_t v) {
        return static_cast<int>(
            std::clamp<std::int64_t>(std::int64_t{v} * k, INT32_MIN, INT32_MAX));
    };
    const int left = std::clamp(texel(source.left), 0, textureWidth_);
    const int top = std::clamp(texel(source.top), 0, textureHeight_);
    const int right = std::clamp(texel(source.right), left, textureWidth_);
    const int bottom = std::clamp(texel(source.bottom), top, textureHeight_);
    if (right <= left || bottom <= top) {
        return;
    }
    const float w = static_cast<float>(right - left) / static_cast<float>(k);
    const float h = static_cast<float>(bottom - top) / static_cast<float>(k);
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
    quad.picture = nullptr;
    quad.toWindowEdges = false;
    quads_.push_back(quad);
}

void SpriteBatch::draw(const TextureHandle& texture, const SourceRect& source, const Vec3& centre,
                       const Vec3& position, Colour colour, bool toWindowEdges) {
    if (!active_ || !texture || texture->get() == nullptr) {
        return;
    }
    if (keepAlive_.empty() || keepAlive_.back() != texture) {
        keepAlive_.push_back(texture);
    }
    const std::size_t before = quads_.size();
    draw(texture->get(), source, centre, position, colour, texture->opaque(), texture->detail());
    if (quads_.size() > before) {
        quads_.back().picture = texture.get();
        quads_.back().toWindowEdges = toWindowEdges;
    }
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

bool SpriteBatch::overhangs(const Quad& quad) const {
    // Scaled and reaching past the output, a copy is first scaled whole into
    // a picture of its own (54 MB for the title's zoomed backdrop at
    // 1920 x 1080); drawn as geometry it is cut to the output first.
    const float width = quad.corner[1].x - quad.corner[0].x;
    const float height = quad.corner[3].y - quad.corner[0].y;
    const bool scaled = std::fabs(width * scaleX_ - static_cast<float>(quad.source.w)) >= 1.0f ||
                        std::fabs(height * scaleY_ - static_cast<float>(quad.source.h)) >= 1.0f;
    return scaled && (quad.corner[0].x < outputLeft_ || quad.corner[0].y < outputTop_ ||
                      quad.corner[2].x > outputRight_ || quad.corner[2].y > outputBottom_);
}

bool SpriteBatch::upright(const Quad& quad) {
    const SDL_FPoint* c = quad.corner;
    return c[0].y == c[1].y && c[1].x == c[2].x && c[2].y == c[3].y && c[3].x == c[0].x &&
           c[1].x > c[0].x && c[3].y > c[0].y;
}

void SpriteBatch::setColour(SDL_Texture* texture, SDL_Color colour) {
    if (texture != modTexture_ || colour.r != modColour_.r || colour.g != modColour_.g ||
        colour.b != modColour_.b || colour.a != modColour_.a) {
        SDL_SetTextureColorMod(texture, colour.r, colour.g, colour.b);
        SDL_SetTextureAlphaMod(texture, colour.a);
        modTexture_ = texture;
        modColour_ = colour;
    }
}

bool SpriteBatch::copyPrepared(const Quad& quad, bool overClear) {
    const float width = (quad.corner[1].x - quad.corner[0].x) * scaleX_;
    const float height = (quad.corner[3].y - quad.corner[0].y) * scaleY_;
    // Placed and sized as the renderer places a scaled copy (each value
    // scaled and cut to whole pixels), so it lands where it always did.
    const SDL_Rect target{static_cast<int>(quad.corner[0].x * scaleX_),
                          static_cast<int>(quad.corner[0].y * scaleY_), static_cast<int>(width),
                          static_cast<int>(height)};
    const SDL_Color& colour = quad.colour;
    const bool plainColour =
        colour.r == 255 && colour.g == 255 && colour.b == 255 && colour.a == 255;
    // A picture larger than the output (a backdrop zoomed in) is not worth
    // a copy of its own.
    if (target.w <= 0 || target.h <= 0 ||
        static_cast<long long>(target.w) * target.h > outputArea_ ||
        (target.w == quad.source.w && target.h == quad.source.h && plainColour)) {
        // Nothing to gain over the picture itself.
        return false;
    }
    // Sparks come in runs of one picture in many colours: what the copies
    // gave for the run's first stands for the rest while nothing is baked.
    LastCopy& last = lastCopy_;
    ScaledCopies::Found found;
    if (last.picture == quad.picture && last.revision == quad.picture->revision() &&
        !last.found.baked && !plainColour && last.source.x == quad.source.x &&
        last.source.y == quad.source.y && last.source.w == quad.source.w &&
        last.source.h == quad.source.h && last.width == target.w && last.height == target.h) {
        found = last.found;
    } else {
        found = scaledCopies_->find(*quad.picture, quad.source, target.w, target.h, colour);
        last = {quad.picture, quad.picture->revision(), quad.source, target.w, target.h, found};
    }
    if (found.texture == nullptr) {
        return false;
    }
    SDL_Color mod = found.baked ? SDL_Color{255, 255, 255, 255} : colour;
    bool blend = quad.blend;
    const bool opaque = quad.picture->opaque();
    if (blend && opaque && found.baked && colour.a == 255) {
        blend = false;
    } else if (blend && opaque && overClear && !found.baked) {
        // An opaque picture at part alpha over black is the picture
        // darkened: a plain copy with its colour scaled by the alpha.
        const auto darken = [&](std::uint8_t c) {
            return static_cast<std::uint8_t>((c * colour.a + 127) / 255);
        };
        mod = {darken(colour.r), darken(colour.g), darken(colour.b), 255};
        blend = false;
    }
    setColour(found.texture, mod);
    SDL_SetTextureBlendMode(found.texture, blend ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
    // In output pixels, 1:1: the renderer's scale is lifted for the copy.
    SDL_RenderSetScale(renderer_, 1.0f, 1.0f);
    SDL_RenderCopy(renderer_, found.texture, nullptr, &target);
    SDL_RenderSetScale(renderer_, scaleX_, scaleY_);
    ++calls_;
    return true;
}

void SpriteBatch::copy(const Quad& quad, bool overClear) {
    if (scaledCopies_ && quad.picture != nullptr && copyPrepared(quad, overClear)) {
        return;
    }
    SDL_Texture* texture = quad.texture;
    setColour(texture, quad.colour);
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
    if (software_ && upright(quad) && overhangs(quad)) {
        // An upright quad reaching past the output goes in cut to the
        // output, its texture coordinates cut with it: one quad the size of
        // the output instead of a grid over the whole picture.
        const float x0 = std::max(quad.corner[0].x, outputLeft_);
        const float y0 = std::max(quad.corner[0].y, outputTop_);
        const float x1 = std::min(quad.corner[2].x, outputRight_);
        const float y1 = std::min(quad.corner[2].y, outputBottom_);
        if (!(x1 > x0 && y1 > y0)) {
            return;
        }
        const float width = quad.corner[2].x - quad.corner[0].x;
        const float height = quad.corner[2].y - quad.corner[0].y;
        const auto u = [&](float x) {
            return quad.uv[0].x + (quad.uv[2].x - quad.uv[0].x) * (x - quad.corner[0].x) / width;
        };
        const auto v = [&](float y) {
            return quad.uv[0].y + (quad.uv[2].y - quad.uv[0].y) * (y - quad.corner[0].y) / height;
        };
        const int base = static_cast<int>(vertices_.size());
        vertices_.push_back({{x0, y0}, quad.colour, {u(x0), v(y0)}});
        vertices_.push_back({{x1, y0}, quad.colour, {u(x1), v(y0)}});
        vertices_.push_back({{x1, y1}, quad.colour, {u(x1), v(y1)}});
        vertices_.push_back({{x0, y1}, quad.colour, {u(x0), v(y1)}});
        for (int i : {0, 1, 2, 0, 2, 3}) {
            indices_.push_back(base + i);
        }
        return;
    }
    // SDL's software renderer crashes on large turned triangles of large
    // textures (a 768 x 768 swirl scaled 3.4 and turning), and gives every
    // triangle a picture of its own the size of its bounds, uncut by the
    // output (54 MB for that swirl upright at 1920 x 1080); there a turned
    // or overhanging quad whose extent is above 256 pixels goes in as a grid
    // of smaller ones, with corners and texture coordinates interpolated
    // across the quad.
    int pieces = 1;
    const bool turned =
        quad.corner[0].y != quad.corner[1].y || quad.corner[0].x != quad.corner[3].x;
    if (software_ && (turned || overhangs(quad))) {
        const SDL_FPoint size = StillBack::extentOf(quad.corner);
        const float extent = std::max(size.x, size.y);
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
                vertices_.push_back(
                    {mix(quad.corner, ss[i], ts[i]), quad.colour, mix(quad.uv, ss[i], ts[i])});
            }
            // Two triangles sharing the diagonal from the first to the third
            // corner.
            for (int i : {0, 1, 2, 0, 2, 3}) {
                indices_.push_back(base + i);
            }
        }
    }
}

void SpriteBatch::reachScreenEdges() {
    if (renderer_ == nullptr) {
        return;
    }
    SDL_Rect screen{};
    SDL_RenderGetViewport(renderer_, &screen);
    const auto width = static_cast<float>(screen.w);
    const auto height = static_cast<float>(screen.h);
    if (!(width > 1.0f && height > 1.0f)) {
        return;
    }
    const auto near = [](float a, float b) { return std::fabs(a - b) <= 0.5f; };
    for (Quad& quad : quads_) {
        // A picture drawn over the whole screen but for its last column and
        // row (its source rectangle leaves out the texture's last ones):
        // scaled up, that uncovered edge is one or two output pixels of
        // black between the screen and the bar beside it. The texture's own
        // last column and row are drawn there instead.
        if (!upright(quad) || !near(quad.corner[0].x, 0.0f) || !near(quad.corner[0].y, 0.0f) ||
            !near(quad.corner[2].x, width - 1.0f) || !near(quad.corner[2].y, height - 1.0f)) {
            continue;
        }
        int textureWidth = 0;
        int textureHeight = 0;
        if (SDL_QueryTexture(quad.texture, nullptr, nullptr, &textureWidth, &textureHeight) != 0) {
            continue;
        }
        // Texels per logical pixel: 2 for a detailed picture.
        const int kx = static_cast<int>(
            std::lround(static_cast<float>(quad.source.w) / (quad.corner[2].x - quad.corner[0].x)));
        const int ky = static_cast<int>(
            std::lround(static_cast<float>(quad.source.h) / (quad.corner[2].y - quad.corner[0].y)));
        if (kx < 1 || ky < 1 || quad.source.x + quad.source.w + kx > textureWidth ||
            quad.source.y + quad.source.h + ky > textureHeight) {
            continue;
        }
        quad.source.w += kx;
        quad.source.h += ky;
        const float u1 =
            static_cast<float>(quad.source.x + quad.source.w) / static_cast<float>(textureWidth);
        const float v1 =
            static_cast<float>(quad.source.y + quad.source.h) / static_cast<float>(textureHeight);
        // One logical pixel more each way, at the picture's own scale.
        quad.corner[1].x = quad.corner[2].x = quad.corner[2].x + 1.0f;
        quad.corner[2].y = quad.corner[3].y = quad.corner[2].y + 1.0f;
        quad.uv[1].x = quad.uv[2].x = u1;
        quad.uv[2].y = quad.uv[3].y = v1;
    }
}

void SpriteBatch::end() {
    if (!active_) {
        return;
    }
    active_ = false;
    reachScreenEdges();
    order_.resize(quads_.size());
    for (std::uint32_t i = 0; i < order_.size(); ++i) {
        const Quad& quad = quads_[i];
        order_[i] = {(std::uint64_t{farFirst(quad.depth)} << 32) | ~quad.group, i};
    }
    std::stable_sort(order_.begin(), order_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });

    StillBack::Plan still;
    keptQuads_ = 0;
    scaleX_ = 1.0f;
    scaleY_ = 1.0f;
    clearBlack_ = false;
    if (submit_ && renderer_ != nullptr) {
        SDL_RenderGetScale(renderer_, &scaleX_, &scaleY_);
        int outputWidth = 0;
        int outputHeight = 0;
        SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
        outputArea_ = static_cast<long long>(outputWidth) * outputHeight;
        SDL_Rect viewport{};
        SDL_RenderGetViewport(renderer_, &viewport);
        // The output in logical coordinates, bars included.
        outputLeft_ = -static_cast<float>(viewport.x);
        outputTop_ = -static_cast<float>(viewport.y);
        outputRight_ = outputLeft_ + static_cast<float>(outputWidth) / scaleX_;
        outputBottom_ = outputTop_ + static_cast<float>(outputHeight) / scaleY_;
        SDL_Color clear{};
        clearBlack_ =
            frameCleared_ &&
            SDL_GetRenderDrawColor(renderer_, &clear.r, &clear.g, &clear.b, &clear.a) == 0 &&
            clear.r == 0 && clear.g == 0 && clear.b == 0;
    }
    if (submit_) {
        still = planStillBack();
        if (still.kept > 0 && stillBack_->drawKept()) {
            keptQuads_ = still.kept;
            ++calls_;
        } else {
            still.kept = 0;
            fillEdges();
        }
    }
    SDL_Texture* current = nullptr;
    bool blend = true;
    modTexture_ = nullptr;
    const bool copies = software_ && softwareCopies_ && submit_;
    for (std::size_t i = static_cast<std::size_t>(still.kept); i < order_.size(); ++i) {
        if (still.capture > 0 && i == static_cast<std::size_t>(still.capture)) {
            flush(current, blend);
            current = nullptr;
            stillBack_->capture(still.capture);
        }
        const Quad& quad = quads_[order_[i].second];
        if (quad.toWindowEdges && submit_ && upright(quad)) {
            flush(current, blend);
            current = nullptr;
            drawToWindowEdges(quad);
            continue;
        }
        if (copies && upright(quad) && !overhangs(quad)) {
            flush(current, blend);
            current = nullptr;
            copy(quad, i == 0 && clearBlack_);
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
    if (still.capture > 0 && static_cast<std::size_t>(still.capture) == order_.size()) {
        stillBack_->capture(still.capture);
    }
    if (scaledCopies_ && submit_) {
        scaledCopies_->endFrame();
    }
    lastCopy_ = {};
    keepAlive_.clear();
    transform_ = Matrix4::identity();
}

bool SpriteBatch::covers(const Quad& quad, float width, float height) {
    // To within a pixel: a picture's source rectangle leaves out its last
    // column and row.
    return upright(quad) && quad.corner[0].x <= 0.5f && quad.corner[0].y <= 0.5f &&
           quad.corner[2].x >= width - 1.5f && quad.corner[2].y >= height - 1.5f;
}

void SpriteBatch::mirrorIntoBars(const Quad& back, const SDL_FRect& screen, float fullWidth,
                                 float fullHeight, bool sideBars) {
    const float left = screen.x + back.corner[0].x;
    const float top = screen.y + back.corner[0].y;
    const float right = screen.x + back.corner[2].x;
    const float bottom = screen.y + back.corner[2].y;
    const float u0 = back.uv[0].x;
    const float v0 = back.uv[0].y;
    const float u1 = back.uv[2].x;
    const float v1 = back.uv[2].y;
    // Texture coordinates per logical pixel, to take the strip next to each
    // edge at the picture's own scale. The renderers fill the output pixels
    // from the one holding a triangle's left (top) edge up to the one before
    // its right (bottom) edge: a strip starting at the picture's edge takes
    // up exactly where the picture stopped, neither blending its last
    // column twice nor leaving a column between them.
    const float du = (u1 - u0) / (right - left);
    const float dv = (v1 - v0) / (bottom - top);
    auto strip = [&](float x0, float y0, float x1, float y1, float s0, float t0, float s1,
                     float t1) {
        if (x1 - x0 < 0.5f || y1 - y0 < 0.5f) {
            return;
        }
        const SDL_Vertex corners[4] = {{{x0, y0}, back.colour, {s0, t0}},
                                       {{x1, y0}, back.colour, {s1, t0}},
                                       {{x1, y1}, back.colour, {s1, t1}},
                                       {{x0, y1}, back.colour, {s0, t1}}};
        static constexpr int indices[6] = {0, 1, 2, 0, 2, 3};
        SDL_RenderGeometry(renderer_, back.texture, corners, 4, indices, 6);
        ++calls_;
    };
    // Each bar is the strip of the picture beside it, mirrored at the
    // screen's edge: the picture goes on to the window's edge at its own
    // size, without a seam.
    if (sideBars) {
        const float leftBar = std::min(left, right - left);
        strip(left - leftBar, top, left, bottom, u0 + du * leftBar, v0, u0, v1);
        const float rightBar = std::min(fullWidth - right, right - left);
        strip(right, top, right + rightBar, bottom, u1, v0, u1 - du * rightBar, v1);
    } else {
        const float topBar = std::min(top, bottom - top);
        strip(left, top - topBar, right, top, u0, v0 + dv * topBar, u1, v0);
        const float bottomBar = std::min(fullHeight - bottom, bottom - top);
        strip(left, bottom, right, bottom + bottomBar, u0, v1, u1, v1 - dv * bottomBar);
    }
}

void SpriteBatch::widenIntoBars(const Quad& back, const Texture& edges, const SDL_FRect& screen,
                                float fullWidth) {
    const float left = screen.x + back.corner[0].x;
    const float top = screen.y + back.corner[0].y;
    const float right = screen.x + back.corner[2].x;
    const float bottomEdge = screen.y + back.corner[2].y;
    // The picture's columns at the quad's edges, and where they lie on the
    // wider copy (centred on it, at its own size).
    const int detail = std::max(back.picture->detail(), 1);
    const float margin = static_cast<float>(edges.width() - back.picture->width()) * 0.5f;
    const float from = margin + static_cast<float>(back.source.x) / static_cast<float>(detail);
    const float to =
        margin + static_cast<float>(back.source.x + back.source.w) / static_cast<float>(detail);
    const auto wide = static_cast<float>(edges.width());
    const float v0 =
        static_cast<float>(back.source.y) / static_cast<float>(detail * back.picture->height());
    // The bars run the full height of the screen, the picture's last row
    // (which its source rectangle leaves out) included.
    const float v1 = std::min(1.0f, static_cast<float>(back.source.y + back.source.h + detail) /
                                        static_cast<float>(detail * back.picture->height()));
    const float bottom = std::max(bottomEdge, screen.y + screen.h);
    auto strip = [&](float x0, float x1, float s0, float s1) {
        if (x1 - x0 < 0.5f) {
            return;
        }
        const SDL_Vertex corners[4] = {{{x0, top}, back.colour, {s0 / wide, v0}},
                                       {{x1, top}, back.colour, {s1 / wide, v0}},
                                       {{x1, bottom}, back.colour, {s1 / wide, v1}},
                                       {{x0, bottom}, back.colour, {s0 / wide, v1}}};
        static constexpr int indices[6] = {0, 1, 2, 0, 2, 3};
        SDL_RenderGeometry(renderer_, edges.get(), corners, 4, indices, 6);
        ++calls_;
    };
    // As for the mirrored strips: each starts on the picture's edge.
    const float leftBar = std::min(left, from);
    strip(left - leftBar, left, from - leftBar, from);
    const float rightBar = std::min(fullWidth - right, wide - to);
    strip(right, right + rightBar, to, to + rightBar);
}

bool SpriteBatch::placeScreen(ScreenPlace& place) const {
    if (renderer_ == nullptr) {
        return false;
    }
    SDL_Rect& screen = place.screen;
    SDL_RenderGetViewport(renderer_, &screen);
    place.scaleX = 1.0f;
    place.scaleY = 1.0f;
    SDL_RenderGetScale(renderer_, &place.scaleX, &place.scaleY);
    const float scaleX = place.scaleX;
    const float scaleY = place.scaleY;
    int outputWidth = 0;
    int outputHeight = 0;
    if (SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight) != 0 ||
        !(scaleX > 0.0f) || !(scaleY > 0.0f) || screen.w <= 0 || screen.h <= 0) {
        return false;
    }
    place.fullWidth = static_cast<float>(outputWidth) / scaleX;
    place.fullHeight = static_cast<float>(outputHeight) / scaleY;
    const int screenRight = screen.x + screen.w;
    const int screenBottom = screen.y + screen.h;
    place.sideBars = screen.x > 0 || static_cast<float>(screenRight) < place.fullWidth - 0.5f;
    place.topBars = screen.y > 0 || static_cast<float>(screenBottom) < place.fullHeight - 0.5f;
    // The viewport SDL gives back is in logical pixels, rounded down: the
    // screen really starts at output pixel 240 of 1920 x 1080, logical
    // 170.67, not 170. Bars placed from the rounded figure stop a column
    // short of the screen. Under a logical size the screen's place is found
    // as SDL finds it (centred, its size cut to whole pixels).
    SDL_FRect& origin = place.origin;
    origin = {static_cast<float>(screen.x), static_cast<float>(screen.y),
              static_cast<float>(screen.w), static_cast<float>(screen.h)};
    int logicalWidth = 0;
    int logicalHeight = 0;
    SDL_RenderGetLogicalSize(renderer_, &logicalWidth, &logicalHeight);
    if (logicalWidth > 0 && logicalHeight > 0 && place.sideBars != place.topBars) {
        // A quarter of an output pixel on, so that edges cut to whole
        // pixels land on the screen's first pixel, not the one before.
        if (place.sideBars) {
            const int inside =
                static_cast<int>(std::floor(static_cast<float>(logicalWidth) * scaleX));
            origin.x = (static_cast<float>((outputWidth - inside) / 2) + 0.25f) / scaleX;
        } else {
            const int inside =
                static_cast<int>(std::floor(static_cast<float>(logicalHeight) * scaleY));
            origin.y = (static_cast<float>((outputHeight - inside) / 2) + 0.25f) / scaleY;
        }
    }
    return true;
}

void SpriteBatch::drawToWindowEdges(const Quad& quad) {
    ScreenPlace place;
    int textureWidth = 0;
    int textureHeight = 0;
    int outputWidth = 0;
    int outputHeight = 0;
    if (!placeScreen(place) ||
        SDL_QueryTexture(quad.texture, nullptr, nullptr, &textureWidth, &textureHeight) != 0 ||
        textureWidth <= 0 || textureHeight <= 0 ||
        SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight) != 0 ||
        SDL_RenderSetViewport(renderer_, nullptr) != 0) {
        addGeometry(quad);
        flush(quad.texture, quad.blend);
        return;
    }
    // Everything in whole output pixels, so that the quad and the
    // rectangles around it meet exactly on every renderer: the quad where
    // the software renderer puts it in the screen (its corner and its size
    // each cut to whole pixels), the rest of the window around it.
    const float sx = place.scaleX;
    const float sy = place.scaleY;
    const auto cut = [](float v) { return static_cast<float>(static_cast<int>(std::floor(v))); };
    const float left = cut(place.origin.x * sx) + cut(quad.corner[0].x * sx);
    const float top = cut(place.origin.y * sy) + cut(quad.corner[0].y * sy);
    const float right = left + cut((quad.corner[2].x - quad.corner[0].x) * sx);
    const float bottom = top + cut((quad.corner[2].y - quad.corner[0].y) * sy);
    const auto width = static_cast<float>(outputWidth);
    const auto height = static_cast<float>(outputHeight);
    SDL_RenderSetScale(renderer_, 1.0f, 1.0f);
    static constexpr int indices[6] = {0, 1, 2, 0, 2, 3};
    const auto rectangle = [&](const SDL_FRect& r, SDL_FPoint uv0, SDL_FPoint uv1) {
        if (!(r.w > 0.0f && r.h > 0.0f)) {
            return;
        }
        const SDL_Vertex corners[4] = {{{r.x, r.y}, quad.colour, uv0},
                                       {{r.x + r.w, r.y}, quad.colour, {uv1.x, uv0.y}},
                                       {{r.x + r.w, r.y + r.h}, quad.colour, uv1},
                                       {{r.x, r.y + r.h}, quad.colour, {uv0.x, uv1.y}}};
        SDL_RenderGeometry(renderer_, quad.texture, corners, 4, indices, 6);
        ++calls_;
    };
    if (!quad.blend) {
        SDL_SetTextureBlendMode(quad.texture, SDL_BLENDMODE_NONE);
    }
    rectangle({left, top, right - left, bottom - top}, quad.uv[0], quad.uv[2]);
    // Around it, the quad's first texel stretched (a span of one texel: a
    // span of none is no picture to the software renderer). Above and below
    // across the whole window, and beside it: each pixel is drawn once.
    const SDL_FPoint texel0{static_cast<float>(quad.source.x) / static_cast<float>(textureWidth),
                            static_cast<float>(quad.source.y) / static_cast<float>(textureHeight)};
    const SDL_FPoint texel1{
        static_cast<float>(quad.source.x + 1) / static_cast<float>(textureWidth),
        static_cast<float>(quad.source.y + 1) / static_cast<float>(textureHeight)};
    for (const SDL_FRect& r :
         {SDL_FRect{0.0f, 0.0f, width, top}, SDL_FRect{0.0f, bottom, width, height - bottom},
          SDL_FRect{0.0f, top, left, bottom - top},
          SDL_FRect{right, top, width - right, bottom - top}}) {
        rectangle(r, texel0, texel1);
    }
    if (!quad.blend) {
        SDL_SetTextureBlendMode(quad.texture, SDL_BLENDMODE_BLEND);
    }
    // The software renderer sets texture colours of its own for geometry.
    modTexture_ = nullptr;
    SDL_RenderSetScale(renderer_, sx, sy);
    restoreViewport(renderer_, place.screen);
}

void SpriteBatch::fillEdges() {
    ScreenPlace place;
    if (order_.empty() || !placeScreen(place)) {
        return;
    }
    const SDL_Rect& screen = place.screen;
    const float scaleX = place.scaleX;
    const float scaleY = place.scaleY;
    const float fullWidth = place.fullWidth;
    const float fullHeight = place.fullHeight;
    const bool sideBars = place.sideBars;
    if (sideBars == place.topBars) {
        // No bars, or a viewport that is not the centred logical screen.
        return;
    }
    // The bars lie outside the logical screen's viewport: they are drawn
    // with the viewport opened to the whole output, then it is closed again
    // so that nothing else of the frame reaches them.
    if (SDL_RenderSetViewport(renderer_, nullptr) != 0) {
        return;
    }
    const int wide = static_cast<int>(std::ceil(fullWidth));
    const int high = static_cast<int>(std::ceil(fullHeight));
    const SDL_FRect origin = place.origin;
    // Clip rectangles are whole logical pixels, cut to whole output pixels:
    // rounded up, each bar ends on the screen's edge.
    const int barLeft = static_cast<int>(std::ceil(origin.x - 0.25f / scaleX));
    const int barTop = static_cast<int>(std::ceil(origin.y - 0.25f / scaleY));
    const int barRight = static_cast<int>(std::ceil(origin.x + origin.w - 0.25f / scaleX));
    const int barBottom = static_cast<int>(std::ceil(origin.y + origin.h - 0.25f / scaleY));
    const SDL_Rect bars[2] = {sideBars ? SDL_Rect{0, 0, barLeft, high}
                                       : SDL_Rect{0, 0, wide, barTop},
                              sideBars ? SDL_Rect{barRight, 0, wide - barRight, high}
                                       : SDL_Rect{0, barBottom, wide, high - barBottom}};
    // The backdrop is what lies furthest back: the pictures at the largest
    // depth of the frame (sorted first). A picture covering the screen is
    // mirrored into the bars; any other (a large turning one) is drawn on
    // into them as far as it reaches.
    const float farthest = quads_[order_.front().second].depth;
    for (const auto& [key, index] : order_) {
        const Quad& quad = quads_[index];
        if (!(quad.depth >= farthest - 1.0e-4f)) {
            break;
        }
        if (covers(quad, static_cast<float>(screen.w), static_cast<float>(screen.h))) {
            const Texture* edges = quad.picture != nullptr ? quad.picture->edges() : nullptr;
            if (sideBars && edges != nullptr && edges->get() != nullptr) {
                widenIntoBars(quad, *edges, origin, fullWidth);
            } else {
                mirrorIntoBars(quad, origin, fullWidth, fullHeight, sideBars);
            }
            continue;
        }
        Quad moved = quad;
        for (SDL_FPoint& corner : moved.corner) {
            corner.x += origin.x;
            corner.y += origin.y;
        }
        // With the viewport open, the output's bounds start at its corner.
        const float bounds[4] = {outputLeft_, outputTop_, outputRight_, outputBottom_};
        outputLeft_ = 0.0f;
        outputTop_ = 0.0f;
        outputRight_ = fullWidth;
        outputBottom_ = fullHeight;
        for (const SDL_Rect& bar : bars) {
            if (bar.w > 0 && bar.h > 0 && SDL_RenderSetClipRect(renderer_, &bar) == 0) {
                addGeometry(moved);
                flush(moved.texture, moved.blend);
            }
        }
        outputLeft_ = bounds[0];
        outputTop_ = bounds[1];
        outputRight_ = bounds[2];
        outputBottom_ = bounds[3];
    }
    SDL_RenderSetClipRect(renderer_, nullptr);
    restoreViewport(renderer_, screen);
}

} // namespace qv

// SPDX-License-Identifier: MIT
#include "game/engine/StillBack.h"

#include "game/engine/ScreenViewport.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

bool same(const SDL_Color& a, const SDL_Color& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

bool same(const SDL_Rect& a, const SDL_Rect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

bool same(const StillBack::Key& a, const StillBack::Key& b) {
    if (a.picture != b.picture || a.revision != b.revision || a.blend != b.blend ||
        !same(a.source, b.source) || !same(a.colour, b.colour)) {
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        if (a.corner[i].x != b.corner[i].x || a.corner[i].y != b.corner[i].y) {
            return false;
        }
    }
    return true;
}

bool same(const StillBack::Target& a, const StillBack::Target& b) {
    return a.outputWidth == b.outputWidth && a.outputHeight == b.outputHeight &&
           same(a.viewport, b.viewport) && a.scaleX == b.scaleX && a.scaleY == b.scaleY &&
           same(a.clear, b.clear);
}

// How many of the first keys of both runs are the same.
int commonRun(const std::vector<StillBack::Key>& a, const std::vector<StillBack::Key>& b) {
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t i = 0;
    while (i < n && same(a[i], b[i])) {
        ++i;
    }
    return static_cast<int>(i);
}

// Keeping pays when drawing the run costs well over the one plain copy of
// the output that stands in for it.
constexpr double worthOverCopy = 1.5;
// A blended or scaled copy on the software renderer takes several times a
// plain one per pixel.
constexpr double blendWeight = 3.0;
constexpr double scaleWeight = 3.0;

} // namespace

StillBack::StillBack(SDL_Renderer* renderer) : renderer_(renderer) {}

StillBack::~StillBack() {
    forget();
}

void StillBack::forget() {
    if (texture_ != nullptr) {
        SDL_DestroyTexture(texture_);
        texture_ = nullptr;
    }
    textureWidth_ = 0;
    textureHeight_ = 0;
    keptValid_ = false;
    kept_.clear();
    held_.clear();
    lastValid_ = false;
}

bool StillBack::readTarget(SDL_Renderer* renderer, Target& target) {
    if (SDL_GetRendererOutputSize(renderer, &target.outputWidth, &target.outputHeight) != 0 ||
        target.outputWidth <= 0 || target.outputHeight <= 0 ||
        SDL_GetRenderDrawColor(renderer, &target.clear.r, &target.clear.g, &target.clear.b,
                               &target.clear.a) != 0) {
        return false;
    }
    SDL_RenderGetViewport(renderer, &target.viewport);
    SDL_RenderGetScale(renderer, &target.scaleX, &target.scaleY);
    return target.scaleX > 0.0f && target.scaleY > 0.0f;
}

SDL_FPoint StillBack::extentOf(const SDL_FPoint (&corner)[4]) {
    float minX = corner[0].x;
    float maxX = minX;
    float minY = corner[0].y;
    float maxY = minY;
    for (const SDL_FPoint& c : corner) {
        minX = std::min(minX, c.x);
        maxX = std::max(maxX, c.x);
        minY = std::min(minY, c.y);
        maxY = std::max(maxY, c.y);
    }
    return {maxX - minX, maxY - minY};
}

double StillBack::cost(const Key* keys, int count) const {
    double total = 0.0;
    for (int i = 0; i < count; ++i) {
        const Key& key = keys[i];
        const SDL_FPoint extent = extentOf(key.corner);
        const double width = static_cast<double>(extent.x) * target_.scaleX;
        const double height = static_cast<double>(extent.y) * target_.scaleY;
        double weight = key.blend ? blendWeight : 1.0;
        if (std::lround(width) != key.source.w || std::lround(height) != key.source.h) {
            weight *= scaleWeight;
        }
        total += width * height * weight;
    }
    return total;
}

StillBack::Plan StillBack::plan(const Target& target, const std::vector<Key>& keys, int farthest) {
    Plan result;
    const bool sameTarget = same(target, target_);
    target_ = target;
    if (!sameTarget) {
        keptValid_ = false;
        lastValid_ = false;
        stillFrames_ = 0;
    }
    // The kept copy stands in while its run is still the start of the frame.
    const int keptCount = static_cast<int>(kept_.size());
    const bool usable = keptValid_ && texture_ != nullptr && keys.size() >= kept_.size() &&
                        commonRun(keys, kept_) == keptCount;
    // What stayed the same since the last frame, including every quad the
    // side bars are drawn from.
    int still = lastValid_ ? commonRun(keys, last_) : 0;
    if (still < farthest || farthest <= 0) {
        still = 0;
    }
    // A back that holds still only now and then (a flashing backdrop that
    // repeats a colour) would be read back again and again: the run must
    // have held for a few frames first.
    stillFrames_ = still > 0 && still == lastStill_ ? stillFrames_ + 1 : (still > 0 ? 1 : 0);
    lastStill_ = still;
    const double copyCost = static_cast<double>(target.outputWidth) * target.outputHeight;
    const bool worth = still > 0 && stillFrames_ >= captureAfter &&
                       cost(keys.data(), still) > worthOverCopy * copyCost;
    if (usable && keptCount >= farthest && (keptCount >= still || !worth)) {
        result.kept = keptCount;
    } else if (worth) {
        result.capture = still;
    } else if (!usable) {
        keptValid_ = false;
    }
    last_ = keys;
    lastValid_ = true;
    return result;
}

bool StillBack::drawKept() {
    if (texture_ == nullptr || !keptValid_) {
        return false;
    }
    SDL_Rect viewport{};
    SDL_RenderGetViewport(renderer_, &viewport);
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    SDL_RenderGetScale(renderer_, &scaleX, &scaleY);
    // The copy is in output pixels: drawn with the viewport open and no
    // scale, it lands pixel for pixel.
    bool drawn = SDL_RenderSetViewport(renderer_, nullptr) == 0 &&
                 SDL_RenderSetScale(renderer_, 1.0f, 1.0f) == 0;
    if (drawn) {
        const SDL_Rect whole{0, 0, textureWidth_, textureHeight_};
        drawn = SDL_RenderCopy(renderer_, texture_, nullptr, &whole) == 0;
    }
    SDL_RenderSetScale(renderer_, scaleX, scaleY);
    restoreViewport(renderer_, viewport);
    return drawn;
}

void StillBack::capture(int count) {
    keptValid_ = false;
    if (count <= 0 || count > static_cast<int>(last_.size())) {
        return;
    }
    const int width = target_.outputWidth;
    const int height = target_.outputHeight;
    if (texture_ == nullptr || width != textureWidth_ || height != textureHeight_) {
        if (texture_ != nullptr) {
            SDL_DestroyTexture(texture_);
            texture_ = nullptr;
        }
        // The output's own format makes reading and copying plain copies.
        format_ = SDL_PIXELFORMAT_ARGB8888;
        if (SDL_Window* window = SDL_RenderGetWindow(renderer_)) {
            const std::uint32_t own = SDL_GetWindowPixelFormat(window);
            if (own != SDL_PIXELFORMAT_UNKNOWN && SDL_BYTESPERPIXEL(own) == 4) {
                format_ = own;
            }
        }
        texture_ =
            SDL_CreateTexture(renderer_, format_, SDL_TEXTUREACCESS_STREAMING, width, height);
        if (texture_ == nullptr) {
            return;
        }
        SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
        textureWidth_ = width;
        textureHeight_ = height;
    }
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) {
        return;
    }
    SDL_Rect viewport{};
    SDL_RenderGetViewport(renderer_, &viewport);
    const bool read = SDL_RenderSetViewport(renderer_, nullptr) == 0 &&
                      SDL_RenderReadPixels(renderer_, nullptr, format_, pixels, pitch) == 0;
    restoreViewport(renderer_, viewport);
    SDL_UnlockTexture(texture_);
    if (!read) {
        return;
    }
    held_.clear();
    for (auto key = last_.begin(); key != last_.begin() + count; ++key) {
        TextureHandle picture = key->picture->weak_from_this().lock();
        if (!picture) {
            held_.clear();
            return;
        }
        held_.push_back(std::move(picture));
    }
    kept_.assign(last_.begin(), last_.begin() + count);
    keptValid_ = true;
}

} // namespace qv

// SPDX-License-Identifier: MIT
#include "game/engine/ScaledCopies.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace qv {

namespace {

constexpr std::uint32_t white = 0xFFFFFFFFu;

std::uint32_t packed(SDL_Color c) {
    return (std::uint32_t{c.a} << 24) | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) |
           std::uint32_t{c.b};
}

// The source texels each output pixel of one axis takes, and their weights.
struct Taps {
    std::vector<int> first;
    std::vector<int> count;
    std::vector<float> weights;
    std::vector<int> offset;
};

Taps tapsFor(int sourceLength, int outLength) {
    Taps taps;
    const double scale = static_cast<double>(outLength) / sourceLength;
    for (int o = 0; o < outLength; ++o) {
        const std::size_t start = taps.weights.size();
        int lo = 0;
        int hi = 0;
        double total = 0.0;
        if (scale < 1.0) {
            // Shrinking: each texel by how much of it the pixel covers.
            const double from = o / scale;
            const double to = (o + 1) / scale;
            lo = std::clamp(static_cast<int>(std::floor(from)), 0, sourceLength - 1);
            hi = std::clamp(static_cast<int>(std::ceil(to)) - 1, lo, sourceLength - 1);
            for (int i = lo; i <= hi; ++i) {
                const double w = std::min<double>(to, i + 1) - std::max<double>(from, i);
                taps.weights.push_back(static_cast<float>(std::max(0.0, w)));
                total += std::max(0.0, w);
            }
        } else {
            // Enlarging: bilinear between the two nearest texel centres.
            const double centre = std::clamp((o + 0.5) / scale - 0.5, 0.0, sourceLength - 1.0);
            lo = static_cast<int>(std::floor(centre));
            hi = std::min(lo + 1, sourceLength - 1);
            const double t = centre - lo;
            taps.weights.push_back(static_cast<float>(1.0 - t));
            total = 1.0 - t;
            if (hi != lo) {
                taps.weights.push_back(static_cast<float>(t));
                total += t;
            } else {
                hi = lo;
            }
        }
        if (!(total > 0.0)) {
            taps.weights.resize(start);
            taps.weights.push_back(1.0f);
            hi = lo;
            total = 1.0;
        }
        for (std::size_t i = start; i < taps.weights.size(); ++i) {
            taps.weights[i] = static_cast<float>(taps.weights[i] / total);
        }
        taps.first.push_back(lo);
        taps.count.push_back(hi - lo + 1);
        taps.offset.push_back(static_cast<int>(start));
    }
    return taps;
}

} // namespace

ScaledCopies::ScaledCopies(SDL_Renderer* renderer) : renderer_(renderer) {}

ScaledCopies::~ScaledCopies() {
    clear();
}

void ScaledCopies::resample(const std::uint32_t* pixels, int pitchBytes, const SDL_Rect& source,
                            std::uint32_t* out, int width, int height, SDL_Color colour) {
    if (source.w <= 0 || source.h <= 0 || width <= 0 || height <= 0) {
        return;
    }
    const Taps across = tapsFor(source.w, width);
    const Taps down = tapsFor(source.h, height);
    const auto stride = static_cast<std::size_t>(pitchBytes) / sizeof(std::uint32_t);
    const auto rowFloats = static_cast<std::size_t>(width) * 4;
    // Each source row is premultiplied and filtered across once, into a
    // window of rows (a r g b, at the output's width) that the output rows
    // are filtered down from; rows come in order, so the window only moves
    // forward.
    int windowRows = 1;
    for (int y = 0; y < height; ++y) {
        windowRows = std::max(windowRows, down.count[y]);
    }
    std::vector<float> window(rowFloats * static_cast<std::size_t>(windowRows));
    std::vector<float> texels(static_cast<std::size_t>(source.w) * 4);
    std::vector<float> sum(rowFloats);
    int firstInWindow = 0;
    int rowsInWindow = 0;
    const auto slot = [&](int sourceRow) {
        return window.data() + static_cast<std::size_t>(sourceRow % windowRows) * rowFloats;
    };
    const auto filterAcross = [&](int sourceRow, float* into) {
        const std::uint32_t* src = pixels +
                                   static_cast<std::size_t>(source.y + sourceRow) * stride +
                                   static_cast<std::size_t>(source.x);
        float* t = texels.data();
        for (int x = 0; x < source.w; ++x, t += 4) {
            const std::uint32_t p = src[x];
            const float a = static_cast<float>(p >> 24);
            const float k = a * (1.0f / 255.0f);
            t[0] = a;
            t[1] = static_cast<float>((p >> 16) & 0xFFu) * k;
            t[2] = static_cast<float>((p >> 8) & 0xFFu) * k;
            t[3] = static_cast<float>(p & 0xFFu) * k;
        }
        for (int x = 0; x < width; ++x, into += 4) {
            const float* ws = &across.weights[static_cast<std::size_t>(across.offset[x])];
            const float* from = &texels[static_cast<std::size_t>(across.first[x]) * 4];
            float v[4] = {0.0f, 0.0f, 0.0f, 0.0f};
            for (int tap = 0; tap < across.count[x]; ++tap, from += 4) {
                for (int c = 0; c < 4; ++c) {
                    v[c] += from[c] * ws[tap];
                }
            }
            std::copy(v, v + 4, into);
        }
    };
    const float cr = colour.r / 255.0f;
    const float cg = colour.g / 255.0f;
    const float cb = colour.b / 255.0f;
    const float ca = colour.a / 255.0f;
    const auto channel = [](float v) {
        return static_cast<std::uint32_t>(std::clamp(v + 0.5f, 0.0f, 255.0f));
    };
    for (int y = 0; y < height; ++y) {
        const int first = down.first[y];
        const int last = first + down.count[y];
        // Rows above this output row's taps leave the window; the rows
        // below it come in.
        const int leaving = std::clamp(first - firstInWindow, 0, rowsInWindow);
        firstInWindow += leaving;
        rowsInWindow -= leaving;
        if (rowsInWindow == 0) {
            firstInWindow = first;
        }
        while (firstInWindow + rowsInWindow < last) {
            const int row = firstInWindow + rowsInWindow;
            filterAcross(row, slot(row));
            ++rowsInWindow;
        }
        std::fill(sum.begin(), sum.end(), 0.0f);
        for (int tap = 0; tap < down.count[y]; ++tap) {
            const float w = down.weights[static_cast<std::size_t>(down.offset[y] + tap)];
            const float* from = slot(first + tap);
            for (std::size_t i = 0; i < rowFloats; ++i) {
                sum[i] += from[i] * w;
            }
        }
        std::uint32_t* dst = out + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        const float* v = sum.data();
        for (int x = 0; x < width; ++x, v += 4) {
            // The colour multiplies the premultiplied values; alpha then
            // divides back out.
            const float a = v[0] * ca;
            if (!(a >= 0.5f)) {
                dst[x] = 0;
                continue;
            }
            const float back = 255.0f * ca / a;
            dst[x] = (channel(a) << 24) | (channel(v[1] * cr * back) << 16) |
                     (channel(v[2] * cg * back) << 8) | channel(v[3] * cb * back);
        }
    }
}

SDL_Texture* ScaledCopies::make(const Texture& picture, const SDL_Rect& source, int width,
                                int height, SDL_Color colour, std::size_t& bytes) {
    SDL_Texture* from = picture.get();
    int textureWidth = 0;
    int textureHeight = 0;
    if (from == nullptr ||
        SDL_QueryTexture(from, nullptr, nullptr, &textureWidth, &textureHeight) != 0 ||
        source.x < 0 || source.y < 0 || source.x + source.w > textureWidth ||
        source.y + source.h > textureHeight) {
        return nullptr;
    }
    void* sourcePixels = nullptr;
    int sourcePitch = 0;
    // Only streaming textures (the software renderer's pictures) can be read.
    if (SDL_LockTexture(from, nullptr, &sourcePixels, &sourcePitch) != 0) {
        return nullptr;
    }
    SDL_Texture* copy = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                          SDL_TEXTUREACCESS_STREAMING, width, height);
    void* pixels = nullptr;
    int pitch = 0;
    if (copy == nullptr || SDL_LockTexture(copy, nullptr, &pixels, &pitch) != 0) {
        SDL_UnlockTexture(from);
        if (copy != nullptr) {
            SDL_DestroyTexture(copy);
        }
        return nullptr;
    }
    if (pitch == width * 4) {
        resample(static_cast<const std::uint32_t*>(sourcePixels), sourcePitch, source,
                 static_cast<std::uint32_t*>(pixels), width, height, colour);
    } else {
        std::vector<std::uint32_t> made(static_cast<std::size_t>(width) * height);
        resample(static_cast<const std::uint32_t*>(sourcePixels), sourcePitch, source, made.data(),
                 width, height, colour);
        for (int y = 0; y < height; ++y) {
            std::copy_n(made.data() + static_cast<std::size_t>(y) * width, width,
                        reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(pixels) +
                                                         static_cast<std::ptrdiff_t>(y) * pitch));
        }
    }
    SDL_UnlockTexture(copy);
    SDL_UnlockTexture(from);
    SDL_SetTextureBlendMode(copy, SDL_BLENDMODE_BLEND);
    bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4u;
    return copy;
}

ScaledCopies::Found ScaledCopies::find(const Texture& picture, const SDL_Rect& source, int width,
                                       int height, SDL_Color colour) {
    // At the picture's own size only a copy with the colour baked in gains
    // anything.
    const bool ownSize = width == source.w && height == source.h;
    if (width <= 0 || height <= 0 || picture.get() == nullptr) {
        return {};
    }
    const Shape shape{&picture, picture.revision(), source.x, source.y,
                      source.w, source.h,           width,    height};
    const std::uint32_t asked = packed(colour);
    Steady& steady = steady_[shape];
    if (steady.seen > 0 && steady.frame + 1 >= frame_) {
        if (steady.frame != frame_) {
            ++steady.seen;
            steady.frame = frame_;
            if (steady.colour == asked) {
                ++steady.frames;
            }
        }
        if (steady.colour != asked) {
            // Another colour this frame (or another sprite of the same
            // picture in another colour): counting starts again.
            steady.colour = asked;
            steady.frames = 1;
        }
    } else {
        steady = {asked, frame_, 1, 1};
    }
    // A picture changing size (zooming in, say) would need a copy a frame:
    // copies are made once a picture has kept its size for a few frames.
    if (steady.seen < steadyFrames) {
        return {};
    }
    const bool bake = asked != white && steady.frames >= steadyFrames;
    const auto lookup = [&](std::uint32_t inside) -> SDL_Texture* {
        auto it = copies_.find(Key{shape, inside});
        if (it == copies_.end()) {
            return nullptr;
        }
        it->second.used = frame_;
        return it->second.texture;
    };
    const auto prepare = [&](std::uint32_t inside, SDL_Color with) -> SDL_Texture* {
        const long long area = static_cast<long long>(width) * height;
        if (preparedThisFrame_ > 0 && preparedThisFrame_ + area > preparePerFrame) {
            return nullptr;
        }
        preparedThisFrame_ += area;
        Copy made;
        made.texture = make(picture, source, width, height, with, made.bytes);
        if (made.texture == nullptr) {
            return nullptr;
        }
        made.used = frame_;
        made.picture = picture.weak_from_this().lock();
        bytes_ += made.bytes;
        SDL_Texture* texture = made.texture;
        copies_.emplace(Key{shape, inside}, std::move(made));
        return texture;
    };
    if (bake) {
        if (SDL_Texture* texture = lookup(asked)) {
            return {texture, true};
        }
        if (SDL_Texture* texture = prepare(asked, colour)) {
            return {texture, true};
        }
    }
    if (ownSize) {
        return {};
    }
    SDL_Texture* plain = lookup(white);
    if (plain == nullptr) {
        plain = prepare(white, SDL_Color{255, 255, 255, 255});
    }
    return {plain, plain != nullptr && asked == white};
}

void ScaledCopies::drop(std::map<Key, Copy>::iterator it) {
    if (it->second.texture != nullptr) {
        SDL_DestroyTexture(it->second.texture);
    }
    bytes_ -= it->second.bytes;
    copies_.erase(it);
}

void ScaledCopies::endFrame() {
    for (auto it = copies_.begin(); it != copies_.end();) {
        auto next = std::next(it);
        if (it->second.used + idleFrames < frame_) {
            drop(it);
        }
        it = next;
    }
    while (bytes_ > budgetBytes && !copies_.empty()) {
        auto oldest =
            std::min_element(copies_.begin(), copies_.end(), [](const auto& a, const auto& b) {
                return a.second.used < b.second.used;
            });
        drop(oldest);
    }
    for (auto it = steady_.begin(); it != steady_.end();) {
        it = it->second.frame + idleFrames < frame_ ? steady_.erase(it) : std::next(it);
    }
    ++frame_;
    preparedThisFrame_ = 0;
}

void ScaledCopies::clear() {
    while (!copies_.empty()) {
        drop(copies_.begin());
    }
    steady_.clear();
}

} // namespace qv

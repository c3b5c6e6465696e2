// SPDX-License-Identifier: MIT
#pragma once
// Pictures prepared at the size they cover on the output, for the software
// renderer.
//
// SDL's software renderer scales a copy by taking the nearest texel, and a
// copy that is blended with a colour or alpha of its own goes through its
// slowest per-pixel loop (a full-screen picture at part alpha takes several
// milliseconds at 1920 x 1080). Drawn from a copy prepared once at its output
// size (filtered, so it is also smoother than the nearest texel), a picture
// is copied 1:1; and where its colour has stayed the same for a few frames
// that colour is baked into the copy, which then blends through SDL's fast
// per-pixel alpha path with no modulation at all.

#include "game/engine/TextureCache.h"

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <tuple>

namespace qv {

class ScaledCopies {
public:
    // The renderer (a software one) is not owned and must outlive this.
    explicit ScaledCopies(SDL_Renderer* renderer);
    ~ScaledCopies();
    ScaledCopies(const ScaledCopies&) = delete;
    ScaledCopies& operator=(const ScaledCopies&) = delete;

    struct Found {
        SDL_Texture* texture = nullptr;
        // The colour asked for is in the copy: draw it without modulation.
        bool baked = false;
    };
    // The copy of the picture's source rectangle (in texels) at width x
    // height output pixels; a null texture while there is none yet (the
    // picture is then drawn as before). Copies are made once the shape has
    // been drawn steadyFrames frames running, up to preparePerFrame output
    // pixels a frame.
    Found find(const Texture& picture, const SDL_Rect& source, int width, int height,
               SDL_Color colour);
    // Ends a frame: copies not drawn for a while go, and the least recently
    // drawn while they take more than the budget.
    void endFrame();
    // Frees every copy (the renderer's textures are going away).
    void clear();
    std::size_t bytes() const { return bytes_; }
    int count() const { return static_cast<int>(copies_.size()); }

    static constexpr std::size_t budgetBytes = std::size_t{96} << 20;
    static constexpr long long preparePerFrame = 2'200'000;
    // Frames a picture must keep its size (and, to be baked in, its colour)
    // before a copy is made: a tenth of a second.
    static constexpr int steadyFrames = 6;
    // Frames a copy is kept without being drawn.
    static constexpr std::uint64_t idleFrames = 300;

    // Resamples the source rectangle of ARGB8888 pixels to width x height
    // (on premultiplied alpha: bilinear when enlarging, each texel weighted
    // by the area it covers when shrinking) and multiplies the result by the
    // colour. Exposed for tests.
    static void resample(const std::uint32_t* pixels, int pitchBytes, const SDL_Rect& source,
                         std::uint32_t* out, int width, int height, SDL_Color colour);

private:
    using Shape = std::tuple<const Texture*, std::uint64_t, int, int, int, int, int, int>;
    using Key = std::tuple<Shape, std::uint32_t>;
    struct Copy {
        SDL_Texture* texture = nullptr;
        std::size_t bytes = 0;
        std::uint64_t used = 0;
        // Keeps the picture (and so its address) alive while the copy is.
        TextureHandle picture;
    };
    // How long a shape (a picture's source rectangle at one output size)
    // has been drawn, each frame, and in the same colour.
    struct Steady {
        std::uint32_t colour = 0;
        std::uint64_t frame = 0;
        int frames = 0;
        int seen = 0;
    };

    SDL_Texture* make(const Texture& picture, const SDL_Rect& source, int width, int height,
                      SDL_Color colour, std::size_t& bytes);
    void drop(std::map<Key, Copy>::iterator it);

    SDL_Renderer* renderer_;
    std::map<Key, Copy> copies_;
    std::map<Shape, Steady> steady_;
    std::size_t bytes_ = 0;
    std::uint64_t frame_ = 1;
    long long preparedThisFrame_ = 0;
};

} // namespace qv

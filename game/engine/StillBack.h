// SPDX-License-Identifier: MIT
#pragma once
// The still back of a frame, kept between frames on the software renderer.
//
// Most screens draw a few large pictures at the back (the backdrop, its
// frame, the panels) that do not change from one frame to the next, and on
// the software renderer those cost the most: at 1920 x 1080 each full-screen
// picture drawn at part alpha and scaled takes several milliseconds. When the
// farthest quads of a frame are the same as those of the frame before (the
// same pictures, places and colours), the output is read back once they are
// drawn; while they stay the same, later frames start from that copy (one
// unblended 1:1 copy of the whole output, side bars included) and draw only
// the quads in front of it.

#include "game/engine/TextureCache.h"

#include <SDL.h>

#include <cstdint>
#include <vector>

namespace qv {

class StillBack {
public:
    // One quad as it lands on the output.
    struct Key {
        const Texture* picture = nullptr;
        std::uint64_t revision = 0;
        SDL_Rect source{};
        SDL_FPoint corner[4]{};
        SDL_Color colour{};
        bool blend = true;
    };
    // What the frame is drawn onto. The frame must start cleared to the
    // renderer's draw colour with nothing else drawn before the pass.
    struct Target {
        int outputWidth = 0;
        int outputHeight = 0;
        SDL_Rect viewport{};
        float scaleX = 1.0f;
        float scaleY = 1.0f;
        SDL_Color clear{};
    };
    // What to do with this frame: start from the kept copy, which stands for
    // the first `kept` quads; or draw from the first quad and keep the output
    // once the first `capture` quads are drawn. Both 0: draw every quad.
    struct Plan {
        int kept = 0;
        int capture = 0;
    };

    // The renderer is not owned and must outlive this.
    explicit StillBack(SDL_Renderer* renderer);
    ~StillBack();
    StillBack(const StillBack&) = delete;
    StillBack& operator=(const StillBack&) = delete;

    // The width and height of the smallest upright rectangle around the
    // four corners.
    static SDL_FPoint extentOf(const SDL_FPoint (&corner)[4]);

    // The target of the frame now being drawn, read from the renderer.
    static bool readTarget(SDL_Renderer* renderer, Target& target);

    // Plans the frame from the keys of its farthest quads, in drawing order
    // (at most maxKeys, stopping at the first quad that is not a cached
    // picture), and the number of quads at the farthest depth (which the
    // side bars are drawn from, so a kept copy must include them all).
    Plan plan(const Target& target, const std::vector<Key>& keys, int farthest);
    // Copies the kept output over the whole output, for a plan with kept.
    bool drawKept();
    // Reads the output back as the kept copy of the first `count` keys given
    // to the last plan.
    void capture(int count);
    // Drops the kept copy (the renderer's textures are going away).
    void forget();

    // The longest run of keys compared.
    static constexpr int maxKeys = 128;
    // Frames the same run must have stayed still (against the frame before)
    // before it is read back.
    static constexpr int captureAfter = 3;

private:
    // The work of drawing the keys, in output pixels weighted by how much
    // slower blending and scaling are than a plain copy.
    double cost(const Key* keys, int count) const;

    SDL_Renderer* renderer_;
    SDL_Texture* texture_ = nullptr;
    std::uint32_t format_ = SDL_PIXELFORMAT_UNKNOWN;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    Target target_{};
    // The keys of the last frame planned, and the run the copy stands for.
    std::vector<Key> last_;
    bool lastValid_ = false;
    int lastStill_ = 0;
    int stillFrames_ = 0;
    std::vector<Key> kept_;
    bool keptValid_ = false;
    // The pictures of the kept run stay alive, so their addresses cannot be
    // taken by other pictures while the copy is compared against them.
    std::vector<TextureHandle> held_;
};

} // namespace qv

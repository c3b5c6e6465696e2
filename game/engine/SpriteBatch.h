// SPDX-License-Identifier: MIT
#pragma once
// The one batch of 2D output per frame. Between begin and end it collects
// textured quads; end draws them back to front by depth (larger z is further
// away; at equal z a later group is drawn first, so the drawable nearer the
// head of the draw list lands on top), alpha-blended and colour-modulated,
// with as few renderer calls as the texture changes allow. When the window's
// shape leaves bars beside the logical screen, the screen's backdrop is
// extended into them.

#include "game/engine/Colour.h"
#include "game/engine/Matrix4.h"
#include "game/engine/ScaledCopies.h"
#include "game/engine/StillBack.h"
#include "game/engine/TextureCache.h"

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace qv {

// A rectangle of texels: right and bottom are exclusive, so (0, 0, w - 1,
// h - 1) leaves out the last column and row.
struct SourceRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend constexpr bool operator==(const SourceRect&, const SourceRect&) = default;
};

class SpriteBatch {
public:
    // The renderer is not owned and must outlive the batch.
    explicit SpriteBatch(SDL_Renderer* renderer);
    ~SpriteBatch();
    SpriteBatch(const SpriteBatch&) = delete;
    SpriteBatch& operator=(const SpriteBatch&) = delete;

    // Starts collecting; quads given outside begin and end are dropped.
    void begin();
    bool active() const { return active_; }
    // Quads of one group keep their order among equal depths; the layer opens
    // a group per drawable.
    void nextGroup() { ++group_; }
    void setTransform(const Matrix4& transform) { transform_ = transform; }
    const Matrix4& transform() const { return transform_; }
    // Queues the source part of the texture: its texel (centre) is placed at
    // position, then the whole is mapped by the transform. The depth is the
    // transformed z of that point. A texture known to be opaque, drawn at
    // full alpha, is copied without blending (the same pixels, much faster
    // on the software renderer). A texture of detail 2 holds two texels per
    // pixel of the source rectangle and is drawn at the rectangle's size.
    void draw(SDL_Texture* texture, const SourceRect& source, const Vec3& centre,
              const Vec3& position, Colour colour, bool opaque = false, int detail = 1);
    // The same for a cached texture, which is kept alive until end even if
    // its last sprite is destroyed during the pass. With toWindowEdges an
    // upright quad is carried on to the window's edges in the colour of its
    // first texel, over the bars beside the screen as well: a picture that
    // dims the whole screen dims the whole window.
    void draw(const TextureHandle& texture, const SourceRect& source, const Vec3& centre,
              const Vec3& position, Colour colour, bool toWindowEdges = false);
    // Sorts and draws what was collected, then resets the transform.
    void end();

    // Quads collected since begin, or drawn by the last end.
    int quadCount() const { return static_cast<int>(quads_.size()); }
    // Renderer calls made by the last end.
    int callCount() const { return calls_; }
    // With submit off, end sorts and builds the vertices but leaves the
    // renderer alone: it measures the engine's own share of a frame.
    void setSubmit(bool submit) { submit_ = submit; }
    // On the software renderer upright quads are drawn as plain copies; off,
    // every quad goes through geometry as on the other renderers.
    void setSoftwareCopies(bool copies) { softwareCopies_ = copies; }
    // Declares that every pass draws onto a frame just cleared to the
    // renderer's draw colour, with nothing drawn before it. On the software
    // renderer the batch then keeps the still back of the frame between
    // frames (see StillBack), and draws an opaque picture at the very back
    // onto a black frame by darkening it instead of blending it.
    void setFrameCleared(bool cleared);
    // Quads of the last end that came from the kept copy instead of being
    // drawn.
    int keptQuadCount() const { return keptQuads_; }
    // On the software renderer pictures are drawn from copies prepared at
    // their output size (see ScaledCopies); off, SDL scales them as it draws.
    void setScaledCopies(bool use);
    const ScaledCopies* scaledCopies() const { return scaledCopies_.get(); }
    // Forgets the kept frame and the prepared copies, before the renderer's
    // textures go away.
    void forgetCopies();

private:
    struct Quad {
        SDL_Texture* texture;
        float depth;
        std::uint32_t group;
        SDL_FPoint corner[4];
        SDL_FPoint uv[4];
        SDL_Color colour;
        SDL_Rect source;
        bool blend;
        // The cached picture drawn, or null; alive until end.
        const Texture* picture;
        bool toWindowEdges;
    };
    // Where the logical screen lies in the whole output, in logical units.
    struct ScreenPlace {
        // The viewport as SDL gives it back.
        SDL_Rect screen{};
        float scaleX = 1.0f;
        float scaleY = 1.0f;
        // The whole output.
        float fullWidth = 0.0f;
        float fullHeight = 0.0f;
        bool sideBars = false;
        bool topBars = false;
        // The screen's rectangle with the viewport opened to the whole
        // output, a quarter of an output pixel inside its first pixel.
        SDL_FRect origin{};
    };

    void flush(SDL_Texture* texture, bool blend);
    // Queues a quad's triangles, split into a grid on the software renderer.
    void addGeometry(const Quad& quad);
    // One upright quad as a plain copy: the software renderer turns geometry
    // back into copies anyway, at a higher cost per quad.
    void copy(const Quad& quad, bool overClear);
    // The same from the picture's copy at its output size; false when there
    // is none to draw from.
    bool copyPrepared(const Quad& quad, bool overClear);
    void setColour(SDL_Texture* texture, SDL_Color colour);
    static bool upright(const Quad& quad);
    // Whether the quad is scaled and reaches past the output's edges.
    bool overhangs(const Quad& quad) const;
    // Pictures that cover the screen but for its last column and row are
    // drawn to its edges.
    void reachScreenEdges();
    // Whether the upright quad covers the logical screen of this size.
    static bool covers(const Quad& quad, float width, float height);
    // Draws the side parts of the wider copy of a picture covering the
    // screen into the bars beside it.
    void widenIntoBars(const Quad& back, const Texture& edges, const SDL_FRect& screen,
                       float fullWidth);
    // Mirrors the edges of a quad covering the screen into the bars.
    void mirrorIntoBars(const Quad& back, const SDL_FRect& screen, float fullWidth,
                        float fullHeight, bool sideBars);
    // False without a renderer or a screen to place.
    bool placeScreen(ScreenPlace& place) const;
    // Draws a toWindowEdges quad and carries it on to the window's edges.
    void drawToWindowEdges(const Quad& quad);
    // Where the output is wider (or taller) than the logical screen, the
    // backdrop carries on to the window's edges instead of black bars.
    void fillEdges();
    // The still back's plan for this frame, from the sorted quads.
    StillBack::Plan planStillBack();

    SDL_Renderer* renderer_;
    bool software_ = false;
    // The colour last given to a texture for copies, to skip repeating it.
    SDL_Texture* modTexture_ = nullptr;
    SDL_Color modColour_{};
    bool active_ = false;
    bool submit_ = true;
    bool softwareCopies_ = true;
    Matrix4 transform_;
    std::uint32_t group_ = 0;
    int calls_ = 0;
    int keptQuads_ = 0;
    std::unique_ptr<StillBack> stillBack_;
    std::unique_ptr<ScaledCopies> scaledCopies_;
    // The copies' answer for the last quad drawn from them, this pass.
    struct LastCopy {
        const Texture* picture = nullptr;
        std::uint64_t revision = 0;
        SDL_Rect source{};
        int width = 0;
        int height = 0;
        ScaledCopies::Found found;
    };
    LastCopy lastCopy_;
    bool frameCleared_ = false;
    // This pass's renderer scale and whether its frame was cleared to black.
    float scaleX_ = 1.0f;
    float scaleY_ = 1.0f;
    long long outputArea_ = 0;
    float outputLeft_ = 0.0f;
    float outputTop_ = 0.0f;
    float outputRight_ = 0.0f;
    float outputBottom_ = 0.0f;
    bool clearBlack_ = false;
    std::vector<StillBack::Key> stillKeys_;
    SDL_Texture* sizeOf_ = nullptr;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    std::vector<Quad> quads_;
    std::vector<TextureHandle> keepAlive_;
    // Sort keys: depth (far first) in the high half, group (later first) in
    // the low half; a stable sort keeps the order within a group.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> order_;
    std::vector<SDL_Vertex> vertices_;
    std::vector<int> indices_;
};

} // namespace qv

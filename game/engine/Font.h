// SPDX-License-Identifier: MIT
#pragma once
// One face at one cell height, drawn from a glyph atlas: each character is
// rasterised the first time it is asked for and then only sampled. Glyphs
// are white with their coverage in alpha, so a quad's colour tints them.
//
// Layout always uses the glyphs of the cell height asked for, so a text
// measures and wraps the same at every window size. When the screen is drawn
// larger than its logical size, a second, sharp copy of the face rasterised
// at that scale supplies the shapes that are drawn: the renderer then maps
// its texels one to one onto the output instead of stretching small glyphs.

#include "game/engine/GlyphAtlas.h"

#include <SDL.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

typedef struct _TTF_Font TTF_Font;

namespace qv {

// A font file's bytes, read once and shared by every face opened from it.
using FontData = std::shared_ptr<const std::vector<std::uint8_t>>;

// The whole file in one read; null when it cannot be read, is empty or is
// larger than maxFontFileBytes.
FontData readFontFile(const std::string& file);
inline constexpr std::size_t maxFontFileBytes = 64u * 1024u * 1024u;

class Font {
public:
    struct Glyph {
        // Atlas page and texels; an empty source rectangle draws nothing
        // (spaces, or a character that could not be rasterised).
        int page = 0;
        SourceRect source;
        // Top left of the texels relative to the pen at the top of the line.
        int offsetX = 0;
        int offsetY = 0;
        int advance = 0;
        bool visible() const { return source.right > source.left; }
    };

    // Opens the face (collection index `faceIndex`) of the font file's bytes
    // at the largest size whose cell height, ascent plus descent, is at most
    // cellHeight pixels; synthesises bold when `bold` is asked of a face that
    // is not. Null when the bytes do not open as a font. SDL_ttf must be
    // initialised.
    static std::unique_ptr<Font> open(SDL_Renderer* renderer, FontData data, int faceIndex,
                                      int cellHeight, bool bold);
    // The same from a file, read whole first.
    static std::unique_ptr<Font> open(SDL_Renderer* renderer, const std::string& file,
                                      int faceIndex, int cellHeight, bool bold);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // The height asked for: lines of text are this far apart.
    int cellHeight() const { return logical_->cellHeight; }
    // The face's own cell height at the size chosen (equal to cellHeight for
    // the usual faces; never more).
    int faceHeight() const { return logical_->faceHeight; }

    // The glyph of a character at the logical size, rasterised into the
    // atlas on first use: what layout measures. Control characters have no
    // glyph and no advance. The reference is good until the next call.
    const Glyph& glyph(char32_t character);
    SDL_Texture* texture(int page) const { return logical_->atlas.texture(page); }
    // Characters rasterised so far at the logical size.
    int glyphCount() const { return static_cast<int>(logical_->glyphs.size()); }

    // The scale the logical screen is drawn at. Above 1, glyphs to draw are
    // rasterised again at that scale (the sharp atlas starts empty whenever
    // the scale changes); at 1 or below the logical glyphs are drawn.
    void setDrawScale(float scale);
    float drawScale() const { return drawScale_; }
    // The glyph as drawn: in texels of the draw scale (offsets and source),
    // to be drawn at 1 / drawScale() of its texel size. Its advance is the
    // sharp face's own; layout uses glyph().
    const Glyph& drawGlyph(char32_t character);
    SDL_Texture* drawTexture(int page) const;
    // Characters rasterised so far at the draw scale (0 at scale 1).
    int sharpGlyphCount() const { return sharp_ ? static_cast<int>(sharp_->glyphs.size()) : 0; }

    // The device was lost: the textures go, the pixels stay.
    void onDeviceLost();
    // The device is back: the atlas textures are made again. False when one
    // could not be made.
    bool onDeviceReset();
    // The renderer is being destroyed.
    void release();

private:
    struct TtfDeleter {
        void operator()(TTF_Font* font) const;
    };
    using TtfPtr = std::unique_ptr<TTF_Font, TtfDeleter>;

    // One TTF face at one size with its atlas.
    struct Face {
        Face(TtfPtr font, SDL_Renderer* renderer, int cellHeight, int faceHeight);
        const Glyph& glyph(char32_t character);
        Glyph rasterise(char32_t character);

        TtfPtr font;
        int cellHeight;
        int faceHeight;
        GlyphAtlas atlas;
        std::vector<Glyph> glyphs;
        // Index into glyphs + 1 for the first 256 code points (0: not yet),
        // a map for the rest.
        std::array<std::uint32_t, 256> latin{};
        std::unordered_map<char32_t, std::uint32_t> others;
    };

    Font(FontData data, int faceIndex, bool bold, SDL_Renderer* renderer,
         std::unique_ptr<Face> logical);
    // The face of the bytes at the largest size fitting cellHeight; null
    // when it does not open.
    static std::unique_ptr<Face> openFace(const FontData& data, int faceIndex, int cellHeight,
                                          bool bold, SDL_Renderer* renderer);

    FontData data_;
    int faceIndex_;
    bool bold_;
    SDL_Renderer* renderer_;
    std::unique_ptr<Face> logical_;
    std::unique_ptr<Face> sharp_;
    float drawScale_ = 1.0f;
};

} // namespace qv

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
#include <string_view>
#include <unordered_map>
#include <vector>

typedef struct _TTF_Font TTF_Font;
typedef struct FT_FaceRec_* FT_Face;
typedef struct hb_font_t hb_font_t;

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

    // Shaped text is drawn by glyph number from faces numbered by slot: 0 is
    // this font's own file, 1 and up the fallback files found through
    // fontconfig for characters it lacks, in the order they were first
    // needed (shared by every font of the same weight). noSlot: no
    // installed font has the character; it is drawn as a box.
    static constexpr int noSlot = -1;
    int slotFor(char32_t character);
    bool covers(int slot, char32_t character);
    // The slot's HarfBuzz font at the logical size (positions in 1/64
    // pixel); null when the slot does not open.
    hb_font_t* shapingFont(int slot);
    // The glyph by number in the slot's face at the logical size, and as
    // drawn at the draw scale. Glyph 0 (a face's own missing-glyph shape) and
    // noSlot give the box; its advance is boxAdvance().
    const Glyph& shapedGlyph(int slot, unsigned glyph);
    const Glyph& drawShapedGlyph(int slot, unsigned glyph);
    int boxAdvance() const;
    // Where the glyph's ink lies, in pixels from the pen, at the logical
    // size, read from its outline without rasterising it (layout measures
    // whole texts before they are shown). False: no ink.
    bool shapedInk(int slot, unsigned glyph, int& left, int& right);
    // Finds the fallback faces the characters need and opens them, so that
    // laying out and drawing text of them later loads no file. Characters
    // the face draws plainly cost nothing.
    void prepare(std::u32string_view characters);
    // Whether the text can be drawn character by character from this face
    // alone: every character is in it and none needs shaping or
    // right-to-left order. Such text is drawn exactly as it always was.
    bool drawsPlainly(std::u16string_view text);

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

    // A face of one slot opened through FreeType at a Face's size.
    struct SlotFace {
        SlotFace() = default;
        ~SlotFace();
        SlotFace(const SlotFace&) = delete;
        SlotFace& operator=(const SlotFace&) = delete;
        FT_Face face = nullptr;
        hb_font_t* shaper = nullptr;
        bool tried = false;
        bool emboldened = false;
    };

    // One TTF face at one size with its atlas.
    struct Face {
        Face(TtfPtr font, SDL_Renderer* renderer, int cellHeight, int faceHeight, int pointSize,
             bool bold);
        const Glyph& glyph(char32_t character);
        Glyph rasterise(char32_t character);
        const Glyph& shaped(Font& owner, int slot, unsigned glyph);
        Glyph rasteriseShaped(Font& owner, int slot, unsigned glyph);
        Glyph rasteriseBox();
        int boxAdvance() const;
        // Where the glyph's ink lies, in pixels from the pen, at the logical
        // size, read from its outline without rasterising it (layout measures
        // whole texts before they are shown). False: no ink.
        bool shapedInk(int slot, unsigned glyph, int& left, int& right);

        TtfPtr font;
        int cellHeight;
        int faceHeight;
        GlyphAtlas atlas;
        std::vector<Glyph> glyphs;
        // Index into glyphs + 1 for the first 256 code points (0: not yet),
        // a map for the rest.
        std::array<std::uint32_t, 256> latin{};
        std::unordered_map<char32_t, std::uint32_t> others;
        int pointSize;
        bool bold;
        // Where the baseline lies below the top of the cell.
        int baseline = 0;
        std::vector<std::unique_ptr<SlotFace>> slots;
        // Shaped glyphs by (slot + 1) << 32 | glyph number.
        std::unordered_map<std::uint64_t, std::uint32_t> shapedGlyphs;
    };

    // The slot's face opened at the face's size (null when it cannot be).
    SlotFace* slotFace(Face& face, int slot);
    std::unique_ptr<SlotFace> openSlot(int slot, int pointSize) const;

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
    // Slots found for characters so far.
    std::unordered_map<char32_t, int> slotOf_;
};

} // namespace qv

#pragma once
// One face at one cell height, drawn from a glyph atlas: each character is
// rasterised the first time it is asked for and then only sampled. Glyphs
// are white with their coverage in alpha, so a quad's colour tints them.

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

    // Opens the face file (collection index `faceIndex`) at the largest size
    // whose cell height, ascent plus descent, is at most cellHeight pixels;
    // synthesises bold when `bold` is asked of a face that is not. Null when
    // the file does not open as a font. SDL_ttf must be initialised.
    static std::unique_ptr<Font> open(SDL_Renderer* renderer, const std::string& file,
                                      int faceIndex, int cellHeight, bool bold);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // The height asked for: lines of text are this far apart.
    int cellHeight() const { return cellHeight_; }
    // The face's own cell height at the size chosen (equal to cellHeight for
    // the usual faces; never more).
    int faceHeight() const { return faceHeight_; }

    // The glyph of a character, rasterised into the atlas on first use.
    // Control characters have no glyph and no advance. The reference is
    // good until the next call.
    const Glyph& glyph(char32_t character);
    SDL_Texture* texture(int page) const { return atlas_.texture(page); }
    // Characters rasterised so far.
    int glyphCount() const { return static_cast<int>(glyphs_.size()); }

    // The device was lost: the textures go, the pixels stay.
    void onDeviceLost() { atlas_.dropTextures(); }
    // The device is back: the atlas textures are made again. False when one
    // could not be made.
    bool onDeviceReset() { return atlas_.rebuildTextures(); }
    // The renderer is being destroyed.
    void release() { atlas_.release(); }

private:
    Font(TTF_Font* font, SDL_Renderer* renderer, int cellHeight, int faceHeight);
    Glyph rasterise(char32_t character);

    TTF_Font* font_;
    int cellHeight_;
    int faceHeight_;
    GlyphAtlas atlas_;
    std::vector<Glyph> glyphs_;
    // Index into glyphs_ + 1 for the first 256 code points (0: not yet), a
    // map for the rest.
    std::array<std::uint32_t, 256> latin_{};
    std::unordered_map<char32_t, std::uint32_t> others_;
};

} // namespace qv

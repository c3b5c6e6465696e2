#include "game/engine/Font.h"

#include <SDL_ttf.h>

#include <algorithm>

namespace qv {

namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// Pages big enough for the whole Windows-1252 repertoire of the font on one
// page, so that a line of text samples one texture.
int pageHeightFor(int cellHeight) {
    if (cellHeight <= 32) {
        return 512;
    }
    if (cellHeight <= 64) {
        return 1024;
    }
    return 2048;
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

// The smallest rectangle holding every pixel with some coverage.
SDL_Rect inkBounds(const SDL_Surface& s) {
    int left = s.w;
    int right = -1;
    int top = s.h;
    int bottom = -1;
    for (int y = 0; y < s.h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s.pixels) +
                                                          static_cast<std::ptrdiff_t>(y) * s.pitch);
        for (int x = 0; x < s.w; ++x) {
            if ((row[x] >> 24) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return {0, 0, 0, 0};
    }
    return {left, top, right - left + 1, bottom - top + 1};
}

} // namespace

std::unique_ptr<Font> Font::open(SDL_Renderer* renderer, const std::string& file, int faceIndex,
                                 int cellHeight, bool bold) {
    if (cellHeight <= 0 || file.empty()) {
        return nullptr;
    }
    TTF_Font* font = TTF_OpenFontIndex(file.c_str(), cellHeight, faceIndex);
    if (font == nullptr) {
        return nullptr;
    }
    // Cell height grows with the point size: the largest size that fits.
    int low = 1;
    int high = cellHeight * 2;
    int best = 1;
    while (low <= high) {
        const int mid = (low + high) / 2;
        if (TTF_SetFontSize(font, mid) == 0 && TTF_FontHeight(font) <= cellHeight) {
            best = mid;
            low = mid + 1;
        } else {
            high = mid - 1;
        }
    }
    if (TTF_SetFontSize(font, best) != 0) {
        TTF_CloseFont(font);
        return nullptr;
    }
    if (bold && TTF_FontFaceStyleName(font) != nullptr &&
        std::string(TTF_FontFaceStyleName(font)).find("Bold") == std::string::npos) {
        TTF_SetFontStyle(font, TTF_STYLE_BOLD);
    }
    return std::unique_ptr<Font>(new Font(font, renderer, cellHeight, TTF_FontHeight(font)));
}

Font::Font(TTF_Font* font, SDL_Renderer* renderer, int cellHeight, int faceHeight)
    : font_(font), cellHeight_(cellHeight), faceHeight_(faceHeight),
      atlas_(renderer, 1024, pageHeightFor(cellHeight)) {
    // The Windows-1252 repertoire goes in at once, so the first frames that
    // show text rasterise nothing.
    for (char32_t c = 0x20; c < 0x7F; ++c) {
        glyph(c);
    }
    static constexpr char16_t upper[] = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                         0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x017D, 0x2018,
                                         0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC,
                                         0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
    for (char16_t c : upper) {
        glyph(c);
    }
    for (char32_t c = 0xA0; c <= 0xFF; ++c) {
        glyph(c);
    }
}

Font::~Font() {
    TTF_CloseFont(font_);
}

const Font::Glyph& Font::glyph(char32_t character) {
    if (character < latin_.size()) {
        const std::uint32_t index = latin_[character];
        if (index != 0) {
            return glyphs_[index - 1u];
        }
    } else if (auto found = others_.find(character); found != others_.end()) {
        return glyphs_[found->second];
    }
    glyphs_.push_back(rasterise(character));
    const auto index = static_cast<std::uint32_t>(glyphs_.size() - 1);
    if (character < latin_.size()) {
        latin_[character] = index + 1;
    } else {
        others_.emplace(character, index);
    }
    return glyphs_.back();
}

Font::Glyph Font::rasterise(char32_t character) {
    Glyph g;
    if (isControl(character) || character > 0x10FFFF ||
        (character >= 0xD800 && character <= 0xDFFF)) {
        return g;
    }
    int minX = 0;
    int maxX = 0;
    int minY = 0;
    int maxY = 0;
    int advance = 0;
    if (TTF_GlyphMetrics32(font_, static_cast<Uint32>(character), &minX, &maxX, &minY, &maxY,
                           &advance) == 0) {
        g.advance = std::max(advance, 0);
    }
    SurfacePtr rendered(TTF_RenderGlyph32_Blended(font_, static_cast<Uint32>(character),
                                                  SDL_Color{255, 255, 255, 255}));
    if (!rendered) {
        return g;
    }
    SurfacePtr argb(SDL_ConvertSurfaceFormat(rendered.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb) {
        return g;
    }
    const SDL_Rect ink = inkBounds(*argb);
    if (ink.w == 0) {
        return g;
    }
    // Only the inked part goes into the atlas: fewer texels to blend per
    // frame. The rendering puts the pen at the left edge, or further right
    // by the overhang of a glyph that reaches left of the pen.
    SurfacePtr trimmed(
        SDL_CreateRGBSurfaceWithFormat(0, ink.w, ink.h, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!trimmed) {
        return g;
    }
    SDL_Rect from = ink;
    SDL_SetSurfaceBlendMode(argb.get(), SDL_BLENDMODE_NONE);
    if (SDL_BlitSurface(argb.get(), &from, trimmed.get(), nullptr) != 0) {
        return g;
    }
    GlyphAtlas::Placement placement;
    if (!atlas_.insert(*trimmed, placement)) {
        return g;
    }
    g.page = placement.page;
    g.source = placement.source;
    g.offsetX = ink.x + std::min(minX, 0);
    g.offsetY = ink.y + (cellHeight_ - faceHeight_) / 2;
    return g;
}

} // namespace qv

// SPDX-License-Identifier: MIT
#include "game/engine/Font.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>

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

FontData readFontFile(const std::string& file) {
    if (file.empty()) {
        return nullptr;
    }
    // One read of the whole file: FreeType then works in memory instead of
    // seeking and reading the file in small pieces for every glyph.
    struct RwDeleter {
        void operator()(SDL_RWops* rw) const { SDL_RWclose(rw); }
    };
    std::unique_ptr<SDL_RWops, RwDeleter> rw(SDL_RWFromFile(file.c_str(), "rb"));
    if (!rw) {
        return nullptr;
    }
    const Sint64 size = SDL_RWsize(rw.get());
    if (size <= 0 || static_cast<std::uint64_t>(size) > maxFontFileBytes) {
        return nullptr;
    }
    auto bytes = std::make_shared<std::vector<std::uint8_t>>(static_cast<std::size_t>(size));
    if (SDL_RWread(rw.get(), bytes->data(), 1, bytes->size()) != bytes->size()) {
        return nullptr;
    }
    return bytes;
}

void Font::TtfDeleter::operator()(TTF_Font* font) const {
    TTF_CloseFont(font);
}

std::unique_ptr<Font::Face> Font::openFace(const FontData& data, int faceIndex, int cellHeight,
                                           bool bold, SDL_Renderer* renderer) {
    if (cellHeight <= 0 || !data || data->empty()) {
        return nullptr;
    }
    SDL_RWops* rw = SDL_RWFromConstMem(data->data(), static_cast<int>(data->size()));
    if (rw == nullptr) {
        return nullptr;
    }
    // The face reads from the shared bytes, which outlive it.
    TtfPtr font(TTF_OpenFontIndexRW(rw, 1, cellHeight, faceIndex));
    if (!font) {
        return nullptr;
    }
    // Cell height grows with the point size: the largest size that fits.
    int low = 1;
    int high = cellHeight * 2;
    int best = 1;
    while (low <= high) {
        const int mid = (low + high) / 2;
        if (TTF_SetFontSize(font.get(), mid) == 0 && TTF_FontHeight(font.get()) <= cellHeight) {
            best = mid;
            low = mid + 1;
        } else {
            high = mid - 1;
        }
    }
    if (TTF_SetFontSize(font.get(), best) != 0) {
        return nullptr;
    }
    if (bold && TTF_FontFaceStyleName(font.get()) != nullptr &&
        std::string(TTF_FontFaceStyleName(font.get())).find("Bold") == std::string::npos) {
        TTF_SetFontStyle(font.get(), TTF_STYLE_BOLD);
    }
    const int faceHeight = TTF_FontHeight(font.get());
    return std::make_unique<Face>(std::move(font), renderer, cellHeight, faceHeight);
}

std::unique_ptr<Font> Font::open(SDL_Renderer* renderer, FontData data, int faceIndex,
                                 int cellHeight, bool bold) {
    std::unique_ptr<Face> logical = openFace(data, faceIndex, cellHeight, bold, renderer);
    if (!logical) {
        return nullptr;
    }
    return std::unique_ptr<Font>(
        new Font(std::move(data), faceIndex, bold, renderer, std::move(logical)));
}

std::unique_ptr<Font> Font::open(SDL_Renderer* renderer, const std::string& file, int faceIndex,
                                 int cellHeight, bool bold) {
    return open(renderer, readFontFile(file), faceIndex, cellHeight, bold);
}

Font::Font(FontData data, int faceIndex, bool bold, SDL_Renderer* renderer,
           std::unique_ptr<Face> logical)
    : data_(std::move(data)), faceIndex_(faceIndex), bold_(bold), renderer_(renderer),
      logical_(std::move(logical)) {}

Font::~Font() = default;

Font::Face::Face(TtfPtr ttf, SDL_Renderer* renderer, int cell, int faceCell)
    : font(std::move(ttf)), cellHeight(cell), faceHeight(faceCell),
      atlas(renderer, 1024, pageHeightFor(cell)) {}

const Font::Glyph& Font::glyph(char32_t character) {
    return logical_->glyph(character);
}

void Font::setDrawScale(float scale) {
    // Scales this close draw the same glyphs; a window resized by a few
    // pixels keeps its atlas.
    if (!(scale > 0.0f) || std::fabs(scale - drawScale_) < 0.002f) {
        return;
    }
    drawScale_ = scale;
    sharp_.reset();
    if (scale > 1.0f + 0.002f) {
        const int cell = static_cast<int>(std::lround(static_cast<float>(cellHeight()) * scale));
        sharp_ = openFace(data_, faceIndex_, cell, bold_, renderer_);
    }
}

const Font::Glyph& Font::drawGlyph(char32_t character) {
    return sharp_ ? sharp_->glyph(character) : logical_->glyph(character);
}

SDL_Texture* Font::drawTexture(int page) const {
    return sharp_ ? sharp_->atlas.texture(page) : logical_->atlas.texture(page);
}

void Font::onDeviceLost() {
    logical_->atlas.dropTextures();
    if (sharp_) {
        sharp_->atlas.dropTextures();
    }
}

bool Font::onDeviceReset() {
    bool ok = logical_->atlas.rebuildTextures();
    if (sharp_) {
        ok = sharp_->atlas.rebuildTextures() && ok;
    }
    return ok;
}

void Font::release() {
    logical_->atlas.release();
    if (sharp_) {
        sharp_->atlas.release();
    }
    renderer_ = nullptr;
}

const Font::Glyph& Font::Face::glyph(char32_t character) {
    if (character < latin.size()) {
        const std::uint32_t index = latin[character];
        if (index != 0) {
            return glyphs[index - 1u];
        }
    } else if (auto found = others.find(character); found != others.end()) {
        return glyphs[found->second];
    }
    glyphs.push_back(rasterise(character));
    const auto index = static_cast<std::uint32_t>(glyphs.size() - 1);
    if (character < latin.size()) {
        latin[character] = index + 1;
    } else {
        others.emplace(character, index);
    }
    return glyphs.back();
}

Font::Glyph Font::Face::rasterise(char32_t character) {
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
    if (TTF_GlyphMetrics32(font.get(), static_cast<Uint32>(character), &minX, &maxX, &minY, &maxY,
                           &advance) == 0) {
        g.advance = std::max(advance, 0);
    }
    SurfacePtr rendered(TTF_RenderGlyph32_Blended(font.get(), static_cast<Uint32>(character),
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
    if (!atlas.insert(*trimmed, placement)) {
        return g;
    }
    g.page = placement.page;
    g.source = placement.source;
    g.offsetX = ink.x + std::min(minX, 0);
    g.offsetY = ink.y + (cellHeight - faceHeight) / 2;
    return g;
}

} // namespace qv

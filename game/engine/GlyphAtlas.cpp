// SPDX-License-Identifier: MIT
#include "game/engine/GlyphAtlas.h"

namespace qv {

namespace {
// A clear pixel between neighbours keeps linear filtering from bleeding one
// glyph into the next.
constexpr int gap = 1;
} // namespace

GlyphAtlas::GlyphAtlas(SDL_Renderer* renderer, int pageWidth, int pageHeight)
    : renderer_(renderer), pageWidth_(pageWidth), pageHeight_(pageHeight) {}

GlyphAtlas::~GlyphAtlas() = default;

bool GlyphAtlas::addPage() {
    if (static_cast<int>(pages_.size()) >= maxPages) {
        return false;
    }
    Page page;
    page.pixels.reset(
        SDL_CreateRGBSurfaceWithFormat(0, pageWidth_, pageHeight_, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!page.pixels) {
        return false;
    }
    SDL_FillRect(page.pixels.get(), nullptr, 0);
    page.shelfTop = gap;
    page.cursor = gap;
    // While the device is lost the page waits, like the others, for the
    // reset to make its texture.
    if (!texturesDropped_) {
        makeTexture(page);
    }
    pages_.push_back(std::move(page));
    return true;
}

bool GlyphAtlas::makeTexture(Page& page) {
    page.texture.reset();
    if (renderer_ == nullptr) {
        return false;
    }
    page.texture.reset(SDL_CreateTextureFromSurface(renderer_, page.pixels.get()));
    if (!page.texture) {
        return false;
    }
    SDL_SetTextureBlendMode(page.texture.get(), SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(page.texture.get(), SDL_ScaleModeLinear);
    return true;
}

bool GlyphAtlas::insert(SDL_Surface& image, Placement& out) {
    const int w = image.w;
    const int h = image.h;
    if (w <= 0 || h <= 0 || w + 2 * gap > pageWidth_ || h + 2 * gap > pageHeight_) {
        return false;
    }
    Page* page = pages_.empty() ? nullptr : &pages_.back();
    if (page != nullptr && page->cursor + w + gap > pageWidth_) {
        // Next shelf.
        page->shelfTop += page->shelfHeight + gap;
        page->shelfHeight = 0;
        page->cursor = gap;
    }
    if (page == nullptr || page->shelfTop + h + gap > pageHeight_) {
        if (!addPage()) {
            return false;
        }
        page = &pages_.back();
    }

    SDL_Rect target{page->cursor, page->shelfTop, w, h};
    SDL_SetSurfaceBlendMode(&image, SDL_BLENDMODE_NONE);
    if (SDL_BlitSurface(&image, nullptr, page->pixels.get(), &target) != 0) {
        return false;
    }
    if (page->texture) {
        const auto* first = static_cast<const Uint8*>(page->pixels->pixels) +
                            static_cast<std::ptrdiff_t>(target.y) * page->pixels->pitch +
                            static_cast<std::ptrdiff_t>(target.x) * 4;
        SDL_UpdateTexture(page->texture.get(), &target, first, page->pixels->pitch);
    }
    out.page = static_cast<int>(pages_.size()) - 1;
    out.source = {target.x, target.y, target.x + w, target.y + h};
    page->cursor += w + gap;
    if (h > page->shelfHeight) {
        page->shelfHeight = h;
    }
    return true;
}

SDL_Texture* GlyphAtlas::texture(int page) const {
    if (page < 0 || page >= static_cast<int>(pages_.size())) {
        return nullptr;
    }
    return pages_[static_cast<std::size_t>(page)].texture.get();
}

void GlyphAtlas::dropTextures() {
    texturesDropped_ = true;
    for (Page& page : pages_) {
        page.texture.reset();
    }
}

bool GlyphAtlas::rebuildTextures() {
    texturesDropped_ = false;
    bool ok = true;
    for (Page& page : pages_) {
        ok = makeTexture(page) && ok;
    }
    return ok;
}

void GlyphAtlas::release() {
    dropTextures();
    renderer_ = nullptr;
}

} // namespace qv

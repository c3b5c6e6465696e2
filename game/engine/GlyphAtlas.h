// SPDX-License-Identifier: MIT
#pragma once
// Pages of glyph images for one font: each glyph is copied once into a free
// place of a page, and the page's texture is what text quads sample. The
// pixels of every page stay in memory, so the textures can be made again
// after the renderer lost them. A page never moves or shrinks once made, so
// quads queued earlier in a frame stay valid when glyphs are added later in
// the same frame.

#include "game/engine/SpriteBatch.h"

#include <SDL.h>

#include <memory>
#include <vector>

namespace qv {

class GlyphAtlas {
public:
    struct Placement {
        int page = 0;
        SourceRect source;
    };

    // The renderer is not owned; release() must be called before it goes.
    // Pages are pageWidth x pageHeight pixels.
    GlyphAtlas(SDL_Renderer* renderer, int pageWidth, int pageHeight);
    ~GlyphAtlas();
    GlyphAtlas(const GlyphAtlas&) = delete;
    GlyphAtlas& operator=(const GlyphAtlas&) = delete;

    // Copies the image (any pixel format) into a free place and uploads it.
    // False when it is larger than a page, or when maxPages are full.
    bool insert(SDL_Surface& image, Placement& out);

    // The page's texture; null while the renderer has none for it.
    SDL_Texture* texture(int page) const;
    int pageCount() const { return static_cast<int>(pages_.size()); }

    // Frees the textures and keeps the pixels (the device was lost).
    void dropTextures();
    // Makes every page's texture again from its pixels. False when one
    // could not be made (that page then draws nothing).
    bool rebuildTextures();
    // Frees the textures and forgets the renderer (it is being destroyed);
    // nothing is drawn or uploaded after this.
    void release();

    static constexpr int maxPages = 8;

private:
    struct SurfaceDeleter {
        void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
    };
    struct TextureDeleter {
        void operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
    };
    struct Page {
        std::unique_ptr<SDL_Surface, SurfaceDeleter> pixels;
        std::unique_ptr<SDL_Texture, TextureDeleter> texture;
        int shelfTop = 0;
        int shelfHeight = 0;
        int cursor = 0;
    };

    bool addPage();
    bool makeTexture(Page& page);

    SDL_Renderer* renderer_;
    int pageWidth_;
    int pageHeight_;
    std::vector<Page> pages_;
    bool texturesDropped_ = false;
};

} // namespace qv

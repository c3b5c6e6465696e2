// SPDX-License-Identifier: MIT
#pragma once
// Image files as renderer textures, one texture per file shared by every
// sprite that shows it. Sprites never change a texture, so the sharing is
// invisible to them. Textures are reloaded from their files after the
// renderer lost them (a device reset).

#include <SDL.h>

#include <cstddef>
#include <cstdint>

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace qv {

class TextureCache;

// One loaded file. The texture may be null: after a reload that failed, or
// after the cache released its textures because the renderer is going away.
class Texture : public std::enable_shared_from_this<Texture> {
public:
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    SDL_Texture* get() const { return texture_; }
    // The size of the image file in pixels: the picture's size on the
    // logical screen, whichever copy of it the texture holds.
    int width() const { return width_; }
    int height() const { return height_; }
    // Texels per picture pixel: 2 while the texture holds the picture's
    // twice-sized copy, else 1.
    int detail() const { return detail_; }
    // The picture carried on beyond its left and right edges by the same
    // margin (the file of the same name in the wide folder beside it, at
    // its own size), for what a wider window shows beside the screen; null
    // when there is none.
    const Texture* edges() const { return edges_.get(); }
    const std::string& path() const { return path_; }
    // Every pixel of the file is fully opaque, so drawing it at full alpha
    // needs no blending.
    bool opaque() const { return opaque_; }
    // Changes whenever the texture is replaced or freed, so that what was
    // made from the old one can tell (a new texture may reuse its address).
    std::uint64_t revision() const { return revision_; }

private:
    friend class TextureCache;
    Texture(std::string path, SDL_Texture* texture, int width, int height, bool opaque, int detail)
        : path_(std::move(path)), texture_(texture), width_(width), height_(height),
          opaque_(opaque), detail_(detail), revision_(nextRevision()) {}
    // Takes a new texture (or none) in place of the freed one.
    void replaceTexture(SDL_Texture* texture);
    static std::uint64_t nextRevision();
    // Frees the texture and that of the edges.
    void destroyTexture();

    std::string path_;
    SDL_Texture* texture_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    bool opaque_ = false;
    int detail_ = 1;
    std::uint64_t revision_ = 0;
    std::unique_ptr<Texture> edges_;
};

// Holding a handle keeps the file's texture alive; the last handle frees it.
using TextureHandle = std::shared_ptr<const Texture>;

class TextureCache {
public:
    // The renderer is not owned and must outlive the cache, or the cache must
    // be told with releaseAll before the renderer is destroyed.
    explicit TextureCache(SDL_Renderer* renderer);
    ~TextureCache();
    TextureCache(const TextureCache&) = delete;
    TextureCache& operator=(const TextureCache&) = delete;

    // The shared texture of the file (TGA, BMP, JPEG or PNG), loading it on
    // first use; null when the file is missing, unreadable, of another
    // format, or larger than maxImageSide either way.
    TextureHandle load(std::string_view path);
    // Loads every live texture again from its file (after a device reset).
    void reloadAll();
    // Frees every texture now; handles stay valid but show nothing. Used when
    // the renderer is destroyed.
    void releaseAll();
    // Files with a live handle.
    int liveCount() const;

    // The scale the logical screen is drawn at. Above detailThreshold the
    // cache loads a picture's twice-sized copy (the same name in the 2x
    // folder beside it) where there is one and the budget allows, and below
    // it the picture itself; crossing it reloads every live texture.
    void setDrawScale(float scale);
    bool prefersDetail() const { return preferDetail_; }
    // Bytes of texture memory the twice-sized copies take now.
    std::size_t detailBytes() const;

    // Largest width or height accepted from an image file.
    static constexpr int maxImageSide = 4096;
    static constexpr float detailThreshold = 1.25f;
    // Twice-sized copies hold four times the texels; past this many bytes of
    // them, further pictures load at their own size. The heaviest screen
    // (the game screen with its ladder, buttons and bursts) needs about
    // 70 MB of them.
    static constexpr std::size_t detailBudgetBytes = 128u * 1024u * 1024u;

private:
    struct Loaded {
        SDL_Texture* texture = nullptr;
        int width = 0;
        int height = 0;
        bool opaque = false;
        int detail = 1;
    };
    SDL_Texture* createTexture(const std::string& path, int& width, int& height,
                               bool& opaque) const;
    // The picture, from its twice-sized copy when that is wanted, allowed
    // and of exactly twice the size; null texture when the picture itself
    // does not load.
    Loaded loadPicture(const std::string& path);
    // Loads the entry's wider copy, when there is one of its height.
    void loadEdges(Texture& entry) const;

    SDL_Renderer* renderer_;
    // Textures on the software renderer are streaming ones, readable with
    // SDL_LockTexture.
    bool software_ = false;
    bool preferDetail_ = false;
    std::map<std::string, std::weak_ptr<Texture>, std::less<>> textures_;
};

} // namespace qv

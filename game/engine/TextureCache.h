#pragma once
// Image files as renderer textures, one texture per file shared by every
// sprite that shows it. Sprites never change a texture, so the sharing is
// invisible to them. Textures are reloaded from their files after the
// renderer lost them (a device reset).

#include <SDL.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace qv {

class TextureCache;

// One loaded file. The texture may be null: after a reload that failed, or
// after the cache released its textures because the renderer is going away.
class Texture {
public:
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    SDL_Texture* get() const { return texture_; }
    // The size of the image file in pixels.
    int width() const { return width_; }
    int height() const { return height_; }
    const std::string& path() const { return path_; }
    // Every pixel of the file is fully opaque, so drawing it at full alpha
    // needs no blending.
    bool opaque() const { return opaque_; }

private:
    friend class TextureCache;
    Texture(std::string path, SDL_Texture* texture, int width, int height, bool opaque)
        : path_(std::move(path)), texture_(texture), width_(width), height_(height),
          opaque_(opaque) {}
    void destroyTexture();

    std::string path_;
    SDL_Texture* texture_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    bool opaque_ = false;
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

    // Largest width or height accepted from an image file.
    static constexpr int maxImageSide = 4096;

private:
    SDL_Texture* createTexture(const std::string& path, int& width, int& height,
                               bool& opaque) const;

    SDL_Renderer* renderer_;
    std::map<std::string, std::weak_ptr<Texture>, std::less<>> textures_;
};

} // namespace qv

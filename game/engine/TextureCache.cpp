#include "game/engine/TextureCache.h"

#include "game/engine/ImageProbe.h"

#include <SDL_image.h>

namespace qv {

namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// "Resources//a.tga" and "Resources/a.tga" name the same file.
std::string normalisedPath(std::string_view path) {
    std::string result;
    result.reserve(path.size());
    for (char c : path) {
        if (c == '/' && !result.empty() && result.back() == '/') {
            continue;
        }
        result.push_back(c);
    }
    return result;
}

} // namespace

Texture::~Texture() {
    destroyTexture();
}

void Texture::destroyTexture() {
    if (texture_ != nullptr) {
        SDL_DestroyTexture(texture_);
        texture_ = nullptr;
    }
}

TextureCache::TextureCache(SDL_Renderer* renderer) : renderer_(renderer) {}

TextureCache::~TextureCache() {
    releaseAll();
}

SDL_Texture* TextureCache::createTexture(const std::string& path, int& width, int& height,
                                         bool& opaque) const {
    if (renderer_ == nullptr) {
        return nullptr;
    }
    // The header is checked before a decoder allocates what it claims.
    ImageInfo info;
    if (!probeImage(path, info) || info.width > maxImageSide || info.height > maxImageSide) {
        return nullptr;
    }
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (file == nullptr) {
        return nullptr;
    }
    SurfacePtr loaded(IMG_LoadTyped_RW(file, 1, imageTypeName(info.format)));
    if (!loaded || loaded->w != info.width || loaded->h != info.height) {
        return nullptr;
    }
    // One format for every texture keeps the software renderer on its fast
    // blitters and gives images without alpha an opaque alpha channel.
    SurfacePtr converted(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!converted) {
        return nullptr;
    }
    SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer_, converted.get());
    if (texture == nullptr) {
        return nullptr;
    }
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    width = converted->w;
    height = converted->h;
    opaque = true;
    for (int y = 0; y < converted->h && opaque; ++y) {
        const auto* row =
            reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(converted->pixels) +
                                            static_cast<std::ptrdiff_t>(y) * converted->pitch);
        for (int x = 0; x < converted->w; ++x) {
            if ((row[x] >> 24) != 0xFF) {
                opaque = false;
                break;
            }
        }
    }
    return texture;
}

TextureHandle TextureCache::load(std::string_view path) {
    if (path.empty()) {
        return nullptr;
    }
    std::string key = normalisedPath(path);
    auto found = textures_.find(key);
    if (found != textures_.end()) {
        if (TextureHandle live = found->second.lock()) {
            return live;
        }
        textures_.erase(found);
    }
    int width = 0;
    int height = 0;
    bool opaque = false;
    SDL_Texture* texture = createTexture(key, width, height, opaque);
    if (texture == nullptr) {
        return nullptr;
    }
    std::shared_ptr<Texture> entry(new Texture(key, texture, width, height, opaque));
    textures_.emplace(std::move(key), entry);
    return entry;
}

void TextureCache::reloadAll() {
    for (auto it = textures_.begin(); it != textures_.end();) {
        std::shared_ptr<Texture> entry = it->second.lock();
        if (!entry) {
            it = textures_.erase(it);
            continue;
        }
        entry->destroyTexture();
        int width = 0;
        int height = 0;
        bool opaque = false;
        entry->texture_ = createTexture(entry->path_, width, height, opaque);
        // A file that changed size would move the sprites that use it: the
        // sizes of the first load stay, and only a texture of that size is
        // taken.
        if (entry->texture_ != nullptr &&
            (width != entry->width_ || height != entry->height_ || opaque != entry->opaque_)) {
            entry->destroyTexture();
        }
        ++it;
    }
}

void TextureCache::releaseAll() {
    for (auto& [path, weak] : textures_) {
        if (std::shared_ptr<Texture> entry = weak.lock()) {
            entry->destroyTexture();
        }
    }
    textures_.clear();
    renderer_ = nullptr;
}

int TextureCache::liveCount() const {
    int count = 0;
    for (const auto& [path, weak] : textures_) {
        if (!weak.expired()) {
            ++count;
        }
    }
    return count;
}

} // namespace qv

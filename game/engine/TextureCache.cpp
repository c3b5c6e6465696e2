// SPDX-License-Identifier: MIT
#include "game/engine/TextureCache.h"

#include "game/engine/ImageProbe.h"

#include <SDL_image.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <memory>

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

struct SdlFree {
    void operator()(std::uint8_t* bytes) const { SDL_free(bytes); }
};
// A file's bytes, in memory from SDL_malloc: not cleared first (the read
// fills it), and for a large picture a block of its own.
struct FileBytes {
    std::unique_ptr<std::uint8_t, SdlFree> data;
    std::size_t size = 0;
};

// Reads the file whole; false when it cannot be read or is larger than an
// image of the largest accepted size could reasonably be.
bool readWhole(const std::string& path, FileBytes& bytes) {
    constexpr Sint64 largest = Sint64{TextureCache::maxImageSide} * TextureCache::maxImageSide * 8;
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    const Sint64 size = SDL_RWsize(file);
    bool ok = size > 0 && size <= largest && size <= INT32_MAX;
    if (ok) {
        bytes.size = static_cast<std::size_t>(size);
        bytes.data.reset(static_cast<std::uint8_t*>(SDL_malloc(bytes.size)));
        ok = bytes.data && SDL_RWread(file, bytes.data.get(), 1, bytes.size) == bytes.size;
    }
    SDL_RWclose(file);
    return ok;
}

// The same file name in the named folder beside the file.
std::string besideIn(const std::string& path, const char* folder) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos
               ? std::string(folder) + "/" + path
               : path.substr(0, slash + 1) + folder + "/" + path.substr(slash + 1);
}

} // namespace

namespace {
// Texture memory of a twice-sized copy of a picture of this size.
std::size_t detailCost(int width, int height);
} // namespace

Texture::~Texture() {
    destroyTexture();
}

std::uint64_t Texture::nextRevision() {
    static std::atomic<std::uint64_t> revision{0};
    return ++revision;
}

void Texture::replaceTexture(SDL_Texture* texture) {
    texture_ = texture;
    revision_ = nextRevision();
}

void Texture::destroyTexture() {
    if (texture_ != nullptr) {
        SDL_DestroyTexture(texture_);
        replaceTexture(nullptr);
    }
    if (edges_) {
        edges_->destroyTexture();
    }
}

TextureCache::TextureCache(SDL_Renderer* renderer) : renderer_(renderer) {
    SDL_RendererInfo info{};
    software_ = renderer_ != nullptr && SDL_GetRendererInfo(renderer_, &info) == 0 &&
                (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}

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
    // The whole file in one read: the decoders otherwise read it a few
    // kilobytes at a time, a system call each.
    FileBytes bytes;
    if (!readWhole(path, bytes)) {
        return nullptr;
    }
    SDL_RWops* file = SDL_RWFromConstMem(bytes.data.get(), static_cast<int>(bytes.size));
    if (file == nullptr) {
        return nullptr;
    }
    SurfacePtr loaded(IMG_LoadTyped_RW(file, 1, imageTypeName(info.format)));
    if (!loaded || loaded->w != info.width || loaded->h != info.height) {
        return nullptr;
    }
    // One format for every texture keeps the software renderer on its fast
    // blitters and gives images without alpha an opaque alpha channel.
    // A picture decoded in that format already is taken as it is.
    SurfacePtr converted;
    if (loaded->format->format != SDL_PIXELFORMAT_ARGB8888 || SDL_HasColorKey(loaded.get())) {
        converted.reset(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
        if (!converted) {
            return nullptr;
        }
    } else {
        converted = std::move(loaded);
    }
    SDL_Texture* texture = nullptr;
    if (software_) {
        // On the software renderer a streaming texture is the surface itself,
        // and its pixels can be read to prepare copies at the output's scale.
        texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                    SDL_TEXTUREACCESS_STREAMING, converted->w, converted->h);
        if (texture != nullptr &&
            SDL_UpdateTexture(texture, nullptr, converted->pixels, converted->pitch) != 0) {
            SDL_DestroyTexture(texture);
            texture = nullptr;
        }
    } else {
        texture = SDL_CreateTextureFromSurface(renderer_, converted.get());
    }
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
    const Loaded loaded = loadPicture(key);
    if (loaded.texture == nullptr) {
        return nullptr;
    }
    std::shared_ptr<Texture> entry(new Texture(key, loaded.texture, loaded.width, loaded.height,
                                               loaded.opaque, loaded.detail));
    loadEdges(*entry);
    textures_.emplace(std::move(key), entry);
    return entry;
}

void TextureCache::loadEdges(Texture& entry) const {
    entry.edges_.reset();
    const std::string wide = besideIn(entry.path_, "wide");
    int width = 0;
    int height = 0;
    bool opaque = false;
    SDL_Texture* texture = createTexture(wide, width, height, opaque);
    if (texture == nullptr) {
        return;
    }
    // Centred on the picture: as tall, and wider by the same margin on
    // either side.
    if (height != entry.height_ || width <= entry.width_ || (width - entry.width_) % 2 != 0) {
        SDL_DestroyTexture(texture);
        return;
    }
    entry.edges_.reset(new Texture(wide, texture, width, height, opaque, 1));
}

namespace {
std::size_t detailCost(int width, int height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 16u;
}
} // namespace

std::size_t TextureCache::detailBytes() const {
    // Counted from the live pictures, so a picture's share comes back as
    // soon as its last sprite lets it go.
    std::size_t bytes = 0;
    for (const auto& [path, weak] : textures_) {
        if (std::shared_ptr<Texture> entry = weak.lock();
            entry && entry->detail_ > 1 && entry->texture_ != nullptr) {
            bytes += detailCost(entry->width_, entry->height_);
        }
    }
    return bytes;
}

TextureCache::Loaded TextureCache::loadPicture(const std::string& path) {
    Loaded result;
    // The picture's own size from its header: it places the sprite and its
    // hit box whichever copy is drawn.
    ImageInfo own;
    if (preferDetail_ && probeImage(path, own) && own.width <= maxImageSide &&
        own.height <= maxImageSide &&
        detailBytes() + detailCost(own.width, own.height) <= detailBudgetBytes) {
        const std::string detailed = besideIn(path, "2x");
        int width = 0;
        int height = 0;
        bool opaque = false;
        SDL_Texture* texture = createTexture(detailed, width, height, opaque);
        // Only a copy of exactly twice the size stands in.
        if (texture != nullptr && width == 2 * own.width && height == 2 * own.height) {
            result.texture = texture;
            result.width = own.width;
            result.height = own.height;
            result.opaque = opaque;
            result.detail = 2;
            return result;
        }
        if (texture != nullptr) {
            SDL_DestroyTexture(texture);
        }
    }
    result.texture = createTexture(path, result.width, result.height, result.opaque);
    return result;
}

void TextureCache::setDrawScale(float scale) {
    const bool prefer = scale > detailThreshold;
    if (prefer == preferDetail_) {
        return;
    }
    preferDetail_ = prefer;
    reloadAll();
}

void TextureCache::reloadAll() {
    for (auto it = textures_.begin(); it != textures_.end();) {
        std::shared_ptr<Texture> entry = it->second.lock();
        if (!entry) {
            it = textures_.erase(it);
            continue;
        }
        entry->destroyTexture();
        entry->detail_ = 1;
        const Loaded loaded = loadPicture(entry->path_);
        // A file that changed size would move the sprites that use it: the
        // sizes of the first load stay, and only a texture of that size is
        // taken.
        if (loaded.texture != nullptr &&
            (loaded.width != entry->width_ || loaded.height != entry->height_)) {
            SDL_DestroyTexture(loaded.texture);
        } else {
            entry->replaceTexture(loaded.texture);
            entry->opaque_ = loaded.opaque;
            entry->detail_ = loaded.detail;
        }
        loadEdges(*entry);
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

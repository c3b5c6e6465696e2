// SPDX-License-Identifier: MIT
#include "tests/content/ResourceFiles.h"

#include <SDL_image.h>

#include <algorithm>
#include <fstream>

namespace qv::test {

namespace {
std::uint32_t le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (static_cast<std::uint32_t>(b[at + 1]) << 8);
}
std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return le16(b, at) | (le16(b, at + 2) << 16);
}
bool tagAt(const std::vector<std::uint8_t>& b, std::size_t at, const char* four) {
    return at + 4 <= b.size() && std::equal(four, four + 4, b.begin() + static_cast<long>(at));
}
} // namespace

std::string resourcePath(const std::string& name) {
    return std::string(QV_RESOURCES_DIR) + "/" + name;
}

std::optional<std::vector<std::uint8_t>> readBytes(const std::string& path, std::size_t limit) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        return std::nullopt;
    }
    const std::streamoff size = file.tellg();
    if (size < 0 || static_cast<std::uint64_t>(size) > limit) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(bytes.data()), size);
    if (!file) {
        return std::nullopt;
    }
    return bytes;
}

SurfacePtr loadRgba(const std::string& name) {
    SurfacePtr loaded(IMG_Load(resourcePath(name).c_str()));
    if (!loaded) {
        return nullptr;
    }
    return SurfacePtr(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGBA32, 0));
}

Rgba pixel(const SDL_Surface& s, int x, int y) {
    const auto* row = static_cast<const std::uint8_t*>(s.pixels) + static_cast<long>(y) * s.pitch;
    const std::uint8_t* p = row + x * 4;
    return {p[0], p[1], p[2], p[3]};
}

std::optional<ImageHeader> readTgaHeader(const std::vector<std::uint8_t>& b) {
    if (b.size() < 18 || b[1] != 0) {
        return std::nullopt;
    }
    ImageHeader h;
    h.compressed = b[2] >= 9;
    if (b[2] != 2 && b[2] != 10) {
        return std::nullopt; // not true colour
    }
    h.width = static_cast<int>(le16(b, 12));
    h.height = static_cast<int>(le16(b, 14));
    h.bitsPerPixel = b[16];
    h.alphaBits = b[17] & 0x0F;
    const std::size_t pixels =
        18 + b[0] +
        static_cast<std::size_t>(h.width) * h.height * static_cast<std::size_t>(h.bitsPerPixel / 8);
    if (!h.compressed && b.size() < pixels) {
        return std::nullopt;
    }
    return h;
}

std::optional<ImageHeader> readBmpHeader(const std::vector<std::uint8_t>& b) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
        return std::nullopt;
    }
    ImageHeader h;
    h.width = static_cast<int>(le32(b, 18));
    h.height = static_cast<int>(static_cast<std::int32_t>(le32(b, 22)));
    h.bitsPerPixel = static_cast<int>(le16(b, 28));
    h.compressed = le32(b, 30) != 0;
    const std::uint32_t offset = le32(b, 10);
    const std::uint64_t row =
        (static_cast<std::uint64_t>(h.width) * h.bitsPerPixel / 8 + 3) & ~3ull;
    const std::uint64_t height = h.height < 0 ? -static_cast<std::int64_t>(h.height) : h.height;
    if (offset > b.size() || b.size() - offset < row * height) {
        return std::nullopt;
    }
    return h;
}

std::optional<Wave> readWave(const std::vector<std::uint8_t>& b) {
    if (b.size() < 12 || !tagAt(b, 0, "RIFF") || !tagAt(b, 8, "WAVE")) {
        return std::nullopt;
    }
    Wave w;
    bool haveFormat = false;
    bool haveData = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::uint32_t size = le32(b, at + 4);
        const std::size_t body = at + 8;
        if (size > b.size() - body) {
            return std::nullopt;
        }
        if (tagAt(b, at, "fmt ") && size >= 16) {
            w.format = static_cast<int>(le16(b, body));
            w.channels = static_cast<int>(le16(b, body + 2));
            w.rate = static_cast<int>(le32(b, body + 4));
            w.bits = static_cast<int>(le16(b, body + 14));
            haveFormat = true;
        } else if (tagAt(b, at, "data") && haveFormat) {
            haveData = true;
            if (w.bits == 16) {
                for (std::size_t i = 0; i + 1 < size; i += 2) {
                    w.samples.push_back(static_cast<std::int16_t>(le16(b, body + i)));
                }
            }
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData) {
        return std::nullopt;
    }
    return w;
}

} // namespace qv::test

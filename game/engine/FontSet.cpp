// SPDX-License-Identifier: MIT
#include "game/engine/FontSet.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <map>

namespace qv {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

} // namespace

bool FontSet::findFace(const std::string& face, int weight, std::string& file, int& index) {
    if (!FcInit()) {
        return false;
    }
    PatternPtr pattern(FcPatternCreate());
    if (!pattern) {
        return false;
    }
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    if (!FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern)) {
        return false;
    }
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match || result != FcResultMatch) {
        return false;
    }
    FcChar8* path = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &path) != FcResultMatch || path == nullptr) {
        return false;
    }
    int faceIndex = 0;
    if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &faceIndex) != FcResultMatch) {
        faceIndex = 0;
    }
    file = reinterpret_cast<const char*>(path);
    index = faceIndex;
    return true;
}

bool FontSet::findFallback(char32_t character, int weight, std::string& file, int& index) {
    if (!FcInit()) {
        return false;
    }
    PatternPtr pattern(FcPatternCreate());
    struct CharSetDeleter {
        void operator()(FcCharSet* set) const { FcCharSetDestroy(set); }
    };
    std::unique_ptr<FcCharSet, CharSetDeleter> wanted(FcCharSetCreate());
    if (!pattern || !wanted || !FcCharSetAddChar(wanted.get(), character)) {
        return false;
    }
    // The game's own face first, then the broad faces, then every Noto
    // family fontconfig knows (it orders them after these).
    for (const char* family : {"Liberation Sans", "DejaVu Sans", "Noto Sans"}) {
        FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    }
    FcPatternAddCharSet(pattern.get(), FC_CHARSET, wanted.get());
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    if (!FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern)) {
        return false;
    }
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match || result != FcResultMatch) {
        return false;
    }
    FcCharSet* has = nullptr;
    FcChar8* path = nullptr;
    if (FcPatternGetCharSet(match.get(), FC_CHARSET, 0, &has) != FcResultMatch ||
        !FcCharSetHasChar(has, character) ||
        FcPatternGetString(match.get(), FC_FILE, 0, &path) != FcResultMatch || path == nullptr) {
        return false;
    }
    int faceIndex = 0;
    if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &faceIndex) != FcResultMatch) {
        faceIndex = 0;
    }
    file = reinterpret_cast<const char*>(path);
    index = faceIndex;
    return true;
}

void FontSet::gatherCharacters(std::u16string_view text, std::u32string& into,
                               std::vector<bool>* seen) {

    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c < 0x0300) {
            continue;
        }
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (seen != nullptr) {
            if (seen->size() <= c) {
                seen->resize(0x110000);
            }
            if ((*seen)[c]) {
                continue;
            }
            (*seen)[c] = true;
        }
        into.push_back(c);
    }
}

void FontSet::prepare(std::u32string characters) const {
    std::sort(characters.begin(), characters.end());
    characters.erase(std::unique(characters.begin(), characters.end()), characters.end());
    forEachFont([&characters](Font& font) { font.prepare(characters); });
}

FontSet::FontSet(SDL_Renderer* renderer) {
    if (TTF_Init() != 0) {
        return;
    }
    ttfStarted_ = true;
    // Faces of the same file share one copy of its bytes, read once.
    std::map<std::string, FontData> files;
    for (int i = 0; i < fontCount; ++i) {
        const FontSpec& spec = specs[static_cast<std::size_t>(i)];
        std::string file;
        int index = 0;
        if (!findFace(spec.face, spec.weight, file, index)) {
            continue;
        }
        FontData& data = files[file];
        if (!data) {
            data = readFontFile(file);
        }
        const bool bold = spec.weight >= 600;
        fonts_[static_cast<std::size_t>(i)] = Font::open(renderer, data, index, spec.height, bold);
        if (spec.fitHeight > 0) {
            fitFonts_[static_cast<std::size_t>(i)] =
                Font::open(renderer, data, index, spec.fitHeight, bold);
        }
    }
}

template <typename Action> void FontSet::forEachFont(Action action) const {
    for (const auto* set : {&fonts_, &fitFonts_}) {
        for (const auto& font : *set) {
            if (font) {
                action(*font);
            }
        }
    }
}

FontSet::~FontSet() {
    for (auto& font : fonts_) {
        font.reset();
    }
    for (auto& font : fitFonts_) {
        font.reset();
    }
    if (ttfStarted_) {
        TTF_Quit();
    }
}

Font* FontSet::font(int index) const {
    if (index < 0 || index >= fontCount) {
        return nullptr;
    }
    return fonts_[static_cast<std::size_t>(index)].get();
}

Font* FontSet::fitFont(int index) const {
    if (index < 0 || index >= fontCount) {
        return nullptr;
    }
    return fitFonts_[static_cast<std::size_t>(index)].get();
}

void FontSet::onDeviceLost() {
    forEachFont([](Font& font) { font.onDeviceLost(); });
}

bool FontSet::onDeviceReset() {
    bool ok = true;
    forEachFont([&ok](Font& font) { ok = font.onDeviceReset() && ok; });
    return ok;
}

void FontSet::setDrawScale(float scale) {
    forEachFont([scale](Font& font) { font.setDrawScale(scale); });
}

void FontSet::release() {
    forEachFont([](Font& font) { font.release(); });
}

} // namespace qv

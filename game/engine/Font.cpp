// SPDX-License-Identifier: MIT
#include "game/engine/Font.h"

#include "game/engine/FontSet.h"

#include <SDL_ttf.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include <hb-ft.h>
#include <hb.h>

#include <algorithm>
#include <cmath>
#include <map>

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

// The fallback files found so far, for regular and for bold fonts, each
// with a face kept open (unsized) to ask which characters it holds. They
// live as long as the process: every font of the weight numbers its slots
// from this one list.
struct FallbackFile {
    std::string path;
    int index = 0;
    FT_Face coverage = nullptr;
};
struct Fallbacks {
    FT_Library library = nullptr;
    std::array<std::vector<FallbackFile>, 2> files;
    // The slot last found for a script's letters, tried first for the next.
    std::array<std::unordered_map<int, int>, 2> byScript;
};

Fallbacks& fallbacks() {
    static Fallbacks all;
    if (all.library == nullptr && FT_Init_FreeType(&all.library) != 0) {
        all.library = nullptr;
    }
    return all;
}

bool fileHas(const FallbackFile& file, char32_t c) {
    return file.coverage != nullptr && FT_Get_Char_Index(file.coverage, c) != 0;
}

bool isSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// Characters laid out one by one from the face alone, as the game always
// drew them: Latin, Greek and Cyrillic letters without combining marks,
// punctuation and symbols, none that turns the writing direction.
bool plainCharacter(char32_t c) {
    if (c < 0x0300) {
        return true;
    }
    if (c < 0x0370) {
        return false; // combining accents are placed by shaping
    }
    if (c < 0x0590) {
        return true;
    }
    if (c >= 0x1E00 && c < 0x2000) {
        return true;
    }
    if (c >= 0x2000 && c < 0x2C00) {
        return !(c >= 0x200B && c <= 0x200F) && !(c >= 0x202A && c <= 0x202E) &&
               !(c >= 0x2066 && c <= 0x2069);
    }
    return c == 0xFFFD;
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
    auto face =
        std::make_unique<Face>(std::move(font), renderer, cellHeight, faceHeight, best, bold);
    face->baseline = TTF_FontAscent(face->font.get()) + (cellHeight - faceHeight) / 2;
    return face;
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

Font::Face::Face(TtfPtr ttf, SDL_Renderer* renderer, int cell, int faceCell, int points,
                 bool wantBold)
    : font(std::move(ttf)), cellHeight(cell), faceHeight(faceCell),
      atlas(renderer, 1024, pageHeightFor(cell)), pointSize(points), bold(wantBold) {}

Font::SlotFace::~SlotFace() {
    if (shaper != nullptr) {
        hb_font_destroy(shaper);
    }
    if (face != nullptr) {
        FT_Done_Face(face);
    }
}

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
        // The faces the logical size has open are opened at the new scale
        // now, not when a frame first draws from them.
        for (std::size_t slot = 0; sharp_ && slot < logical_->slots.size(); ++slot) {
            if (logical_->slots[slot] && logical_->slots[slot]->face != nullptr) {
                slotFace(*sharp_, static_cast<int>(slot));
            }
        }
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

bool Font::drawsPlainly(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            return false;
        }
        if (isSurrogate(c)) {
            c = 0xFFFD;
        }
        if (isControl(c)) {
            continue;
        }
        if (!plainCharacter(c) ||
            TTF_GlyphIsProvided32(logical_->font.get(), static_cast<Uint32>(c)) == 0) {
            return false;
        }
    }
    return true;
}

bool Font::covers(int slot, char32_t character) {
    if (slot == 0) {
        return TTF_GlyphIsProvided32(logical_->font.get(), static_cast<Uint32>(character)) != 0;
    }
    const auto& files = fallbacks().files[bold_ ? 1 : 0];
    if (slot < 0 || slot > static_cast<int>(files.size())) {
        return false;
    }
    return fileHas(files[static_cast<std::size_t>(slot - 1)], character);
}

int Font::slotFor(char32_t c) {
    if (auto known = slotOf_.find(c); known != slotOf_.end()) {
        return known->second;
    }
    int slot = noSlot;
    if (covers(0, c)) {
        slot = 0;
    } else if (c <= 0x10FFFF && !isSurrogate(c) && !isControl(c)) {
        Fallbacks& all = fallbacks();
        const std::size_t weight = bold_ ? 1 : 0;
        auto& files = all.files[weight];
        const int script = static_cast<int>(hb_unicode_script(hb_unicode_funcs_get_default(), c));
        const bool common = script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED ||
                            script == HB_SCRIPT_UNKNOWN;
        // A script's letters keep to the face found for its first one, so a
        // word is not shaped from two fonts.
        if (auto found = all.byScript[weight].find(script);
            !common && found != all.byScript[weight].end() && covers(found->second, c)) {
            slot = found->second;
        }
        for (std::size_t i = 0; common && slot == noSlot && i < files.size(); ++i) {
            if (fileHas(files[i], c)) {
                slot = static_cast<int>(i) + 1;
            }
        }
        std::string path;
        int index = 0;
        if (slot == noSlot && all.library != nullptr &&
            FontSet::findFallback(c, bold_ ? 700 : 400, path, index)) {
            auto same = std::find_if(files.begin(), files.end(), [&](const FallbackFile& f) {
                return f.path == path && f.index == index;
            });
            if (same == files.end()) {
                FallbackFile file;
                file.path = path;
                file.index = index;
                if (FT_New_Face(all.library, path.c_str(), index, &file.coverage) != 0) {
                    file.coverage = nullptr;
                }
                files.push_back(std::move(file));
                same = files.end() - 1;
            }
            if (fileHas(*same, c)) {
                slot = static_cast<int>(same - files.begin()) + 1;
            }
        }
        if (slot != noSlot && !common) {
            all.byScript[weight][script] = slot;
        }
    }
    slotOf_.emplace(c, slot);
    return slot;
}

std::unique_ptr<Font::SlotFace> Font::openSlot(int slot, int pointSize) const {
    auto opened = std::make_unique<SlotFace>();
    opened->tried = true;
    Fallbacks& all = fallbacks();
    if (all.library == nullptr || slot < 0) {
        return opened;
    }
    FT_Face face = nullptr;
    if (slot == 0) {
        if (!data_ ||
            FT_New_Memory_Face(all.library, data_->data(), static_cast<FT_Long>(data_->size()),
                               faceIndex_, &face) != 0) {
            return opened;
        }
    } else {
        const auto& files = all.files[bold_ ? 1 : 0];
        if (slot > static_cast<int>(files.size())) {
            return opened;
        }
        const FallbackFile& file = files[static_cast<std::size_t>(slot - 1)];
        if (FT_New_Face(all.library, file.path.c_str(), file.index, &face) != 0) {
            return opened;
        }
    }
    opened->face = face;
    if (FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(pointSize) * 64, 0, 0) != 0) {
        // A face of fixed sizes only: its nearest strike.
        if (face->num_fixed_sizes <= 0 || FT_Select_Size(face, 0) != 0) {
            return opened;
        }
    }
    opened->emboldened = bold_ && (face->style_flags & FT_STYLE_FLAG_BOLD) == 0;
    opened->shaper = hb_ft_font_create(face, nullptr);
    return opened;
}

Font::SlotFace* Font::slotFace(Face& face, int slot) {
    if (slot < 0 || slot > 4096) {
        return nullptr;
    }
    if (face.slots.size() <= static_cast<std::size_t>(slot)) {
        face.slots.resize(static_cast<std::size_t>(slot) + 1);
    }
    auto& held = face.slots[static_cast<std::size_t>(slot)];
    if (!held) {
        held = openSlot(slot, face.pointSize);
    }
    return held->face != nullptr ? held.get() : nullptr;
}

hb_font_t* Font::shapingFont(int slot) {
    SlotFace* face = slotFace(*logical_, slot);
    return face != nullptr ? face->shaper : nullptr;
}

void Font::prepare(std::u32string_view characters) {
    std::map<int, std::u32string> bySlot;
    for (const char32_t c : characters) {
        if (plainCharacter(c) && covers(0, c)) {
            continue;
        }
        const int slot = slotFor(c);
        if (slot != noSlot) {
            bySlot[slot] += c;
        }
    }
    for (const auto& [slot, text] : bySlot) {
        hb_font_t* shaper = shapingFont(slot);
        if (sharp_) {
            slotFace(*sharp_, slot);
        }
        if (shaper == nullptr) {
            continue;
        }
        // Shaping the characters once now reads the face's layout tables
        // and makes HarfBuzz's plan for its script, work the first text
        // drawn from it would otherwise do in its frame.
        hb_buffer_t* buffer = hb_buffer_create();
        hb_buffer_add_utf32(buffer, reinterpret_cast<const std::uint32_t*>(text.data()),
                            static_cast<int>(text.size()), 0, static_cast<int>(text.size()));
        hb_buffer_guess_segment_properties(buffer);
        hb_shape(shaper, buffer, nullptr, 0);
        hb_buffer_destroy(buffer);
    }
}

const Font::Glyph& Font::shapedGlyph(int slot, unsigned glyph) {
    return logical_->shaped(*this, slot, glyph);
}

const Font::Glyph& Font::drawShapedGlyph(int slot, unsigned glyph) {
    return sharp_ ? sharp_->shaped(*this, slot, glyph) : logical_->shaped(*this, slot, glyph);
}

int Font::boxAdvance() const {
    return logical_->boxAdvance();
}

bool Font::shapedInk(int slot, unsigned glyph, int& left, int& right) {
    hb_font_t* shaper = slot >= 0 && glyph != 0 ? shapingFont(slot) : nullptr;
    if (shaper == nullptr) {
        left = std::max(1, logical_->pointSize / 12);
        right = left + std::max(3, logical_->pointSize / 2);
        return true;
    }
    hb_glyph_extents_t extents{};
    if (!hb_font_get_glyph_extents(shaper, glyph, &extents) || extents.width == 0) {
        return false;
    }
    // Rounded outwards, as the rasterised ink covers every touched pixel.
    left = static_cast<int>(std::floor(static_cast<double>(extents.x_bearing) / 64.0));
    right =
        static_cast<int>(std::ceil(static_cast<double>(extents.x_bearing + extents.width) / 64.0));
    return right > left;
}

const Font::Glyph& Font::Face::shaped(Font& owner, int slot, unsigned glyph) {
    const std::uint64_t key =
        slot < 0 || glyph == 0
            ? 0
            : (static_cast<std::uint64_t>(slot + 1) << 32) | static_cast<std::uint64_t>(glyph);
    if (auto found = shapedGlyphs.find(key); found != shapedGlyphs.end()) {
        return glyphs[found->second];
    }
    glyphs.push_back(key == 0 ? rasteriseBox() : rasteriseShaped(owner, slot, glyph));
    shapedGlyphs.emplace(key, static_cast<std::uint32_t>(glyphs.size() - 1));
    return glyphs.back();
}

int Font::Face::boxAdvance() const {
    const int width = std::max(3, pointSize / 2);
    const int side = std::max(1, pointSize / 12);
    return width + 2 * side;
}

Font::Glyph Font::Face::rasteriseBox() {
    // An outlined box standing on the baseline, as tall as a capital: a
    // character no installed font has still shows that something is there.
    Glyph g;
    g.advance = boxAdvance();
    const int width = std::max(3, pointSize / 2);
    const int height = std::max(4, pointSize * 7 / 10);
    const int stroke = std::max(1, pointSize / 16);
    SurfacePtr box(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!box) {
        return g;
    }
    SDL_FillRect(box.get(), nullptr, 0xFFFFFFFFu);
    SDL_Rect inside{stroke, stroke, width - 2 * stroke, height - 2 * stroke};
    if (inside.w > 0 && inside.h > 0) {
        SDL_FillRect(box.get(), &inside, 0x00FFFFFFu);
    }
    GlyphAtlas::Placement placement;
    if (!atlas.insert(*box, placement)) {
        return g;
    }
    g.page = placement.page;
    g.source = placement.source;
    g.offsetX = std::max(1, pointSize / 12);
    g.offsetY = baseline - height;
    return g;
}

Font::Glyph Font::Face::rasteriseShaped(Font& owner, int slot, unsigned glyph) {
    Glyph g;
    SlotFace* held = owner.slotFace(*this, slot);
    if (held == nullptr) {
        return rasteriseBox();
    }
    FT_Face face = held->face;
    if (FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL) != 0) {
        return rasteriseBox();
    }
    if (held->emboldened && face->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
        FT_GlyphSlot_Embolden(face->glyph);
    }
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) {
        return rasteriseBox();
    }
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    g.advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
    if (bitmap.width == 0 || bitmap.rows == 0) {
        return g; // a space
    }
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.pixel_mode != FT_PIXEL_MODE_MONO) {
        return rasteriseBox();
    }
    const int w = static_cast<int>(bitmap.width);
    const int h = static_cast<int>(bitmap.rows);
    SurfacePtr image(SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!image) {
        return g;
    }
    for (int y = 0; y < h; ++y) {
        const unsigned char* from = bitmap.buffer + static_cast<std::ptrdiff_t>(y) *
                                                        static_cast<std::ptrdiff_t>(bitmap.pitch);
        auto* to = reinterpret_cast<Uint32*>(static_cast<Uint8*>(image->pixels) +
                                             static_cast<std::ptrdiff_t>(y) * image->pitch);
        for (int x = 0; x < w; ++x) {
            const Uint32 alpha = bitmap.pixel_mode == FT_PIXEL_MODE_GRAY
                                     ? from[x]
                                     : (((from[x / 8] >> (7 - x % 8)) & 1u) != 0 ? 255u : 0u);
            to[x] = (alpha << 24) | 0xFFFFFFu;
        }
    }
    GlyphAtlas::Placement placement;
    if (!atlas.insert(*image, placement)) {
        return g;
    }
    g.page = placement.page;
    g.source = placement.source;
    g.offsetX = face->glyph->bitmap_left;
    g.offsetY = baseline - face->glyph->bitmap_top;
    return g;
}

} // namespace qv

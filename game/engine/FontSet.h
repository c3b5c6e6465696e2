// SPDX-License-Identifier: MIT
#pragma once
// The game's fonts, made with the device and kept until it is destroyed:
// one face ("Arial", found through fontconfig, which on Linux gives a
// metric-compatible face) at several cell heights. Texts choose one by
// index.

#include "game/engine/Font.h"

#include <SDL.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class FontSet {
public:
    struct FontSpec {
        const char* face;
        // Cell height in pixels: ascent plus descent.
        int height;
        // 400 normal, 700 bold.
        int weight;
        // A smaller cell height of the same face for texts that must fit a
        // narrow place (0: none).
        int fitHeight;
    };
    // The first three are the texts' fonts 0 to 2; after them the faces of
    // the words drawn on plates and pictures (button labels, headings).
    static constexpr int fontCount = 9;
    static constexpr int labelFont = 3;
    static constexpr int smallLabelFont = 4;
    static constexpr int headingFont = 5;
    static constexpr int questionFont = 6;
    static constexpr int helpLabelFont = 7;
    // The host's line when it must wrap: 85% of font 0's size.
    static constexpr int hostWrapFont = 8;
    // Plate words shrink to 85% of their size before they wrap.
    static constexpr std::array<FontSpec, fontCount> specs{{
        {"Arial", 30, 400, 22},
        {"Arial", 50, 700, 0},
        {"Arial", 100, 700, 0},
        {"Arial", 22, 700, 19},
        {"Arial", 17, 700, 15},
        {"Arial", 88, 700, 75},
        {"Arial", 46, 700, 40},
        {"Arial", 15, 700, 13},
        {"Arial", 26, 400, 0},
    }};

    // Makes the fonts on the renderer (not owned; call release()
    // before it is destroyed). A face that cannot be found or opened leaves
    // its font null; texts given it draw nothing.
    explicit FontSet(SDL_Renderer* renderer);
    ~FontSet();
    FontSet(const FontSet&) = delete;
    FontSet& operator=(const FontSet&) = delete;

    // The font at the index, or null (missing, or index out of range).
    Font* font(int index) const;
    Font* operator[](int index) const { return font(index); }
    // The smaller companion of the font at the index, or null (none made).
    Font* fitFont(int index) const;

    // The device was lost: every atlas gives up its textures.
    void onDeviceLost();
    // The device is back: every atlas is made again. False when one could
    // not be (its font then draws nothing until the next reset).
    bool onDeviceReset();
    // The scale the logical screen is drawn at now: above 1 every font
    // draws glyphs rasterised at that scale (see Font::setDrawScale).
    void setDrawScale(float scale);
    // The renderer is being destroyed: textures freed, nothing drawn after.
    void release();

    // The font file fontconfig gives for the face and weight (400, 700...),
    // with its index in a collection; false when there is none.
    static bool findFace(const std::string& face, int weight, std::string& file, int& index);
    // The font file fontconfig gives for a character the game's face lacks:
    // the first of Liberation Sans, DejaVu Sans and the Noto families that
    // has it, at the weight; false when no installed font has it.
    static bool findFallback(char32_t character, int weight, std::string& file, int& index);

    // Opens the fallback faces the characters need in every font now (for
    // a set or a name as it is chosen, not in the middle of a frame).
    // Characters every font draws from its own face cost nothing.
    void prepare(std::u32string characters) const;
    // Adds the characters of the text that may need another face than the
    // game's (none for Latin text up to U+02FF) to `into`; with `seen`, only
    // those not seen before (it marks them), so that gathering a large set
    // keeps one entry per character.
    static void gatherCharacters(std::u16string_view text, std::u32string& into,
                                 std::vector<bool>* seen = nullptr);

private:
    template <typename Action> void forEachFont(Action action) const;

    std::array<std::unique_ptr<Font>, fontCount> fonts_;
    std::array<std::unique_ptr<Font>, fontCount> fitFonts_;
    bool ttfStarted_ = false;
};

} // namespace qv

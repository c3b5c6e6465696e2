// SPDX-License-Identifier: MIT
#pragma once
// A string in the draw list, drawn with one font of the FontSet through the
// same batch as the pictures and faded by the same envelope. It can appear
// letter by letter.
//
// Placement: the text starts at x = 2 × position.x on the screen, and the
// block of all its lines (cellHeight apart) is centred vertically on
// y = 2 × position.y + 384. Lines break only at the line breaks in the
// string (CR, LF, or CR LF as one).
//
// Fitting: a text given a maximum width whose widest line would run past it
// is drawn narrower instead, the same for every frame of its reveal. A little
// too wide, it is squeezed sideways (to no less than minSqueeze); wider, it
// goes to the fit font, wrapped at spaces into at most fitLines lines and
// squeezed only as far as it still must. Its left edge and block centre stay
// where they were; a text that fits is drawn exactly as without a limit.
//
// Text the font cannot draw letter by letter (right-to-left scripts, joined
// or combined letters, characters from a fallback face: see TextShaper) is
// shaped, line by line, under the same rules; it may also break between
// two Chinese or Japanese characters. A right-to-left paragraph's lines are
// aligned on the right edge of the block.

#include "game/engine/Drawable.h"
#include "game/engine/Font.h"
#include "game/engine/TextShaper.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class SpriteBatch;

class TextDrawable : public Drawable {
public:
    TextDrawable() = default;
    ~TextDrawable() override = default;

    Kind kind() const override { return Kind::Text; }

    // Steps the envelope and queues the shown letters as glyph quads at
    // depth position.z, tinted by colour. Without a font or without a text
    // it does nothing, and the envelope does not advance.
    bool draw(float elapsed, const std::optional<Vec3>& pointer, bool click) override;

    // Keeps a copy of the string; the envelope goes on where it is, so a
    // shown text changes in the next frame without fading in again.
    void setText(std::u16string_view text);
    // Back to no text at all (draws nothing, does not age).
    void clearText();
    bool hasText() const { return hasText_; }
    const std::u16string& text() const { return text_; }

    // The code units shown now: the whole text, or with typewriter the first
    // ⌊age / secondsPerLetter⌋ of them, cut back to a whole grapheme (never
    // half a surrogate pair, a letter without its accents or half a
    // conjunct).
    std::size_t visibleLength() const;
    std::u16string_view visibleText() const { return {text_.data(), visibleLength()}; }
    // Lines of the whole text (an empty text has one).
    int lineCount() const { return lineCount_; }

    // Where the text of a drawable at `at` starts, and the middle of its
    // block, in screen pixels.
    static float screenLeft(const Vec3& at);
    static float blockCentre(const Vec3& at);

    // How the whole text is drawn: font, sideways scale, and the spaces
    // (code unit indexes) drawn as line breaks. Null font: nothing to draw.
    struct Layout {
        Font* font = nullptr;
        float squeeze = 1.0f;
        std::vector<std::size_t> wraps;
        int lines = 1;
        // The widest line as drawn, from the left edge to its last ink.
        float width = 0.0f;
        // False: the text is shaped, and these are its lines.
        bool plain = true;
        std::vector<ShapedLine> shaped;
    };
    const Layout& layout();
    // From the pen at the start of the text to the right edge of the ink of
    // its widest line (line breaks as in the text), unscaled.
    static int inkWidth(Font& font, std::u16string_view text);

    static constexpr float minSqueeze = 0.8f;
    // Below this share of its font size a text no longer counts as fitting
    // its place (a smaller font, a sideways squeeze, or both).
    static constexpr float fitSqueeze = 0.85f;

    // The font size drawn over the font size asked (the fit font's cell
    // height over the font's, times the sideways squeeze); 1 unfitted.
    float squeezeDrawn();
    // Whether the text keeps to its place: drawn at no less than fitSqueeze
    // of its size, within its maximum width, its lines within `roomHeight`
    // (0: any height) and, placed at `position`, inside the 1024 x 768
    // screen. A text with no font or no text fits.
    bool fits(float roomHeight = 0.0f);

    // Queues the shown letters at position and colour, without stepping the
    // envelope: for a text drawn as part of another drawable (a button's
    // label), which steps the envelope it follows itself.
    void queueGlyphs();

    // Not owned: one of the FontSet's fonts, or null.
    Font* font = nullptr;
    bool typewriter = false;
    float secondsPerLetter = 0.05f;
    // Screen pixels; 0 or less: no limit.
    float maxWidth = 0.0f;
    // Not owned: the smaller face fitting falls back on, or null (the text
    // then stays in its font, squeezed as far as it must be).
    Font* fitFont = nullptr;
    int fitLines = 1;
    // How far a text a little too wide is squeezed sideways before it goes
    // to the fit font.
    float leastSqueeze = minSqueeze;
    // Extra pixels between letters (text drawn letter by letter only).
    int tracking = 0;

private:
    struct LayoutKey {
        Font* font = nullptr;
        Font* fitFont = nullptr;
        float maxWidth = 0.0f;
        int fitLines = 1;
        float leastSqueeze = minSqueeze;
        int tracking = 0;
        bool valid = false;
        bool operator==(const LayoutKey&) const = default;
    };
    // Breaks lines at spaces so none is wider than `width`, where a space
    // allows it; false when that takes more than `lines` lines.
    bool wrapTo(Font& face, float width, int lines, std::vector<std::size_t>& wraps) const;
    void fit();
    void fitShaped();
    // Shaped counterparts: breaks at spaces and between CJK characters;
    // every line of the text with the breaks in `wraps`.
    bool wrapShaped(const std::vector<std::vector<BreakUnit>>& units, float width, int lines,
                    std::vector<std::size_t>& wraps) const;
    std::vector<ShapedLine> shapeLines(Font& face, const std::vector<std::size_t>& wraps) const;
    void drawShaped(SpriteBatch& batch, Font& face, const Layout& fitted, std::size_t shown,
                    float left, float top);
    // Draws with the font's sharp glyphs (its draw scale is above 1).
    void drawSharp(SpriteBatch& batch, Font& face, const Layout& fitted, std::size_t shown,
                   float left, float top);

    std::u16string text_;
    bool hasText_ = false;
    int lineCount_ = 1;
    Layout layout_;
    LayoutKey layoutKey_;
};

} // namespace qv

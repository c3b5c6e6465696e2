#pragma once
// A string in the draw list, drawn with one font of the FontSet through the
// same batch as the pictures and faded by the same envelope. It can appear
// letter by letter.
//
// Placement: the text starts at x = 2 × position.x on the screen, and the
// block of all its lines (cellHeight apart) is centred vertically on
// y = 2 × position.y + 384. Lines break only at the line breaks in the
// string (CR, LF, or CR LF as one).

#include "game/engine/Drawable.h"
#include "game/engine/Font.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

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
    // ⌊age / secondsPerLetter⌋ of them, never half a surrogate pair.
    std::size_t visibleLength() const;
    std::u16string_view visibleText() const { return {text_.data(), visibleLength()}; }
    // Lines of the whole text (an empty text has one).
    int lineCount() const { return lineCount_; }

    // Where the text of a drawable at `at` starts, and the middle of its
    // block, in screen pixels.
    static float screenLeft(const Vec3& at);
    static float blockCentre(const Vec3& at);

    // Not owned: one of the FontSet's fonts, or null.
    Font* font = nullptr;
    bool typewriter = false;
    float secondsPerLetter = 0.05f;

private:
    std::u16string text_;
    bool hasText_ = false;
    int lineCount_ = 1;
};

} // namespace qv

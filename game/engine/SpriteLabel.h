// SPDX-License-Identifier: MIT
#pragma once
// Words drawn on a picture at run time: a button's label on its plate, a
// heading over a screen's art. The label belongs to its sprite and is drawn
// with it, at the output's scale, so it is as sharp as any text and can be
// given in any language; it follows the sprite's place, fade and button
// state (a colour and a shadow per state, the pressed look a pixel lower).
//
// Fitting: the label keeps to its room, a box centred at `offset` from the
// sprite's position. Too wide, it is squeezed to 85% of its size, then set
// in the smaller fit font, wrapped to two lines where the room is tall
// enough for them, and squeezed as far as it must be so that it is never
// drawn outside the room; it then reports that it does not fit.

#include "game/engine/Colour.h"
#include "game/engine/TextDrawable.h"

#include <array>

namespace qv {

struct LabelLook {
    // By button state: normal, hilighted, pressed. A picture that is not a
    // button uses the first.
    std::array<Colour, 3> colours{opaqueWhite, opaqueWhite, opaqueWhite};
    std::array<Colour, 3> shadows{Colour{0, 0, 0, 0}, Colour{0, 0, 0, 0}, Colour{0, 0, 0, 0}};
    // A halo all round (headings) rather than a soft drop shadow.
    bool glow = false;
    // Starts at the room's left edge rather than centred in it.
    bool alignLeft = false;
    // Ends at the room's right edge (amounts in a column).
    bool alignRight = false;
    // Extra pixels between letters.
    int tracking = 0;
};

// One colour and one shadow in every button state.
LabelLook oneColourLook(Colour text, Colour shadow = Colour{0, 0, 0, 0});
// The words on a button's plate: cream, white while pointed at, with a dark
// drop that turns ember when lit.
LabelLook plateLook();

class SpriteLabel {
public:
    SpriteLabel(Font* font, Font* fitFont, Vec3 offset, float roomWidth, float roomHeight,
                const LabelLook& look);

    void setText(std::u16string_view text) { text_.setText(text); }
    const std::u16string& text() const { return text_.text(); }
    // Places the words for a sprite at `at` in button state `state`, tinted
    // by the sprite's colour, and queues them (shadow first) at `depth`.
    void draw(const Vec3& at, int state, Colour tint, float depth, bool queue);

    // As the dump reports them: where the words were last placed, their
    // colour, the font size drawn over the size asked, and whether they fit.
    const TextDrawable& words() const { return text_; }
    float squeeze() { return text_.squeezeDrawn(); }
    bool fits() { return text_.fits(roomHeight_); }
    float drawnWidth() { return text_.layout().width; }
    float roomWidth() const { return roomWidth_; }
    float roomHeight() const { return roomHeight_; }

private:
    TextDrawable text_;
    Vec3 offset_;
    float roomWidth_;
    float roomHeight_;
    LabelLook look_;
};

} // namespace qv

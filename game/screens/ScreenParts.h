// SPDX-License-Identifier: MIT
#pragma once
// Small steps that the title, settings and game-over screens build their
// drawables with, so that each screen reads as its table of elements.

#include <string>
#include <string_view>

#include "game/engine/Colour.h"
#include "game/engine/FontSet.h"
#include "game/engine/SpriteLabel.h"
#include "game/engine/Vec3.h"

namespace qv {

class InputMapper;
class ScreenHost;
class Sprite;
class TextDrawable;

namespace screen {

// The menus' texts are a little dimmer than white; elements fade from and to
// nothing.
constexpr Colour dimWhite{255, 255, 255, 200};
constexpr Colour clear{0, 0, 0, 0};

// The menus' turning backdrop (768 pixels square) is centred on the
// screen's top-left corner. At any angle it must reach the farthest corner
// of the window, bars included: 1605 logical pixels away on a 21:9 window
// (1408, 768), so its half side is at least that (768 x 4.2 / 2 = 1613).
// Smaller, a wide window's bottom-right corner shows black as it turns.
constexpr float turningBackdropScale = 4.2f;

struct ButtonImages {
    const char* normal;
    const char* hilight;
    const char* pressed;
};

struct Envelope {
    Colour fullColour = opaqueWhite;
    Colour fadedColour = opaqueBlack;
    float fadeIn = 0.0f;
    float fadeOut = 0.0f;
};

// The art of a screen: its one image added to the draw list through the
// layer, placed and given its envelope. Not started.
void makePicture(ScreenHost& host, Sprite& picture, std::string_view image, Vec3 position,
                 const Envelope& envelope);

// A button loaded with its three images and attached with them. Buttons that
// act only once their press has played out, and keep looking pressed while
// it fades, get `actsAfterPress`. Not started.
void makeButton(ScreenHost& host, Sprite& button, const ButtonImages& images, Vec3 position,
                bool actsAfterPress);

// A text with font `fontIndex` of the game (none when the game has no such
// font), added to the draw list. Not started.
void makeText(ScreenHost& host, TextDrawable& text, int fontIndex, Vec3 position,
              const Envelope& envelope, std::u16string_view content = {});

// The looks of words on the menus' pictures besides a plate's label
// (plateLook): a heading (large and light with a coral glow) and a caption
// (coral, flat).
LabelLook headingLook();
LabelLook captionLook();

// Writes `words` on a button's plate, `inset` pixels in from its edges.
SpriteLabel& labelButton(ScreenHost& host, Sprite& button, std::u16string_view words,
                         int fontIndex = FontSet::labelFont, float inset = 12.0f);
// Writes `words` on a picture (already placed) in a room of the given size
// centred on the screen point `centre`.
SpriteLabel& writeOn(ScreenHost& host, Sprite& picture, std::u16string_view words, int fontIndex,
                     Vec3 centre, float roomWidth, float roomHeight, const LabelLook& look);

// Puts the pointer's arrow back at the head of the draw list, so it is drawn
// over the screen, and shows it when it is not shown.
void showCursor(ScreenHost& host);

// Switches a button off with both its images, and readies its pressed image
// for the next click.
void stopButton(Sprite& button);

// A whole number in decimal, as "%d" prints it.
std::u16string decimal(int value);

// Input code 9, the left mouse button, on action 0, not shared, in slot 1:
// the settings and game-over screens' own mapper. With the lock, a button
// still held from the screen before counts only once it was let go.
void bindLeftButton(InputMapper& input);

} // namespace screen
} // namespace qv

// SPDX-License-Identifier: MIT
#include "game/screens/ScreenParts.h"

#include "game/engine/InputMapper.h"
#include "game/engine/Sprite.h"
#include "game/engine/SpriteLayer.h"
#include "game/engine/TextDrawable.h"
#include "game/screens/ScreenHost.h"

namespace qv::screen {

namespace {

void applyEnvelope(Drawable& drawable, const Envelope& envelope) {
    drawable.fullColour = envelope.fullColour;
    drawable.fadedColour = envelope.fadedColour;
    drawable.fadeIn = envelope.fadeIn;
    drawable.fadeOut = envelope.fadeOut;
}

} // namespace

void makePicture(ScreenHost& host, Sprite& picture, std::string_view image, Vec3 position,
                 const Envelope& envelope) {
    host.layer().add(picture, image);
    picture.position = position;
    applyEnvelope(picture, envelope);
}

void makeButton(ScreenHost& host, Sprite& button, const ButtonImages& images, Vec3 position,
                bool actsAfterPress) {
    button.load(host.layer().textures(), images.normal, images.hilight, images.pressed);
    button.position = position;
    button.keepPressedLook = actsAfterPress;
    button.clickAfterPress = actsAfterPress;
    button.attach();
}

void makeText(ScreenHost& host, TextDrawable& text, int fontIndex, Vec3 position,
              const Envelope& envelope, std::u16string_view content) {
    text.font = host.font(fontIndex);
    text.position = position;
    applyEnvelope(text, envelope);
    text.setText(content);
    host.layer().add(text);
}

LabelLook headingLook() {
    LabelLook look = oneColourLook(Colour{255, 250, 238, 255}, Colour{255, 126, 92, 230});
    look.glow = true;
    look.tracking = 5;
    return look;
}

LabelLook captionLook() {
    LabelLook look = oneColourLook(Colour{255, 168, 128, 255});
    look.tracking = 3;
    return look;
}

SpriteLabel& labelButton(ScreenHost& host, Sprite& button, std::u16string_view words, int fontIndex,
                         float inset) {
    SpriteLabel& label =
        button.addPlateLabel(host.font(fontIndex), host.fitFont(fontIndex), inset, plateLook());
    label.setText(words);
    return label;
}

SpriteLabel& writeOn(ScreenHost& host, Sprite& picture, std::u16string_view words, int fontIndex,
                     Vec3 centre, float roomWidth, float roomHeight, const LabelLook& look) {
    const Vec3 offset{centre.x - picture.position.x, centre.y - picture.position.y, 0.0f};
    SpriteLabel& label = picture.addLabel(host.font(fontIndex), host.fitFont(fontIndex), offset,
                                          roomWidth, roomHeight, look);
    label.setText(words);
    return label;
}

void showCursor(ScreenHost& host) {
    Sprite* cursor = host.cursor();
    if (cursor == nullptr) {
        return;
    }
    host.layer().add(*cursor);
    if (!cursor->enabled) {
        cursor->start();
    }
}

void stopButton(Sprite& button) {
    button.enabled = false;
    button.queuedClicks = 0;
    // Started again, the button looks at rest until the pointer is seen on
    // it: its hilight and pressed pictures are off now, and a state left
    // pointing at them would draw them with whatever colour they had last.
    button.buttonState = 0;
    if (Sprite* hilight = button.hilightImage()) {
        hilight->enabled = false;
    }
    if (Sprite* pressed = button.pressedImage()) {
        pressed->enabled = false;
        pressed->restart();
    }
}

std::u16string decimal(int value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

void bindLeftButton(InputMapper& input) {
    input.bind(InputCode::MouseLeft, 0, false);
    input.claimSlot(1, true);
}

} // namespace qv::screen

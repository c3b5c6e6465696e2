// SPDX-License-Identifier: MIT
#pragma once
// Everything the game shows is a Drawable in the draw list of the one
// SpriteLayer. A drawable carries its own timing: once started it fades in,
// holds, fades out and switches itself off, so screens only start and stop it.

#include "game/engine/Colour.h"
#include "game/engine/Vec3.h"

#include <optional>

namespace qv {

class SpriteLayer;

class Drawable {
public:
    enum class Kind { Sprite = 1, Text = 2 };

    Drawable() = default;
    // Unlinks the drawable from the draw list it is in.
    virtual ~Drawable();
    Drawable(const Drawable&) = delete;
    Drawable& operator=(const Drawable&) = delete;

    virtual Kind kind() const = 0;
    // Steps the envelope by the elapsed seconds and queues the drawable's
    // pictures in the layer's batch (only while the layer is drawing). The
    // pointer is absent when nothing can point; click says the pointer's
    // button went down this frame. Returns whether anything was drawn.
    virtual bool draw(float elapsed, const std::optional<Vec3>& pointer, bool click);
    // Clears fadingOut and adds the drawable to the process-wide layer.
    virtual void attach();
    virtual void hover(const std::optional<Vec3>& pointer);
    virtual void click(const std::optional<Vec3>& pointer);
    // Ends a played-out click: the old hold comes back.
    virtual void restart();
    // The envelope of the pressed image of a button; 0 for anything else.
    virtual float pressedAge() const { return 0.0f; }
    virtual float pressedHold() const { return 0.0f; }
    virtual float pressedFadeIn() const { return 0.0f; }
    virtual float pressedFadeOut() const { return 0.0f; }

    // Switches the drawable on and begins its envelope again from age 0, also
    // when it is already on: callers that must not restart a shown drawable
    // test enabled first.
    void start();

    // The layer whose draw list holds this drawable, or null.
    SpriteLayer* layer() const { return layer_; }
    // The next drawable in draw-list order (towards the oldest), or null.
    Drawable* next() const { return next_; }

    bool enabled = false;
    float age = 0.0f;
    Vec3 position;
    Colour fullColour = opaqueWhite;
    Colour colour{0, 0, 0, 255};
    float savedHold = -1.0f;
    // Seconds at full colour after the fade-in; below 0 for ever.
    float hold = -1.0f;
    bool pressPending = false;
    // Raised for the owner, which reads it and sets it back to false.
    bool clicked = false;
    // Reads and clears the click latch: true once for each click.
    bool takeClick() {
        const bool was = clicked;
        clicked = false;
        return was;
    }
    Colour fadedColour = opaqueBlack;
    float fadeIn = 0.0f;
    float fadeOut = 0.0f;
    bool interactive = false;
    bool keepPressedLook = false;
    bool clickAfterPress = false;
    bool clickReported = false;
    bool fadingOut = false;
    // A button that stays on the screen and may be pressed again and again
    // (a count's arrows): clicks that come while its press still plays are
    // kept and played, in turn, after it, so none is lost.
    bool queuesClicks = false;
    int queuedClicks = 0;
    static constexpr int maxQueuedClicks = 16;

protected:
    // The part of draw shared by every kind; false when the drawable is off.
    bool stepEnvelope(float elapsed, const std::optional<Vec3>& pointer, bool click);
    // True while start runs draw to set the colour: nothing may be queued for
    // the screen then, even when start is called from inside a pass.
    bool starting() const { return starting_; }

private:
    friend class SpriteLayer;
    Drawable* next_ = nullptr;
    Drawable* previous_ = nullptr;
    SpriteLayer* layer_ = nullptr;
    bool starting_ = false;
};

} // namespace qv

// SPDX-License-Identifier: MIT
#pragma once
// The draw list and the one batch of 2D output. The list is threaded through
// the drawables themselves, newest at the head; the layer does not own them,
// and a drawable that is destroyed unlinks itself. The layer publishes itself
// in a process-wide pointer while it exists.

#include "game/engine/Drawable.h"
#include "game/engine/SpriteBatch.h"
#include "game/engine/TextureCache.h"

#include <SDL.h>

#include <memory>
#include <optional>
#include <string_view>

namespace qv {

class SpriteLayer {
public:
    // Keeps the renderer (not owned) and creates the batch; without a
    // renderer there is no batch and drawAll draws nothing. Destroy the layer
    // before the renderer.
    explicit SpriteLayer(SDL_Renderer* renderer);
    ~SpriteLayer();
    SpriteLayer(const SpriteLayer&) = delete;
    SpriteLayer& operator=(const SpriteLayer&) = delete;

    // The layer in use, or null.
    static SpriteLayer* instance();

    // Puts the drawable at the head of the list unless it is already in it.
    // A sprite given a path loads that file as its one image first.
    void add(Drawable& drawable, std::string_view imagePath = {});
    // Unlinks the drawable if it is in this list; safe during drawAll.
    void remove(Drawable& drawable);
    // Unlinks every drawable; they live on and their owners destroy them.
    void removeAll();
    bool contains(const Drawable& drawable) const { return drawable.layer() == this; }

    // Once per frame, onto a frame just cleared to the renderer's draw
    // colour: steps every enabled drawable in list order and draws them in
    // one batch. A draw may remove drawables or empty the list (a screen
    // change from inside a step); the pass then goes on with what is left.
    // On the software renderer the still back of the frame is kept between
    // frames (SpriteBatch::setKeepStillBack).
    void drawAll(float elapsed, const std::optional<Vec3>& pointer, bool click);

    // The batch, for drawables that draw through it; null without one.
    SpriteBatch* batch() { return batch_.get(); }
    // The shared textures of this layer's renderer.
    TextureCache& textures() { return textures_; }

    // The renderer is about to lose its device objects. Nothing of the batch
    // needs giving up; kept so the shell's device-lost path reads as one.
    void onDeviceLost() {}
    // The renderer lost its textures (SDL_RENDER_DEVICE_RESET): reload them.
    void onDeviceReset();
    // The renderer is being destroyed: empty the list, free the textures
    // (sprites keep their sizes but show nothing) and drop the batch.
    void release();

    // The head of the draw list (most recently added), for listing it with
    // Drawable::next.
    const Drawable* first() const { return first_; }
    template <typename Visit> void forEach(Visit&& visit) const {
        for (const Drawable* d = first_; d != nullptr; d = d->next()) {
            visit(*d);
        }
    }

    // While set, every drawable sees the pointer far off the screen, so
    // nothing can be hovered or clicked.
    bool pointerBlocked = false;
    // While a screen takes typed text, Space and Return are its own: they
    // type and confirm rather than click where the pointer is.
    bool textEntry = false;
    // Set by screens after a long loading frame: the next drawAll steps with
    // 0 seconds so that fades do not jump ahead.
    bool skipNextElapsed = false;

private:
    SDL_Renderer* renderer_;
    TextureCache textures_;
    std::unique_ptr<SpriteBatch> batch_;
    Drawable* first_ = nullptr;
    // The drawable the running pass visits next; moved on when it is removed.
    Drawable* passNext_ = nullptr;
    bool inPass_ = false;
};

} // namespace qv

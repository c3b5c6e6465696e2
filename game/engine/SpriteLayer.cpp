// SPDX-License-Identifier: MIT
#include "game/engine/SpriteLayer.h"

#include "game/engine/Sprite.h"

namespace qv {

namespace {
SpriteLayer* current = nullptr;
}

SpriteLayer::SpriteLayer(SDL_Renderer* renderer) : renderer_(renderer), textures_(renderer) {
    if (renderer_ != nullptr) {
        batch_ = std::make_unique<SpriteBatch>(renderer_);
        batch_->setFrameCleared(true);
    }
    current = this;
}

SpriteLayer::~SpriteLayer() {
    release();
    if (current == this) {
        current = nullptr;
    }
}

SpriteLayer* SpriteLayer::instance() {
    return current;
}

void SpriteLayer::add(Drawable& drawable, std::string_view imagePath) {
    if (drawable.layer_ == this) {
        return;
    }
    if (drawable.layer_ != nullptr) {
        drawable.layer_->remove(drawable);
    }
    if (drawable.kind() == Drawable::Kind::Sprite && !imagePath.empty()) {
        static_cast<Sprite&>(drawable).load(textures_, imagePath);
    }
    drawable.previous_ = nullptr;
    drawable.next_ = first_;
    if (first_ != nullptr) {
        first_->previous_ = &drawable;
    }
    first_ = &drawable;
    drawable.layer_ = this;
}

void SpriteLayer::remove(Drawable& drawable) {
    if (drawable.layer_ != this) {
        return;
    }
    if (passNext_ == &drawable) {
        passNext_ = drawable.next_;
    }
    if (drawable.previous_ != nullptr) {
        drawable.previous_->next_ = drawable.next_;
    } else {
        first_ = drawable.next_;
    }
    if (drawable.next_ != nullptr) {
        drawable.next_->previous_ = drawable.previous_;
    }
    drawable.next_ = nullptr;
    drawable.previous_ = nullptr;
    drawable.layer_ = nullptr;
}

void SpriteLayer::removeAll() {
    Drawable* d = first_;
    while (d != nullptr) {
        Drawable* next = d->next_;
        d->next_ = nullptr;
        d->previous_ = nullptr;
        d->layer_ = nullptr;
        d = next;
    }
    first_ = nullptr;
    passNext_ = nullptr;
}

void SpriteLayer::drawAll(float elapsed, const std::optional<Vec3>& pointer, bool click) {
    if (!batch_ || inPass_) {
        return;
    }
    if (skipNextElapsed) {
        elapsed = 0.0f;
        skipNextElapsed = false;
    }
    std::optional<Vec3> seen = pointer;
    if (pointerBlocked) {
        seen = Vec3{-999.9f, -999.9f, 0.0f};
    }
    inPass_ = true;
    batch_->begin();
    passNext_ = first_;
    while (passNext_ != nullptr) {
        Drawable* d = passNext_;
        passNext_ = d->next_;
        if (d->enabled) {
            batch_->nextGroup();
            d->draw(elapsed, seen, click);
        }
    }
    batch_->end();
    inPass_ = false;
}

void SpriteLayer::onDeviceReset() {
    if (batch_) {
        batch_->forgetCopies();
    }
    textures_.reloadAll();
}

void SpriteLayer::release() {
    removeAll();
    if (batch_) {
        batch_->forgetCopies();
    }
    textures_.releaseAll();
    batch_.reset();
    renderer_ = nullptr;
}

} // namespace qv

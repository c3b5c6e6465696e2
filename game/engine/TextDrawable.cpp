#include "game/engine/TextDrawable.h"

#include "game/engine/SpriteLayer.h"

#include <cmath>

namespace qv {

namespace {

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

int countLines(std::u16string_view text) {
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            ++lines;
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
        } else if (text[i] == u'\n') {
            ++lines;
        }
    }
    return lines;
}

} // namespace

void TextDrawable::setText(std::u16string_view text) {
    text_.assign(text);
    hasText_ = true;
    lineCount_ = countLines(text_);
}

void TextDrawable::clearText() {
    text_.clear();
    hasText_ = false;
    lineCount_ = 1;
}

std::size_t TextDrawable::visibleLength() const {
    std::size_t count = text_.size();
    if (typewriter) {
        // In float, as the pace is given: 1 s at 0.05 s a letter is 20
        // letters, not 19.99... A pace of 0 or less, or not a number, shows
        // the whole text at once rather than dividing by it.
        const float letters = secondsPerLetter > 0.0f ? age / secondsPerLetter : 0.0f;
        if (secondsPerLetter > 0.0f && letters < static_cast<float>(count)) {
            count = letters > 0.0f ? static_cast<std::size_t>(letters) : 0;
        }
    }
    if (count > 0 && count < text_.size() && isHighSurrogate(text_[count - 1]) &&
        isLowSurrogate(text_[count])) {
        --count;
    }
    return count;
}

float TextDrawable::screenLeft(const Vec3& at) {
    return std::trunc(at.x) + at.x;
}

float TextDrawable::blockCentre(const Vec3& at) {
    return std::trunc(at.y) + 384.0f + at.y;
}

bool TextDrawable::draw(float elapsed, const std::optional<Vec3>& pointer, bool click) {
    if (font == nullptr || !hasText_) {
        return false;
    }
    if (!stepEnvelope(elapsed, pointer, click)) {
        return false;
    }
    SpriteLayer* layer = SpriteLayer::instance();
    SpriteBatch* batch = layer != nullptr ? layer->batch() : nullptr;
    if (batch == nullptr || !batch->active() || colour.a == 0) {
        return true;
    }
    const std::size_t shown = visibleLength();
    const int lineHeight = font->cellHeight();
    const float left = std::floor(screenLeft(position));
    const float top = std::floor(blockCentre(position) -
                                 static_cast<float>(lineCount_ * lineHeight) * 0.5f + 0.5f);

    batch->setTransform(Matrix4::translation(0.0f, 0.0f, position.z));
    int penX = 0;
    int line = 0;
    for (std::size_t i = 0; i < shown; ++i) {
        char32_t c = text_[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < shown && text_[i + 1] == u'\n') {
                ++i;
            }
            ++line;
            penX = 0;
            continue;
        }
        if (isHighSurrogate(static_cast<char16_t>(c)) && i + 1 < shown &&
            isLowSurrogate(text_[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text_[i + 1] - 0xDC00u);
            ++i;
        } else if (isHighSurrogate(static_cast<char16_t>(c)) ||
                   isLowSurrogate(static_cast<char16_t>(c))) {
            c = 0xFFFD;
        } else if (c == u'\t') {
            c = u' ';
        }
        const Font::Glyph& g = font->glyph(c);
        if (g.visible()) {
            const Vec3 at{left + static_cast<float>(penX + g.offsetX),
                          top + static_cast<float>(line * lineHeight + g.offsetY), 0.0f};
            batch->draw(font->texture(g.page), g.source, Vec3{}, at, colour);
        }
        penX += g.advance;
    }
    batch->setTransform(Matrix4::identity());
    return true;
}

} // namespace qv

// SPDX-License-Identifier: MIT
#include "game/engine/TextDrawable.h"

#include "game/engine/SpriteLayer.h"

#include <algorithm>
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

// Walks the first `end` code units line by line: onCharacter(index, code
// point) for each character drawn (a surrogate pair joined, a lone half as
// U+FFFD, a tab as a space) and onBreak() at each line break, the text's own
// or a space listed in `wraps` (ascending).
template <typename OnCharacter, typename OnBreak>
void walk(std::u16string_view text, std::size_t end, const std::vector<std::size_t>& wraps,
          OnCharacter onCharacter, OnBreak onBreak) {
    auto wrap = wraps.begin();
    for (std::size_t i = 0; i < end; ++i) {
        char32_t c = text[i];
        while (wrap != wraps.end() && *wrap < i) {
            ++wrap;
        }
        if (c == u'\r' || c == u'\n' || (wrap != wraps.end() && *wrap == i)) {
            if (c == u'\r' && i + 1 < end && text[i + 1] == u'\n') {
                ++i;
            }
            onBreak();
            continue;
        }
        const std::size_t at = i;
        if (isHighSurrogate(static_cast<char16_t>(c)) && i + 1 < end &&
            isLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            ++i;
        } else if (isHighSurrogate(static_cast<char16_t>(c)) ||
                   isLowSurrogate(static_cast<char16_t>(c))) {
            c = 0xFFFD;
        } else if (c == u'\t') {
            c = u' ';
        }
        onCharacter(at, c);
    }
}

int inkRight(int penX, const Font::Glyph& g) {
    return g.visible() ? penX + g.offsetX + (g.source.right - g.source.left) : 0;
}

int widestInk(Font& font, std::u16string_view text, const std::vector<std::size_t>& wraps,
              int tracking = 0) {
    int widest = 0;
    int penX = 0;
    walk(
        text, text.size(), wraps,
        [&](std::size_t, char32_t c) {
            const Font::Glyph& g = font.glyph(c);
            widest = std::max(widest, inkRight(penX, g));
            penX += g.advance + tracking;
        },
        [&] { penX = 0; });
    return widest;
}

// The hard lines of the text as [begin, end) code unit ranges.
std::vector<std::pair<std::size_t, std::size_t>> hardLines(std::u16string_view text) {
    std::vector<std::pair<std::size_t, std::size_t>> lines;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            lines.emplace_back(begin, i);
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            begin = i + 1;
        }
    }
    lines.emplace_back(begin, text.size());
    return lines;
}

int widestShaped(const std::vector<ShapedLine>& lines) {
    int widest = 0;
    for (const ShapedLine& line : lines) {
        widest = std::max(widest, line.inkRight);
    }
    return widest;
}

} // namespace

void TextDrawable::setText(std::u16string_view text) {
    text_.assign(text);
    hasText_ = true;
    lineCount_ = countLines(text_);
    layoutKey_.valid = false;
}

void TextDrawable::clearText() {
    text_.clear();
    hasText_ = false;
    lineCount_ = 1;
    layoutKey_.valid = false;
}

int TextDrawable::inkWidth(Font& font, std::u16string_view text) {
    if (font.drawsPlainly(text)) {
        return widestInk(font, text, {});
    }
    int widest = 0;
    for (const auto& [begin, end] : hardLines(text)) {
        widest = std::max(
            widest,
            shapeLine(font, text, begin, end, paragraphIsRightToLeft(text, begin, end)).inkRight);
    }
    return widest;
}

std::vector<ShapedLine> TextDrawable::shapeLines(Font& face,
                                                 const std::vector<std::size_t>& wraps) const {
    std::vector<ShapedLine> lines;
    auto wrap = wraps.begin();
    for (const auto& [begin, end] : hardLines(text_)) {
        const bool rightToLeft = paragraphIsRightToLeft(text_, begin, end);
        std::size_t from = begin;
        for (; wrap != wraps.end() && *wrap < end; ++wrap) {
            if (*wrap < from) {
                continue;
            }
            lines.push_back(shapeLine(face, text_, from, *wrap, rightToLeft));
            const char16_t at = text_[*wrap];
            from = at == u' ' || at == u'\t' ? *wrap + 1 : *wrap;
        }
        lines.push_back(shapeLine(face, text_, from, end, rightToLeft));
    }
    return lines;
}

bool TextDrawable::wrapShaped(const std::vector<std::vector<BreakUnit>>& units, float width,
                              int lines, std::vector<std::size_t>& wraps) const {
    wraps.clear();
    for (const auto& line : units) {
        int penX = 0;
        bool inkOnLine = false;
        // The last place on the line after some ink where it may break: a
        // space (dropped there) or the start of a CJK character.
        bool haveBreak = false;
        std::size_t breakAt = 0;
        int penAfterBreak = 0;
        int inkAfterBreak = 0;
        for (const BreakUnit& unit : line) {
            if (unit.breakBefore && inkOnLine) {
                haveBreak = true;
                breakAt = unit.start;
                penAfterBreak = penX;
                inkAfterBreak = 0;
            }
            int right = unit.ink > 0 ? penX + unit.ink : 0;
            if (static_cast<float>(right) > width && haveBreak) {
                wraps.push_back(breakAt);
                penX -= penAfterBreak;
                right -= right > 0 ? penAfterBreak : 0;
                inkOnLine = inkAfterBreak > penAfterBreak;
                haveBreak = false;
            }
            if (unit.space && inkOnLine) {
                haveBreak = true;
                breakAt = unit.start;
                penAfterBreak = penX + unit.advance;
                inkAfterBreak = 0;
            } else if (right > 0) {
                inkOnLine = true;
                inkAfterBreak = std::max(inkAfterBreak, right);
            }
            penX += unit.advance;
        }
    }
    return lineCount_ + static_cast<int>(wraps.size()) <= lines;
}

void TextDrawable::fitShaped() {
    layout_.plain = false;
    layout_.shaped = shapeLines(*font, {});
    const int natural = widestShaped(layout_.shaped);
    layout_.width = static_cast<float>(natural);
    if (!(maxWidth > 0.0f) || static_cast<float>(natural) <= maxWidth) {
        return;
    }
    const float needed = maxWidth / static_cast<float>(natural);
    if (needed >= leastSqueeze || fitFont == nullptr) {
        layout_.squeeze = needed;
        layout_.width = maxWidth;
        return;
    }
    layout_.font = fitFont;
    std::vector<std::vector<BreakUnit>> units;
    for (const auto& [begin, end] : hardLines(text_)) {
        units.push_back(breakUnits(*fitFont, text_, begin, end));
    }
    bool wrapped = false;
    float target = maxWidth;
    for (int step = 0; step <= 16 && !wrapped; ++step) {
        target = maxWidth / (1.0f - 0.05f * static_cast<float>(step));
        wrapped = wrapShaped(units, target, fitLines, layout_.wraps);
    }
    if (!wrapped) {
        layout_.wraps.clear();
    } else if (!layout_.wraps.empty()) {
        const int lines = lineCount_ + static_cast<int>(layout_.wraps.size());
        std::vector<std::size_t> trial;
        float low = 0.0f;
        for (int step = 0; step < 12; ++step) {
            const float middle = (low + target) * 0.5f;
            if (wrapShaped(units, middle, lines, trial)) {
                target = middle;
            } else {
                low = middle;
            }
        }
        wrapShaped(units, target, lines, layout_.wraps);
    }
    layout_.shaped = shapeLines(*fitFont, layout_.wraps);
    layout_.lines = static_cast<int>(layout_.shaped.size());
    const auto width = static_cast<float>(widestShaped(layout_.shaped));
    layout_.squeeze = width > maxWidth ? maxWidth / width : 1.0f;
    layout_.width = std::min(width * layout_.squeeze, maxWidth);
}

bool TextDrawable::wrapTo(Font& face, float width, int lines,
                          std::vector<std::size_t>& wraps) const {
    wraps.clear();
    int penX = 0;
    bool inkOnLine = false;
    // The last space on the line after some ink, where it may be broken.
    bool haveSpace = false;
    std::size_t space = 0;
    int penAfterSpace = 0;
    int inkAfterSpace = 0;
    walk(
        text_, text_.size(), {},
        [&](std::size_t at, char32_t c) {
            const Font::Glyph& g = face.glyph(c);
            const int advance = g.advance;
            int right = inkRight(penX, g);
            if (static_cast<float>(right) > width && haveSpace) {
                wraps.push_back(space);
                penX -= penAfterSpace;
                right -= g.visible() ? penAfterSpace : 0;
                inkOnLine = inkAfterSpace > penAfterSpace;
                haveSpace = false;
            }
            if (c == u' ' && inkOnLine) {
                haveSpace = true;
                space = at;
                penAfterSpace = penX + advance;
                inkAfterSpace = 0;
            } else if (right > 0) {
                inkOnLine = true;
                inkAfterSpace = std::max(inkAfterSpace, right);
            }
            penX += advance + tracking;
        },
        [&] {
            penX = 0;
            inkOnLine = false;
            haveSpace = false;
        });
    return lineCount_ + static_cast<int>(wraps.size()) <= lines;
}

void TextDrawable::fit() {
    layout_ = Layout{};
    if (font == nullptr) {
        return;
    }
    layout_.font = font;
    layout_.lines = lineCount_;
    if (!font->drawsPlainly(text_)) {
        fitShaped();
        return;
    }
    const int natural = widestInk(*font, text_, {}, tracking);
    layout_.width = static_cast<float>(natural);
    if (!(maxWidth > 0.0f) || static_cast<float>(natural) <= maxWidth) {
        return;
    }
    const float needed = maxWidth / static_cast<float>(natural);
    if (needed >= leastSqueeze || fitFont == nullptr) {
        layout_.squeeze = needed;
        layout_.width = maxWidth;
        return;
    }
    // The least squeeze at which the wrapped text keeps to its lines.
    layout_.font = fitFont;
    bool wrapped = false;
    float target = maxWidth;
    for (int step = 0; step <= 16 && !wrapped; ++step) {
        target = maxWidth / (1.0f - 0.05f * static_cast<float>(step));
        wrapped = wrapTo(*fitFont, target, fitLines, layout_.wraps);
    }
    if (!wrapped) {
        layout_.wraps.clear();
    } else if (!layout_.wraps.empty()) {
        // Then the narrowest wrapping into as many lines, so they come out
        // even rather than leaving a word alone on the last.
        const int lines = lineCount_ + static_cast<int>(layout_.wraps.size());
        std::vector<std::size_t> trial;
        float low = 0.0f;
        for (int step = 0; step < 12; ++step) {
            const float middle = (low + target) * 0.5f;
            if (wrapTo(*fitFont, middle, lines, trial)) {
                target = middle;
            } else {
                low = middle;
            }
        }
        wrapTo(*fitFont, target, lines, layout_.wraps);
    }
    layout_.lines = lineCount_ + static_cast<int>(layout_.wraps.size());
    const auto width = static_cast<float>(widestInk(*fitFont, text_, layout_.wraps, tracking));
    layout_.squeeze = width > maxWidth ? maxWidth / width : 1.0f;
    layout_.width = std::min(width * layout_.squeeze, maxWidth);
}

const TextDrawable::Layout& TextDrawable::layout() {
    const LayoutKey key{font, fitFont, maxWidth, fitLines, leastSqueeze, tracking, true};
    if (!(key == layoutKey_)) {
        fit();
        layoutKey_ = key;
    }
    return layout_;
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
    return wholeGraphemes(text_, count);
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
    queueGlyphs();
    return true;
}

float TextDrawable::squeezeDrawn() {
    if (font == nullptr || !hasText_ || font->cellHeight() <= 0) {
        return 1.0f;
    }
    const Layout& fitted = layout();
    return static_cast<float>(fitted.font->cellHeight()) / static_cast<float>(font->cellHeight()) *
           fitted.squeeze;
}

bool TextDrawable::fits(float roomHeight) {
    if (font == nullptr || !hasText_) {
        return true;
    }
    const Layout& fitted = layout();
    // A hair of slack: a squeeze of exactly the least share is still in.
    if (squeezeDrawn() < fitSqueeze - 0.001f) {
        return false;
    }
    if (maxWidth > 0.0f && fitted.width > maxWidth + 0.5f) {
        return false;
    }
    const auto height = static_cast<float>(fitted.lines * fitted.font->cellHeight());
    if (roomHeight > 0.0f && height > roomHeight + 0.5f) {
        return false;
    }
    const float left = screenLeft(position);
    const float top = blockCentre(position) - height * 0.5f;
    return left >= -0.5f && left + fitted.width <= 1024.5f && top >= -0.5f &&
           top + height <= 768.5f;
}

void TextDrawable::queueGlyphs() {
    if (font == nullptr || !hasText_) {
        return;
    }
    SpriteLayer* layer = SpriteLayer::instance();
    SpriteBatch* batch = layer != nullptr ? layer->batch() : nullptr;
    if (batch == nullptr || !batch->active() || colour.a == 0) {
        return;
    }
    const Layout& fitted = layout();
    Font& face = *fitted.font;
    const float squeeze = fitted.squeeze;
    const std::size_t shown = visibleLength();
    const int lineHeight = face.cellHeight();
    const float left = std::floor(screenLeft(position));
    const float top = std::floor(blockCentre(position) -
                                 static_cast<float>(fitted.lines * lineHeight) * 0.5f + 0.5f);

    if (!fitted.plain) {
        drawShaped(*batch, face, fitted, shown, left, top);
        batch->setTransform(Matrix4::identity());
        return;
    }
    if (face.drawScale() > 1.0f) {
        drawSharp(*batch, face, fitted, shown, left, top);
        batch->setTransform(Matrix4::identity());
        return;
    }
    // Squeezed, each glyph still starts and ends on a whole pixel, so the
    // letters keep even gaps rather than smearing over pixel edges; a hair
    // over, as a renderer may cut its corners down to whole pixels.
    batch->setTransform(Matrix4::translation(left, 0.0f, position.z));
    int penX = 0;
    int line = 0;
    walk(
        text_, shown, fitted.wraps,
        [&](std::size_t, char32_t c) {
            const Font::Glyph& g = face.glyph(c);
            if (g.visible()) {
                const float y = top + static_cast<float>(line * lineHeight + g.offsetY);
                float x = static_cast<float>(penX + g.offsetX);
                if (squeeze != 1.0f) {
                    const auto width = static_cast<float>(g.source.right - g.source.left);
                    const float from = std::round(x * squeeze);
                    const float to = std::max(std::round((x + width) * squeeze), from + 1.0f);
                    batch->setTransform(Matrix4::scaling((to - from + 0.01f) / width, 1.0f, 1.0f) *
                                        Matrix4::translation(left + from, 0.0f, position.z));
                    x = 0.0f;
                }
                batch->draw(face.texture(g.page), g.source, Vec3{}, Vec3{x, y, 0.0f}, colour);
            }
            penX += g.advance + tracking;
        },
        [&] {
            ++line;
            penX = 0;
        });
    batch->setTransform(Matrix4::identity());
}

void TextDrawable::drawSharp(SpriteBatch& batch, Font& face, const Layout& fitted,
                             std::size_t shown, float left, float top) {
    // The pen moves by the logical glyphs, so the text keeps the width and
    // the line breaks that layout gave it; each letter is the sharp face's,
    // placed on whole output pixels and drawn at its texel size there.
    const float scale = face.drawScale();
    const int lineHeight = face.cellHeight();
    int penX = 0;
    int line = 0;
    walk(
        text_, shown, fitted.wraps,
        [&](std::size_t, char32_t c) {
            const Font::Glyph& g = face.glyph(c);
            const Font::Glyph& sharp = face.drawGlyph(c);
            if (g.visible() && sharp.visible()) {
                const auto texelsWide = static_cast<float>(sharp.source.right - sharp.source.left);
                const auto texelsHigh = static_cast<float>(sharp.source.bottom - sharp.source.top);
                const float x =
                    left + (static_cast<float>(penX) + static_cast<float>(sharp.offsetX) / scale) *
                               fitted.squeeze;
                const float y = top + static_cast<float>(line * lineHeight) +
                                static_cast<float>(sharp.offsetY) / scale;
                const float outLeft = std::round(x * scale);
                const float outTop = std::round(y * scale);
                const float outWide = std::max(std::round(texelsWide * fitted.squeeze), 1.0f);
                batch.setTransform(Matrix4::scaling((outWide + 0.01f) / (texelsWide * scale),
                                                    (texelsHigh + 0.01f) / (texelsHigh * scale),
                                                    1.0f) *
                                   Matrix4::translation((outLeft + 0.01f) / scale,
                                                        (outTop + 0.01f) / scale, position.z));
                batch.draw(face.drawTexture(sharp.page), sharp.source, Vec3{}, Vec3{}, colour);
            }
            penX += g.advance + tracking;
        },
        [&] {
            ++line;
            penX = 0;
        });
}

void TextDrawable::drawShaped(SpriteBatch& batch, Font& face, const Layout& fitted,
                              std::size_t shown, float left, float top) {
    const float scale = face.drawScale();
    const bool sharp = scale > 1.0f;
    const float squeeze = fitted.squeeze;
    const int lineHeight = face.cellHeight();
    const int widest = widestShaped(fitted.shaped);
    for (std::size_t index = 0; index < fitted.shaped.size(); ++index) {
        const ShapedLine& line = fitted.shaped[index];
        const int shift = line.rightToLeft ? widest - line.inkRight : 0;
        const float lineTop = top + static_cast<float>(static_cast<int>(index) * lineHeight);
        for (const ShapedGlyph& placed : line.glyphs) {
            if (placed.cluster >= shown) {
                continue;
            }
            const Font::Glyph g = face.shapedGlyph(placed.slot, placed.glyph);
            if (!g.visible()) {
                continue;
            }
            const int penX = shift + placed.x;
            if (sharp) {
                // As drawSharp: the logical pen, the sharp face's shapes.
                const Font::Glyph drawn = face.drawShapedGlyph(placed.slot, placed.glyph);
                if (!drawn.visible()) {
                    continue;
                }
                const auto texelsWide = static_cast<float>(drawn.source.right - drawn.source.left);
                const auto texelsHigh = static_cast<float>(drawn.source.bottom - drawn.source.top);
                const float x =
                    left + (static_cast<float>(penX) + static_cast<float>(drawn.offsetX) / scale) *
                               squeeze;
                const float y = lineTop - static_cast<float>(placed.rise) +
                                static_cast<float>(drawn.offsetY) / scale;
                const float outLeft = std::round(x * scale);
                const float outTop = std::round(y * scale);
                const float outWide = std::max(std::round(texelsWide * squeeze), 1.0f);
                batch.setTransform(Matrix4::scaling((outWide + 0.01f) / (texelsWide * scale),
                                                    (texelsHigh + 0.01f) / (texelsHigh * scale),
                                                    1.0f) *
                                   Matrix4::translation((outLeft + 0.01f) / scale,
                                                        (outTop + 0.01f) / scale, position.z));
                batch.draw(face.drawTexture(drawn.page), drawn.source, Vec3{}, Vec3{}, colour);
                continue;
            }
            const float y =
                lineTop - static_cast<float>(placed.rise) + static_cast<float>(g.offsetY);
            float x = static_cast<float>(penX + g.offsetX);
            if (squeeze != 1.0f) {
                const auto width = static_cast<float>(g.source.right - g.source.left);
                const float from = std::round(x * squeeze);
                const float to = std::max(std::round((x + width) * squeeze), from + 1.0f);
                batch.setTransform(Matrix4::scaling((to - from + 0.01f) / width, 1.0f, 1.0f) *
                                   Matrix4::translation(left + from, 0.0f, position.z));
                x = 0.0f;
            } else {
                batch.setTransform(Matrix4::translation(left, 0.0f, position.z));
            }
            batch.draw(face.texture(g.page), g.source, Vec3{}, Vec3{x, y, 0.0f}, colour);
        }
    }
}

} // namespace qv

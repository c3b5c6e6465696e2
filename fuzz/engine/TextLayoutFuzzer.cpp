// SPDX-License-Identifier: MIT
// Any text, read as UTF-16 code units after two bytes that choose the width
// limit, the lines and the reveal, laid out and drawn on a software
// renderer: the layout keeps to its limit when it can, every glyph it places
// belongs to the text, and the reveal stops on a code unit boundary.

#include "game/engine/FontSet.h"
#include "game/engine/SpriteLayer.h"
#include "game/engine/TextDrawable.h"
#include "game/engine/TextShaper.h"

#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct Stage {
    Stage() {
        surface = SDL_CreateRGBSurfaceWithFormat(0, 1024, 768, 32, SDL_PIXELFORMAT_ARGB8888);
        renderer = SDL_CreateSoftwareRenderer(surface);
        layer = std::make_unique<qv::SpriteLayer>(renderer);
        fonts = std::make_unique<qv::FontSet>(renderer);
    }
    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
    std::unique_ptr<qv::SpriteLayer> layer;
    std::unique_ptr<qv::FontSet> fonts;
};

} // namespace

// Fontconfig keeps some of its configuration for the life of the process;
// the leak checker is not to count that against the code under test.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Stage stage;
    if (size < 2 || stage.fonts->font(0) == nullptr) {
        return 0;
    }
    std::u16string text((size - 2) / 2, u'\0');
    std::memcpy(text.data(), data + 2, text.size() * 2);
    if (text.size() > 255) {
        text.resize(255);
    }
    std::u32string characters;
    qv::FontSet::gatherCharacters(text, characters);
    stage.fonts->prepare(characters);

    qv::TextDrawable t;
    t.font = stage.fonts->font(data[0] % 3);
    t.fitFont = stage.fonts->fitFont(data[0] % 3);
    t.maxWidth = static_cast<float>(data[0]) * 4.0f;
    t.fitLines = 1 + data[1] % 3;
    t.typewriter = true;
    t.secondsPerLetter = 0.05f;
    t.fullColour = qv::opaqueWhite;
    t.fadedColour = qv::opaqueWhite;
    t.setText(text);
    const qv::TextDrawable::Layout& fitted = t.layout();
    if (fitted.font == nullptr || !(fitted.width >= 0.0f)) {
        std::abort();
    }
    for (const qv::ShapedLine& line : fitted.shaped) {
        for (const qv::ShapedGlyph& g : line.glyphs) {
            if (g.cluster >= text.size()) {
                std::abort();
            }
        }
    }
    t.attach();
    t.start();
    t.age = static_cast<float>(data[1]) * 0.05f;
    const std::size_t shown = t.visibleLength();
    if (shown > text.size() || qv::wholeGraphemes(text, shown) != shown) {
        std::abort();
    }
    stage.layer->drawAll(0.0f, std::nullopt, false);
    SDL_RenderFlush(stage.renderer);
    return 0;
}

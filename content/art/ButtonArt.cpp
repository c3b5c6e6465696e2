// SPDX-License-Identifier: MIT
#include "content/art/ButtonArt.h"

#include <algorithm>

namespace qv::art {

using namespace palette;

void paintPlate(const Canvas& canvas, Look look, double x, double y, double w, double h, double r) {
    cairo_t* cr = canvas.cr();
    const PathFn shape = roundedRectPath(x, y, w, h, r);
    const int spread = static_cast<int>(std::clamp(std::min(x, y) * 1.6, 2.0, 14.0));
    switch (look) {
    case Look::Resting:
        softShape(canvas, shape, inkDeep.withAlpha(0.6), spread, 0, 1.5);
        fillLinear(cr, shape, 0, y, 0, y + h, {{0.0, teal}, {1.0, tealDeep}});
        gloss(cr, shape, y, y + h, 0.16);
        stroke(cr, roundedRectPath(x + 0.75, y + 0.75, w - 1.5, h - 1.5, r - 0.75),
               cream.withAlpha(0.45), 1.5);
        break;
    case Look::Hilight:
        softShape(canvas, shape, coralLight.withAlpha(0.95), spread);
        softShape(canvas, shape, cream.withAlpha(0.5), std::max(2, spread / 2));
        fillLinear(cr, shape, 0, y, 0, y + h, {{0.0, coralLight}, {0.5, coral}, {1.0, coralDeep}});
        gloss(cr, shape, y, y + h, 0.38);
        stroke(cr, roundedRectPath(x + 1, y + 1, w - 2, h - 2, r - 1), cream.withAlpha(0.95), 2.0);
        break;
    case Look::Pressed:
        softShape(canvas, shape, coral.withAlpha(0.7), std::max(2, spread / 2));
        fillLinear(cr, shape, 0, y, 0, y + h,
                   {{0.0, coralDeep}, {0.55, rgb(232, 98, 70)}, {1.0, coral}});
        // Sunk in: a soft dark band along the top edge inside the plate.
        cairo_save(cr);
        cairo_new_path(cr);
        shape(cr);
        cairo_clip(cr);
        fillLinear(cr, [&](cairo_t* c) { cairo_rectangle(c, x, y, w, h * 0.45); }, 0, y, 0,
                   y + h * 0.45, {{0.0, inkDeep.withAlpha(0.32)}, {1.0, inkDeep.withAlpha(0.0)}});
        cairo_restore(cr);
        stroke(cr, roundedRectPath(x + 1, y + 1, w - 2, h - 2, r - 1), coralLight.withAlpha(0.85),
               2.0);
        break;
    }
}

Colour labelColour(Look look) {
    return look == Look::Hilight ? white : cream;
}

void paintLabel(const Canvas& canvas, Look look, const std::string& text, const Font& font,
                double cx, double cy) {
    const double drop = look == Look::Pressed ? 1.0 : 0.0;
    const Colour shadow = look == Look::Resting ? inkDeep.withAlpha(0.8) : ember.withAlpha(0.9);
    softShape(canvas, textShape(text, font, cx, cy + drop + 1, Align::Centre), shadow, 2);
    fill(canvas.cr(), textShape(text, font, cx, cy + drop, Align::Centre), labelColour(look));
}

void writeButtonTriple(ArtWriter& out, const std::string& base, int w, int h,
                       const ButtonPainter& paint) {
    const struct {
        Look look;
        const char* suffix;
    } looks[] = {{Look::Resting, "off"}, {Look::Hilight, "hilight"}, {Look::Pressed, "on"}};
    for (const auto& l : looks) {
        Canvas canvas(w, h);
        paint(canvas, l.look);
        out.tga(base + l.suffix + ".tga", canvas);
    }
}

ButtonPainter plateButton(double margin) {
    return [=](const Canvas& canvas, Look look) {
        const double w = canvas.width() - 2 * margin;
        const double h = canvas.height() - 2 * margin;
        paintPlate(canvas, look, margin, margin, w, h, h / 2);
    };
}

} // namespace qv::art

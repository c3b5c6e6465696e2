// SPDX-License-Identifier: MIT
#include "content/pictures/Flags.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <vector>

namespace qv::pictures {
namespace {

// A flag is painted in its own units: W wide, H high, origin at the top of
// the hoist (the side nearest the pole).
struct FlagDesign {
    std::string_view country;
    double w;
    double h;
    std::function<void(cairo_t*, double w, double h)> paint;
};

void rect(cairo_t* cr, Rgb colour, double x, double y, double w, double h) {
    setColour(cr, colour);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

struct Band {
    Rgb colour;
    double weight = 1;
};

void horizontalBands(cairo_t* cr, double w, double h, std::initializer_list<Band> bands) {
    double total = 0;
    for (const Band& b : bands) {
        total += b.weight;
    }
    double y = 0;
    for (const Band& b : bands) {
        const double bh = h * b.weight / total;
        // Each band overlaps the next by a hair so no seam shows through.
        rect(cr, b.colour, 0, y, w, bh + 0.01 * h);
        y += bh;
    }
}

void verticalBands(cairo_t* cr, double w, double h, std::initializer_list<Rgb> colours) {
    const double bw = w / static_cast<double>(colours.size());
    double x = 0;
    for (const Rgb& c : colours) {
        rect(cr, c, x, 0, bw + 0.01 * w, h);
        x += bw;
    }
}

void disc(cairo_t* cr, Rgb colour, double cx, double cy, double radius) {
    setColour(cr, colour);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_fill(cr);
}

// A Scandinavian cross: the upright stands from x to x + t, the bar from y to
// y + t, both running to the edges of the flag.
void crossBars(cairo_t* cr, Rgb colour, double w, double h, double x, double y, double t) {
    rect(cr, colour, x, 0, t, h);
    rect(cr, colour, 0, y, w, t);
}

const Rgb white = hex(0xFFFFFF);
const Rgb black = hex(0x000000);

std::vector<FlagDesign> designs() {
    return {
        {"Japan", 3, 2,
         [](cairo_t* cr, double w, double h) {
             rect(cr, white, 0, 0, w, h);
             disc(cr, hex(0xBC002D), w / 2, h / 2, h * 0.3);
         }},
        {"France", 3, 2,
         [](cairo_t* cr, double w, double h) {
             verticalBands(cr, w, h, {hex(0x0055A4), white, hex(0xEF4135)});
         }},
        {"Germany", 5, 3,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h, {{black}, {hex(0xDD0000)}, {hex(0xFFCC00)}});
         }},
        {"Switzerland", 32, 32,
         [](cairo_t* cr, double w, double h) {
             rect(cr, hex(0xDA291C), 0, 0, w, h);
             rect(cr, white, 13, 6, 6, 20);
             rect(cr, white, 6, 13, 20, 6);
         }},
        {"Greece", 27, 18,
         [](cairo_t* cr, double w, double h) {
             const Rgb blue = hex(0x0D5EAF);
             for (int stripe = 0; stripe < 9; ++stripe) {
                 rect(cr, stripe % 2 == 0 ? blue : white, 0, stripe * 2, w, 2.02);
             }
             (void)h;
             rect(cr, blue, 0, 0, 10, 10);
             rect(cr, white, 4, 0, 2, 10);
             rect(cr, white, 0, 4, 10, 2);
         }},
        {"Belgium", 15, 13,
         [](cairo_t* cr, double w, double h) {
             verticalBands(cr, w, h, {black, hex(0xFDDA24), hex(0xEF3340)});
         }},
        {"Finland", 18, 11,
         [](cairo_t* cr, double w, double h) {
             rect(cr, white, 0, 0, w, h);
             crossBars(cr, hex(0x002F6C), w, h, 5, 4, 3);
         }},
        {"Ireland", 2, 1,
         [](cairo_t* cr, double w, double h) {
             verticalBands(cr, w, h, {hex(0x169B62), white, hex(0xFF883E)});
         }},
        {"Norway", 22, 16,
         [](cairo_t* cr, double w, double h) {
             rect(cr, hex(0xBA0C2F), 0, 0, w, h);
             crossBars(cr, white, w, h, 6, 6, 4);
             crossBars(cr, hex(0x00205B), w, h, 7, 7, 2);
         }},
        {"Iceland", 25, 18,
         [](cairo_t* cr, double w, double h) {
             rect(cr, hex(0x02529C), 0, 0, w, h);
             crossBars(cr, white, w, h, 7, 7, 4);
             crossBars(cr, hex(0xDC1E35), w, h, 8, 8, 2);
         }},
        {"Bulgaria", 5, 3,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h, {{white}, {hex(0x00966E)}, {hex(0xD62612)}});
         }},
        {"Lithuania", 5, 3,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h, {{hex(0xFDB913)}, {hex(0x006A44)}, {hex(0xC1272D)}});
         }},
        {"Armenia", 2, 1,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h, {{hex(0xD90012)}, {hex(0x0033A0)}, {hex(0xF2A800)}});
         }},
        {"Sierra Leone", 3, 2,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h, {{hex(0x1EB53A)}, {white}, {hex(0x0072C6)}});
         }},
        {"Mauritius", 3, 2,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h,
                             {{hex(0xEA2839)}, {hex(0x1A206D)}, {hex(0xFFD500)}, {hex(0x00A551)}});
         }},
        {"Laos", 3, 2,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h,
                             {{hex(0xCE1126), 1}, {hex(0x002868), 2}, {hex(0xCE1126), 1}});
             // The moon's diameter is four fifths of the blue band's height.
             disc(cr, white, w / 2, h / 2, h * 0.2);
         }},
        {"Palau", 8, 5,
         [](cairo_t* cr, double w, double h) {
             rect(cr, hex(0x4AADD6), 0, 0, w, h);
             // The moon sits a little towards the hoist.
             disc(cr, hex(0xFFDE00), w * 0.4375, h / 2, h * 0.3);
         }},
        {"Ukraine", 3, 2,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h, {{hex(0x0057B7)}, {hex(0xFFD700)}});
         }},
        {"Sweden", 16, 10,
         [](cairo_t* cr, double w, double h) {
             rect(cr, hex(0x006AA7), 0, 0, w, h);
             crossBars(cr, hex(0xFECC00), w, h, 5, 4, 2);
         }},
        {"Poland", 8, 5,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h, {{white}, {hex(0xDC143C)}});
         }},
        {"Russia", 3, 2,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h, {{white}, {hex(0x0039A6)}, {hex(0xD52B1E)}});
         }},
        {"Colombia", 3, 2,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h,
                             {{hex(0xFCD116), 2}, {hex(0x003893), 1}, {hex(0xCE1126), 1}});
         }},
        {"Thailand", 3, 2,
         [](cairo_t* cr, double w, double h) {
             const Rgb red = hex(0xA51931);
             horizontalBands(cr, w, h,
                             {{red, 1}, {white, 1}, {hex(0x2D2A4A), 2}, {white, 1}, {red, 1}});
         }},
        {"Estonia", 11, 7,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h, {{hex(0x0072CE)}, {black}, {white}});
         }},
        {"Mali", 3, 2,
         [](cairo_t* cr, double w, double h) {
             verticalBands(cr, w, h, {hex(0x14B53A), hex(0xFCD116), hex(0xCE1126)});
         }},
        {"Botswana", 3, 2,
         [](cairo_t* cr, double w, double h) {
             const Rgb blue = hex(0x75AADB);
             horizontalBands(cr, w, h, {{blue, 9}, {white, 1}, {black, 4}, {white, 1}, {blue, 9}});
         }},
        {"Benin", 3, 2,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h, {{hex(0xFCD116)}, {hex(0xE8112D)}});
             rect(cr, hex(0x008751), 0, 0, w * 0.4, h);
         }},
        {"Gabon", 4, 3,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h, {{hex(0x009E60)}, {hex(0xFCD116)}, {hex(0x3A75C4)}});
         }},
        {"Latvia", 2, 1,
         [](cairo_t* cr, double w, double h) {
             const Rgb carmine = hex(0x9E3039);
             horizontalBands(cr, w, h, {{carmine, 2}, {white, 1}, {carmine, 2}});
         }},
        {"Yemen", 3, 2,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h, {{hex(0xCE1126)}, {white}, {black}});
         }},
        {"Gambia", 3, 2,
         [](cairo_t* cr, double w, double h) {
             horizontalBands(cr, w, h,
                             {{hex(0xCE1126), 6},
                              {white, 1},
                              {hex(0x0C1C8C), 4},
                              {white, 1},
                              {hex(0x3A7728), 6}});
         }},
    };
}

} // namespace

bool drawFlag(Canvas& canvas, std::string_view country) {
    for (const FlagDesign& design : designs()) {
        if (design.country != country) {
            continue;
        }
        cairo_t* cr = canvas.cr();
        const double maxW = Canvas::width - 120.0;
        const double maxH = Canvas::height - 56.0;
        const double scale = std::min(maxW / design.w, maxH / design.h);
        const double pw = std::round(design.w * scale);
        const double ph = std::round(design.h * scale);
        const double x = std::round((Canvas::width - pw) / 2);
        const double y = std::round((Canvas::height - ph) / 2);

        // A soft shadow: a few widening, fading copies of the outline.
        for (int i = 6; i >= 1; --i) {
            cairo_set_source_rgba(cr, 0, 0, 0, 0.06);
            cairo_rectangle(cr, x + 5 - i, y + 7 - i, pw + 2 * i, ph + 2 * i);
            cairo_fill(cr);
        }

        cairo_save(cr);
        cairo_rectangle(cr, x, y, pw, ph);
        cairo_clip(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, scale, scale);
        design.paint(cr, design.w, design.h);
        cairo_restore(cr);

        // A hairline edge keeps white flags apart from the stage.
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        cairo_set_line_width(cr, 1.0);
        cairo_rectangle(cr, x + 0.5, y + 0.5, pw - 1, ph - 1);
        cairo_stroke(cr);
        return true;
    }
    return false;
}

} // namespace qv::pictures

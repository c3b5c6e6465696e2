// SPDX-License-Identifier: MIT
#pragma once

#include "content/art/Canvas.h"

#include <string>

namespace qv::art {

// Lays generated pictures out the way the game's screens do (sprites placed
// by their centre, tinted, faded, scaled and turned; texts started at their
// x and centred on their y), so the art can be looked at before the screens
// exist. Images are read with SDL2_image, the game's own loader.
class Compositor {
public:
    Compositor(std::string resourcesDir, int width, int height);

    // Draws an image centred on (x, y), multiplied by the colour (r, g, b, a
    // from 0 to 255), scaled and turned clockwise by `angle` radians. False
    // when the image does not load.
    bool sprite(const std::string& name, double x, double y, int r = 255, int g = 255, int b = 255,
                int a = 255, double scale = 1.0, double angle = 0.0);
    // A line of text of cell height `height` starting at x, centred on y.
    void text(const std::string& line, double x, double y, double height, bool bold = false,
              int alpha = 255);

    // A plain rectangle, for stand-in content such as a question's picture.
    void rect(double x, double y, double w, double h, int r, int g, int b);

    bool save(const std::string& path) const;

private:
    std::string dir_;
    Canvas canvas_;
};

} // namespace qv::art

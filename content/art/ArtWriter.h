// SPDX-License-Identifier: MIT
#pragma once

#include "content/art/Canvas.h"

#include <string>

namespace qv::art {

// Writes finished canvases into the Resources folder under the names the game
// loads, and remembers whether any of them failed.
class ArtWriter {
public:
    explicit ArtWriter(std::string resourcesDir);

    void tga(const std::string& name, const Canvas& canvas);
    void bmp(const std::string& name, const Canvas& canvas);
    void png(const std::string& name, const Canvas& canvas);

    bool allWritten() const { return failures_ == 0; }
    int written() const { return written_; }

private:
    void report(const std::string& name, bool ok);

    std::string dir_;
    int written_ = 0;
    int failures_ = 0;
};

} // namespace qv::art

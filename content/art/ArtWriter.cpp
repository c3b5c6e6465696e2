// SPDX-License-Identifier: MIT
#include "content/art/ArtWriter.h"

#include "content/art/ImageFile.h"

#include <cstdio>
#include <utility>

namespace qv::art {

ArtWriter::ArtWriter(std::string resourcesDir) : dir_(std::move(resourcesDir)) {}

void ArtWriter::tga(const std::string& name, const Canvas& canvas) {
    report(name, canvas.ok() && writeTga(canvas.surface(), dir_ + "/" + name));
}

void ArtWriter::bmp(const std::string& name, const Canvas& canvas) {
    report(name, canvas.ok() && writeBmp(canvas.surface(), dir_ + "/" + name));
}

void ArtWriter::png(const std::string& name, const Canvas& canvas) {
    report(name, canvas.ok() && writePng(canvas.surface(), dir_ + "/" + name));
}

void ArtWriter::report(const std::string& name, bool ok) {
    if (ok) {
        ++written_;
    } else {
        ++failures_;
        std::fprintf(stderr, "art: could not write %s/%s\n", dir_.c_str(), name.c_str());
    }
}

} // namespace qv::art

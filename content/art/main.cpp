// SPDX-License-Identifier: MIT
// Paints every picture the game loads into the Resources folder named on the
// command line. The output depends only on this code and the installed fonts.
#include "content/art/ArtWriter.h"
#include "content/art/GameBackground.h"
#include "content/art/GameExtras.h"
#include "content/art/GamePieces.h"
#include "content/art/ScreenArt.h"
#include "content/art/TitleArt.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCES_DIR\n", argv[0]);
        return 2;
    }
    std::error_code error;
    std::filesystem::create_directories(argv[1], error);
    if (error) {
        std::fprintf(stderr, "art: cannot create %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    // The pictures at their own size, then every one again at twice it in
    // the 2x folder beside them, for screens shown larger than 1024 x 768.
    int written = 0;
    bool allWritten = true;
    for (const int detail : {1, 2}) {
        const std::string dir = std::string(argv[1]) + (detail > 1 ? "/2x" : "");
        std::filesystem::create_directories(detail > 1 ? dir : dir + "/wide", error);
        if (error) {
            std::fprintf(stderr, "art: cannot create folders in %s: %s\n", dir.c_str(),
                         error.message().c_str());
            return 1;
        }
        qv::art::Canvas::setDetail(detail);
        qv::art::ArtWriter out(dir);
        qv::art::writeGameBackground(out);
        qv::art::writeGamePieces(out);
        qv::art::writeGameExtras(out);
        qv::art::writeTitleArt(out);
        qv::art::writeScreenArt(out);
        written += out.written();
        allWritten = allWritten && out.allWritten();
    }
    std::printf("art: %d images written to %s and its 2x folder\n", written, argv[1]);
    return allWritten ? 0 : 1;
}

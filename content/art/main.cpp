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
    qv::art::ArtWriter out(argv[1]);
    qv::art::writeGameBackground(out);
    qv::art::writeGamePieces(out);
    qv::art::writeGameExtras(out);
    qv::art::writeTitleArt(out);
    qv::art::writeScreenArt(out);
    std::printf("art: %d images written to %s\n", out.written(), argv[1]);
    return out.allWritten() ? 0 : 1;
}

// SPDX-License-Identifier: MIT
// Synthesises every sound of the game into the Sound folder of the Resources
// tree named on the command line. The output depends only on this code.
#include "content/sounds/SoundBook.h"
#include "content/sounds/WavFile.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCES_DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/Sound";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        std::fprintf(stderr, "sounds: cannot create %s: %s\n", dir.c_str(),
                     error.message().c_str());
        return 1;
    }
    int failures = 0;
    int written = 0;
    for (const auto& sound : qv::sound::soundBook()) {
        const std::string path = dir + "/" + sound.file;
        if (qv::sound::writeWav(path, sound.track.finish(sound.peak), qv::sound::sampleRate)) {
            ++written;
        } else {
            std::fprintf(stderr, "sounds: could not write %s\n", path.c_str());
            ++failures;
        }
    }
    std::printf("sounds: %d files written to %s\n", written, dir.c_str());
    return failures == 0 ? 0 : 1;
}

// SPDX-License-Identifier: MIT
// Draws the question pictures of a set: for every question whose picture
// flag is set, the picture that the catalogue holds for it, written as
// pic_for_q_<position + 1>.jpg beside the set. A flagged question without a
// drawing fails the run, so a set and its pictures cannot drift apart.
//
// Usage: qv_picture_generator <set file> <output folder> [<stamp file>]

#include "common/SetFile.h"
#include "content/pictures/Catalogue.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

bool readWhole(const std::filesystem::path& path, std::string& data) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <set file> <output folder> [<stamp file>]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path setPath = argv[1];
    const std::filesystem::path outDir = argv[2];

    std::string data;
    if (!readWhole(setPath, data)) {
        std::fprintf(stderr, "cannot read %s\n", setPath.string().c_str());
        return 1;
    }
    const qv::SetFileContents set = qv::readSetFile(data, qv::LineEnds::CrOnly, 0);
    if (set.truncated) {
        std::fprintf(stderr, "%s holds fewer questions than it declares\n",
                     setPath.string().c_str());
        return 1;
    }
    std::error_code error;
    std::filesystem::create_directories(outDir, error);

    int written = 0;
    for (std::size_t i = 0; i < set.records.size(); ++i) {
        const qv::SetFileRecord& record = set.records[i];
        if (record.pictureFlag <= 0) {
            continue;
        }
        const int correct = record.correctAnswer;
        const std::string answer = correct >= 1 && correct <= 4
                                       ? record.answers[static_cast<std::size_t>(correct - 1)]
                                       : "";
        const qv::pictures::PictureEntry* entry = qv::pictures::findPicture(record.text, answer);
        if (entry == nullptr) {
            std::fprintf(stderr, "no picture drawn for question %zu: \"%s\"\n", i + 1,
                         record.text.c_str());
            return 1;
        }
        qv::pictures::Canvas canvas;
        const std::filesystem::path file = outDir / qv::pictureFileName(static_cast<int>(i));
        if (!canvas.valid() || !entry->draw(canvas) || !canvas.valid() ||
            !canvas.writeJpeg(file.string())) {
            std::fprintf(stderr, "cannot draw or write %s\n", file.string().c_str());
            return 1;
        }
        ++written;
    }

    if (argc > 3) {
        std::ofstream stamp(argv[3], std::ios::trunc);
        stamp << written << " pictures\n";
        if (!stamp) {
            return 1;
        }
    }
    std::printf("%d pictures written to %s\n", written, outDir.string().c_str());
    return 0;
}

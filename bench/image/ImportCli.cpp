// SPDX-License-Identifier: MIT
// A bench-only program around the import, so that compare.sh can time a
// whole process against ImageMagick's on the same file:
//   qv_image_import SRC DST        import SRC as a question picture DST
//   qv_image_import --photo DST    write the 4000 x 3000 test photograph
#include "bench/image/PhotoMaker.h"
#include "editor/image/ImageError.h"
#include "editor/image/PictureImport.h"

#include <cstdio>
#include <cstring>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SRC DST | --photo DST\n", argv[0]);
        return 2;
    }
    if (std::strcmp(argv[1], "--photo") == 0) {
        const auto bytes = qv::image::bench::makePhotoJpeg(4000, 3000);
        std::ofstream out(argv[2], std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return out && !bytes.empty() ? 0 : 1;
    }
    qv::image::ImportedPicture picture;
    qv::image::ImageError error = qv::image::ImageError::None;
    if (!qv::image::importPictureFile(argv[1], argv[2], picture, &error)) {
        std::fprintf(stderr, "import failed: %s\n", qv::image::imageErrorName(error));
        return 1;
    }
    return 0;
}

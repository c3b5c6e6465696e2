#pragma once
// A picture hook that keeps picture files as they are: it copies the source
// file to the target and draws nothing. It stands in until the image module
// decodes and re-encodes pictures, and keeps pictures following their
// questions meanwhile.

#include "editor/model/PictureHook.h"

namespace qv {

class FilePictureHook : public PictureHook {
public:
    // False when the source is not a regular file or the copy fails.
    bool importPicture(const std::filesystem::path& source,
                       const std::filesystem::path& target) override;
    void clearPicture() override {}
};

} // namespace qv

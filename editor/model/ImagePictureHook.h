// SPDX-License-Identifier: MIT
#pragma once
// The editor's picture work over the image module: a chosen image becomes the
// question's JPEG file, shrunk to fit 680 x 275, and is shown. A source that
// already is such a file keeps its bytes, so showing a question again or
// saving a set never wears its picture down.

#include "editor/image/Image.h"
#include "editor/model/EditorUser.h"
#include "editor/model/PictureDisplay.h"
#include "editor/model/PictureHook.h"

namespace qv {

class ImagePictureHook : public PictureHook {
public:
    // `user` is told when a picture is shrunk; it must outlive the hook.
    explicit ImagePictureHook(EditorUser& user);

    // Where pictures are drawn; none draws nothing. Not owned.
    void setDisplay(PictureDisplay* display) { display_ = display; }

    bool importPicture(const std::filesystem::path& source,
                       const std::filesystem::path& target) override;
    // Decodes the file (any format the module reads, shrunk to fit without
    // a message) and draws it; nothing is written.
    bool showPicture(const std::filesystem::path& file) override;
    void clearPicture() override;

    // The picture of the question shown; empty when it has none.
    const image::Image& shownPicture() const { return shown_; }
    // Whether the last successful import kept the source's bytes as they were.
    bool keptSourceBytes() const { return keptSourceBytes_; }

private:
    EditorUser& user_;
    PictureDisplay* display_ = nullptr;
    image::Image shown_;
    bool keptSourceBytes_ = false;
};

} // namespace qv

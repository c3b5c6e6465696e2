// SPDX-License-Identifier: MIT
#include "editor/model/ImagePictureHook.h"

#include "editor/image/ImageDecoder.h"
#include "editor/image/PictureImport.h"
#include "editor/model/EditorTexts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

ImagePictureHook::ImagePictureHook(EditorUser& user) : user_(user) {}

bool ImagePictureHook::importPicture(const std::filesystem::path& source,
                                     const std::filesystem::path& target) {
    clearPicture();
    image::ImportedPicture imported;
    const bool written = image::importPictureFile(source, target, imported);
    // Told also when writing the shrunk picture then fails: the user learns
    // first that it was too large, then that it was not used.
    if (imported.decoded && imported.steps.shrinks()) {
        user_.showMessage(Message{editorText::shown(editorText::imageTooLargeText),
                                  editorText::shown(editorText::imageTooLargeTitle),
                                  MessageIcon::Information, MessageButtons::Ok});
    }
    if (!written || imported.picture.empty()) {
        return false;
    }
    shown_ = std::move(imported.picture);
    keptSourceBytes_ = imported.keptSourceBytes;
    if (display_ != nullptr) {
        display_->showPicture(shown_);
    }
    return true;
}

bool ImagePictureHook::showPicture(const std::filesystem::path& file) {
    clearPicture();
    std::vector<std::uint8_t> bytes;
    if (!image::readImageFile(file, bytes)) {
        return false;
    }
    image::ImportedPicture prepared;
    std::vector<std::uint8_t> jpeg;
    if (!image::preparePicture(bytes, prepared, jpeg) || prepared.picture.empty()) {
        return false;
    }
    shown_ = std::move(prepared.picture);
    keptSourceBytes_ = prepared.keptSourceBytes;
    if (display_ != nullptr) {
        display_->showPicture(shown_);
    }
    return true;
}

void ImagePictureHook::clearPicture() {
    shown_ = image::Image{};
    keptSourceBytes_ = false;
    if (display_ != nullptr) {
        display_->clearPicture();
    }
}

} // namespace qv

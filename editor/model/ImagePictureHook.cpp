#include "editor/model/ImagePictureHook.h"

#include "editor/image/PictureImport.h"
#include "editor/model/EditorTexts.h"

#include <string>

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
        user_.showMessage(Message{std::string(editorText::imageTooLargeText),
                                  std::string(editorText::imageTooLargeTitle),
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

void ImagePictureHook::clearPicture() {
    shown_ = image::Image{};
    keptSourceBytes_ = false;
    if (display_ != nullptr) {
        display_->clearPicture();
    }
}

} // namespace qv

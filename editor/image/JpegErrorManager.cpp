// SPDX-License-Identifier: MIT
#include "editor/image/JpegErrorManager.h"

#include <jerror.h>

namespace qv::image {
namespace {

extern "C" void jpegErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    manager->error = ImageError::Corrupt;
    std::longjmp(manager->jump, 1);
}

// Level -1 is a warning about the data. A picture that ends early or whose
// entropy data is damaged decodes to grey blocks in libjpeg; we refuse it
// instead. Stray bytes between markers lose nothing and are let through.
extern "C" void jpegEmitMessage(j_common_ptr info, int level) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    if (level >= 0) {
        return;
    }
    const int code = info->err->msg_code;
    if (code == JWRN_EXTRANEOUS_DATA) {
        return;
    }
    manager->error = code == JWRN_JPEG_EOF ? ImageError::Truncated : ImageError::Corrupt;
    std::longjmp(manager->jump, 1);
}

extern "C" void jpegOutputMessage(j_common_ptr) {}

} // namespace

jpeg_error_mgr* installJpegErrors(JpegErrorManager& manager) {
    manager.error = ImageError::None;
    jpeg_error_mgr* base = jpeg_std_error(&manager.base);
    base->error_exit = jpegErrorExit;
    base->emit_message = jpegEmitMessage;
    base->output_message = jpegOutputMessage;
    return base;
}

} // namespace qv::image

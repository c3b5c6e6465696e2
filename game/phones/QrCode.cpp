// SPDX-License-Identifier: MIT
#include "game/phones/QrCode.h"

#include <qrencode.h>

#include <memory>
#include <string>

namespace qv {

QrCode makeQrCode(std::string_view text) {
    QrCode code;
    const std::string copy(text);
    std::unique_ptr<QRcode, decltype(&QRcode_free)> encoded(
        QRcode_encodeString8bit(copy.c_str(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!encoded || encoded->width <= 0) {
        return code;
    }
    code.size = encoded->width;
    const std::size_t cells =
        static_cast<std::size_t>(code.size) * static_cast<std::size_t>(code.size);
    code.dark.resize(cells);
    for (std::size_t i = 0; i < cells; ++i) {
        code.dark[i] = encoded->data[i] & 1;
    }
    return code;
}

} // namespace qv

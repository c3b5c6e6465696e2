// SPDX-License-Identifier: MIT
#pragma once
// The QR code a phone scans to open the page with the room filled in.

#include <cstdint>
#include <string_view>
#include <vector>

namespace qv {

struct QrCode {
    int size = 0;                   // modules a side, without the quiet zone
    std::vector<std::uint8_t> dark; // size x size, row by row: 1 dark, 0 light
};

// Nothing (size 0) when the text cannot be encoded.
QrCode makeQrCode(std::string_view text);

} // namespace qv

// SPDX-License-Identifier: MIT
#include "game/phones/RoomCode.h"

#include <sys/random.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <random>

namespace qv {
namespace {

// Fills `bytes` from the kernel's random source; std::random_device (which
// reads the same source) only if that call is not there.
template <std::size_t N> void systemRandom(std::array<std::uint8_t, N>& bytes) {
    std::size_t filled = 0;
    while (filled < N) {
        const ssize_t got = getrandom(bytes.data() + filled, N - filled, 0);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            std::random_device device;
            for (; filled < N; ++filled) {
                bytes[filled] = static_cast<std::uint8_t>(device());
            }
            return;
        }
        filled += static_cast<std::size_t>(got);
    }
}

} // namespace

std::string newRoomCode() {
    static constexpr char letters[] = "ABCDEFGHJKLMNPQRSTUVWXYZ";
    static constexpr unsigned letterCount = sizeof letters - 1;
    std::string code;
    while (code.size() < 4) {
        std::array<std::uint8_t, 8> bytes{};
        systemRandom(bytes);
        for (std::uint8_t b : bytes) {
            // 240 = 10 x 24: bytes above it would favour the first letters.
            if (b < 240 && code.size() < 4) {
                code += letters[b % letterCount];
            }
        }
    }
    return code;
}

std::string newPhoneToken() {
    std::array<std::uint8_t, 16> bytes{};
    systemRandom(bytes);
    static constexpr char hex[] = "0123456789abcdef";
    std::string token;
    for (std::uint8_t b : bytes) {
        token += hex[b >> 4];
        token += hex[b & 0x0F];
    }
    return token;
}

} // namespace qv

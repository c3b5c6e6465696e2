// SPDX-License-Identifier: MIT
#include "editor/model/PictureChoice.h"

#include <string>
#include <system_error>

namespace qv {

std::filesystem::path lowerCasedPictureChoice(const std::filesystem::path& chosen) {
    std::string lowered = chosen.string();
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    const std::filesystem::path candidate(lowered);
    if (candidate == chosen) {
        return chosen;
    }
    std::error_code error;
    if (std::filesystem::equivalent(candidate, chosen, error) && !error) {
        return candidate;
    }
    return chosen;
}

} // namespace qv

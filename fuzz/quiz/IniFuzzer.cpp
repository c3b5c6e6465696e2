// SPDX-License-Identifier: MIT
// The INI reader behind both programs' settings files, which users may edit
// by hand: any bytes parse; a value set is the value found, also after the
// text is written out and read again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/IniFile.h"

namespace {

// A name or value of letters only, taken from the front of `data`.
std::string letters(std::string_view& data, std::size_t most) {
    std::string out;
    if (data.empty()) {
        return out;
    }
    const std::size_t n = static_cast<unsigned char>(data.front()) % (most + 1);
    data.remove_prefix(1);
    for (std::size_t i = 0; i < n && !data.empty(); ++i) {
        out += static_cast<char>('a' + static_cast<unsigned char>(data.front()) % 26);
        data.remove_prefix(1);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string section = letters(bytes, 8);
    std::string key = letters(bytes, 8);
    const std::string value = letters(bytes, 16);
    if (key.empty()) {
        key = "k";
    }
    qv::IniFile ini;
    ini.parse(bytes);
    ini.setValue(section, key, value);
    if (ini.find(section, key) != value) {
        __builtin_trap();
    }
    qv::IniFile again;
    again.parse(ini.text());
    if (again.find(section, key) != value) {
        __builtin_trap();
    }
    return 0;
}

// SPDX-License-Identifier: MIT
#include "tests/support/E2eFiles.h"

#include <unistd.h>

#include <cstdlib>

#include <gtest/gtest.h>

namespace qv::test {

namespace fs = std::filesystem;

std::string le32(std::uint32_t n) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((n >> (8 * i)) & 0xFF);
    }
    return bytes;
}

std::string stored(const std::string& ascii) {
    std::string bytes = le32(static_cast<std::uint32_t>(ascii.size()));
    for (char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

long long numberAfter(const std::string& json, const std::string& key, std::size_t from) {
    const std::string tag = "\"" + key + "\": ";
    const std::size_t at = json.find(tag, from);
    if (at == std::string::npos) {
        return -1;
    }
    return std::strtoll(json.c_str() + at + tag.size(), nullptr, 10);
}

std::string shellQuoted(const std::string& text) {
    std::string q = "'";
    for (char c : text) {
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return q + "'";
}

fs::path freshTestFolder(const std::string& stem) {
    // Appended piece by piece: GCC 12 at -O3 misreads `"-" + std::string` as
    // an overlapping copy (-Wrestrict).
    std::string name = stem;
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info()) {
        name += '-';
        name += info->name();
    }
    name += '-';
    name += std::to_string(::getpid());
    const fs::path folder = fs::temp_directory_path() / name;
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directories(folder);
    return folder;
}

fs::path copyProductWithoutSavedState(const fs::path& product, const fs::path& folder) {
    std::error_code ignored;
    fs::remove_all(folder / "product", ignored);
    fs::copy(product, folder / "product", fs::copy_options::recursive);
    const fs::path resources = folder / "product" / "Resources";
    for (const auto& entry : fs::directory_iterator(resources)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("QState", 0) == 0 || name == "Config.txt") {
            fs::remove(entry.path());
        }
    }
    return resources;
}

} // namespace qv::test

// SPDX-License-Identifier: MIT
#include "tests/support/E2eFiles.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>

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

void writeMarkedQuestionSet(const std::filesystem::path& resources, const std::string& name,
                            int rungStep, bool rungInAnswers, const std::string& questionTail) {
    const std::filesystem::path set = resources / "QuestionSets" / name;
    std::filesystem::create_directories(set);
    // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) about
    // some concatenations of temporaries.
    std::string text = "30\r\n";
    for (int rung = 1; rung <= 15; ++rung) {
        for (int i = 0; i < 2; ++i) {
            const int correct = 1 + (rung * rungStep + i) % 4;
            text.append("\r\nQuestion ").append(std::to_string(rung)).append(".");
            text.append(std::to_string(i)).append(questionTail).append("\r\n");
            for (int a = 1; a <= 4; ++a) {
                text.append(a == correct ? "*Answer " : "Answer ");
                text += static_cast<char>('A' + a - 1);
                if (rungInAnswers) {
                    text.append(std::to_string(rung));
                }
                text.append("\r\n");
            }
            text.append(std::to_string(correct)).append("\r\n");
            text.append(std::to_string(rung)).append("\r\n0\r\n");
        }
    }
    std::ofstream(set / (name + ".txt"), std::ios::binary) << text;
}

void writeConfigFile(const std::filesystem::path& resources, const std::string& setName,
                     const std::vector<std::string>& names) {
    std::string bytes;
    bytes += '\1';
    bytes += '\1';
    bytes.append(stored(setName)).append(le32(static_cast<std::uint32_t>(names.size())));
    for (const auto& name : names) {
        bytes.append(stored(name));
    }
    std::ofstream(resources / "Config.txt", std::ios::binary) << bytes;
}

} // namespace qv::test

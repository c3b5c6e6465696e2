// SPDX-License-Identifier: MIT
#include "editor/interchange/Format.h"

#include "editor/interchange/AikenReader.h"
#include "editor/interchange/DelimitedReader.h"
#include "editor/interchange/GiftReader.h"
#include "editor/interchange/OpenTdbReader.h"
#include "editor/interchange/TextInput.h"

#include <algorithm>
#include <array>
#include <string>

namespace qv::interchange {
namespace {

constexpr std::array<std::string_view, 5> names = {"csv", "tsv", "aiken", "gift", "opentdb"};

} // namespace

std::optional<Format> formatNamed(std::string_view name) {
    const std::string wanted = lowerAscii(name);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == wanted) {
            return static_cast<Format>(i);
        }
    }
    return std::nullopt;
}

std::optional<Format> formatOfFile(const std::filesystem::path& file) {
    const std::string extension = lowerAscii(file.extension().string());
    if (extension == ".csv") {
        return Format::Csv;
    }
    if (extension == ".tsv") {
        return Format::Tsv;
    }
    if (extension == ".txt") {
        return Format::Aiken;
    }
    if (extension == ".gift") {
        return Format::Gift;
    }
    if (extension == ".json") {
        return Format::OpenTdb;
    }
    return std::nullopt;
}

std::string_view formatName(Format format) {
    return names[static_cast<std::size_t>(format)];
}

SourceRecords readRecords(Format format, std::string_view utf8) {
    switch (format) {
    case Format::Csv:
        return readDelimited(utf8, ',');
    case Format::Tsv:
        return readDelimited(utf8, '\t');
    case Format::Aiken:
        return readAiken(utf8);
    case Format::Gift:
        return readGift(utf8);
    case Format::OpenTdb:
        return readOpenTdb(utf8);
    }
    return {};
}

} // namespace qv::interchange

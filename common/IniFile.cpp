// SPDX-License-Identifier: MIT
#include "common/IniFile.h"

#include <algorithm>

namespace qv {
namespace {

constexpr std::size_t npos = std::string::npos;

std::string_view trimmed(std::string_view text) {
    auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
    };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool sameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The name of a "[name]" line, or false when the line is no section header.
bool sectionName(std::string_view line, std::string_view& name) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[') {
        return false;
    }
    std::size_t close = line.find(']');
    if (close == std::string_view::npos) {
        return false;
    }
    name = trimmed(line.substr(1, close - 1));
    return true;
}

// Splits "key = value"; false when the line holds no '=' or is a comment.
bool keyAndValue(std::string_view line, std::string_view& key, std::string_view& value) {
    std::string_view content = trimmed(line);
    if (content.empty() || content.front() == ';' || content.front() == '#') {
        return false;
    }
    std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        return false;
    }
    key = trimmed(content.substr(0, equals));
    value = trimmed(content.substr(equals + 1));
    return true;
}

std::string oneLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool inBreak = false;
    for (char c : text) {
        const bool lineBreak = c == '\r' || c == '\n';
        if (lineBreak && !inBreak) {
            out += ' ';
        } else if (!lineBreak) {
            out += c;
        }
        inBreak = lineBreak;
    }
    return out;
}

} // namespace

void IniFile::parse(std::string_view text) {
    lines_.clear();
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines_.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

std::size_t IniFile::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        if (sectionName(lines_[i], name) && sameName(name, section)) {
            return i;
        }
    }
    return npos;
}

std::size_t IniFile::findKey(std::size_t header, std::string_view key) const {
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        std::string_view name;
        if (sectionName(lines_[i], name)) {
            break;
        }
        std::string_view lineKey;
        std::string_view lineValue;
        if (keyAndValue(lines_[i], lineKey, lineValue) && sameName(lineKey, key)) {
            return i;
        }
    }
    return npos;
}

std::optional<std::string> IniFile::find(std::string_view section, std::string_view key) const {
    std::size_t header = findSection(section);
    if (header == npos) {
        return std::nullopt;
    }
    std::size_t at = findKey(header, key);
    if (at == npos) {
        return std::nullopt;
    }
    std::string_view lineKey;
    std::string_view lineValue;
    keyAndValue(lines_[at], lineKey, lineValue);
    return std::string(lineValue);
}

std::string IniFile::value(std::string_view section, std::string_view key) const {
    return find(section, key).value_or(std::string());
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = oneLine(key);
    line += '=';
    line += oneLine(value);
    std::size_t header = findSection(section);
    if (header == npos) {
        if (!lines_.empty() && !trimmed(lines_.back()).empty()) {
            lines_.emplace_back();
        }
        // Appended piece by piece: GCC 12 warns falsely about "[" + text.
        std::string headerLine(1, '[');
        headerLine += oneLine(section);
        headerLine += ']';
        lines_.push_back(std::move(headerLine));
        lines_.push_back(std::move(line));
        return;
    }
    std::size_t at = findKey(header, key);
    if (at != npos) {
        lines_[at] = std::move(line);
        return;
    }
    // After the last non-blank line of the section, so a blank line before
    // the next section stays where it was.
    std::size_t insert = header + 1;
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        std::string_view name;
        if (sectionName(lines_[i], name)) {
            break;
        }
        if (!trimmed(lines_[i]).empty()) {
            insert = i + 1;
        }
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert), std::move(line));
}

std::string IniFile::text() const {
    std::string out;
    for (const std::string& line : lines_) {
        out += line;
        out += '\n';
    }
    return out;
}

} // namespace qv

#include "platform/IniFile.h"

#include <algorithm>

namespace qv {

namespace {

bool sameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// A value is one line: line breaks inside it would split it on the next read.
std::string oneLine(std::string_view value) {
    std::string out(value);
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return out;
}

} // namespace

void IniFile::parse(std::string_view text) {
    sections_.clear();
    Section* current = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            if (close == std::string_view::npos) {
                current = nullptr;
                continue;
            }
            const std::string_view name = trimmed(line.substr(1, close - 1));
            auto found = std::find_if(sections_.begin(), sections_.end(),
                                      [&](const Section& s) { return sameName(s.name, name); });
            if (found == sections_.end()) {
                sections_.push_back(Section{std::string(name), {}});
                current = &sections_.back();
            } else {
                current = &*found;
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = trimmed(line.substr(0, equals));
        if (key.empty()) {
            continue;
        }
        set(current->name, key, trimmed(line.substr(equals + 1)));
    }
}

std::string IniFile::serialise() const {
    std::string out;
    for (const Section& section : sections_) {
        if (!out.empty()) {
            out += '\n';
        }
        out += '[' + section.name + "]\n";
        for (const auto& [key, value] : section.entries) {
            out += key + '=' + value + '\n';
        }
    }
    return out;
}

const std::string* IniFile::find(std::string_view section, std::string_view key) const {
    for (const Section& s : sections_) {
        if (!sameName(s.name, section)) {
            continue;
        }
        for (const auto& [k, v] : s.entries) {
            if (sameName(k, key)) {
                return &v;
            }
        }
    }
    return nullptr;
}

void IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    auto s = std::find_if(sections_.begin(), sections_.end(),
                          [&](const Section& x) { return sameName(x.name, section); });
    if (s == sections_.end()) {
        sections_.push_back(Section{oneLine(section), {}});
        s = sections_.end() - 1;
    }
    for (auto& [k, v] : s->entries) {
        if (sameName(k, key)) {
            v = oneLine(value);
            return;
        }
    }
    s->entries.emplace_back(oneLine(key), oneLine(value));
}

} // namespace qv

// SPDX-License-Identifier: MIT
#pragma once
// A small INI text: "[Section]" lines and "key=value" lines. Section and key
// names match without regard to ASCII case; a later duplicate is ignored.
// Lines it does not understand (comments, keys before any section, stray
// bytes) are kept as they are when the text is written back, so a file a
// user edited by hand keeps what they wrote.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class IniFile {
public:
    // Takes any bytes; lines end at LF, a CR before it is dropped.
    void parse(std::string_view text);

    // The value with white space trimmed at both ends; nothing when missing.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;
    // The same, empty when missing.
    std::string value(std::string_view section, std::string_view key) const;

    // Replaces the value, or adds the key (and its section) at the end of the
    // section. Each line break in the value becomes one space, so one value
    // stays one line.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // The whole text, each line ended by LF.
    std::string text() const;

private:
    // The index of the section's header line, or npos.
    std::size_t findSection(std::string_view section) const;
    // The index of the key's line in the section that starts at `header`, or npos.
    std::size_t findKey(std::size_t header, std::string_view key) const;

    std::vector<std::string> lines_;
};

} // namespace qv

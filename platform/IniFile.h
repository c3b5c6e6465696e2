#pragma once
// The contents of one INI file: sections of key = value lines, in file order.
// Reading is forgiving and bounded: lines it does not understand are dropped,
// and nothing past the given text is looked at.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qv {

class IniFile {
public:
    // Replaces the contents with what `text` holds. Section and key names are
    // matched without regard to ASCII case, as the platform's profiles are.
    void parse(std::string_view text);
    std::string serialise() const;

    // Null when missing.
    const std::string* find(std::string_view section, std::string_view key) const;
    void set(std::string_view section, std::string_view key, std::string_view value);

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };
    std::vector<Section> sections_;
};

} // namespace qv

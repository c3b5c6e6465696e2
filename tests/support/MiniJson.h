// SPDX-License-Identifier: MIT
#pragma once
// Just enough JSON to read Showfloor's dump: objects, arrays, strings (with
// \uXXXX escapes of the Basic Multilingual Plane), numbers, booleans and
// null. A text that is not one JSON value parses to nothing.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::test {

struct Json {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    double number = 0.0;
    std::string string;
    std::vector<Json> items;
    std::map<std::string, Json> members;

    // The member, or a null value when there is none.
    const Json& operator[](const std::string& key) const;
    const Json& operator[](std::size_t index) const;
    std::size_t size() const { return type == Type::Array ? items.size() : members.size(); }
    int integer() const { return static_cast<int>(number); }

    static std::optional<Json> parse(std::string_view text);
};

} // namespace qv::test

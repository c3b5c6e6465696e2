// SPDX-License-Identifier: MIT
#pragma once
// A small JSON reader for imported files: the whole document as a tree, each
// value with the line it starts on. Limits keep hostile documents harmless.

#include <string>
#include <string_view>
#include <vector>

namespace qv::interchange {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    int line = 0;
    bool boolean = false;
    // The decoded text of a string; the literal of a number.
    std::string text;
    // The items of an array; the member values of an object, named by
    // `names` in the same order.
    std::vector<JsonValue> items;
    std::vector<std::string> names;

    // The member with this name, or null.
    const JsonValue* member(std::string_view name) const;
};

struct JsonLimits {
    int maxDepth = 64;
    std::size_t maxValues = 1'000'000;
};

// Parses UTF-8 text. False with `error` and `errorLine` filled when it is no
// JSON document or goes beyond the limits.
bool parseJson(std::string_view text, JsonValue& root, std::string& error, int& errorLine,
               const JsonLimits& limits = {});

} // namespace qv::interchange

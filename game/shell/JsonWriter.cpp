// SPDX-License-Identifier: MIT
#include "game/shell/JsonWriter.h"

#include <cmath>
#include <cstdio>

namespace qv {

void JsonWriter::separate() {
    if (needComma_) {
        text_ += ", ";
    }
    needComma_ = false;
}

void JsonWriter::beginObject() {
    separate();
    text_ += '{';
}

void JsonWriter::endObject() {
    text_ += '}';
    needComma_ = true;
}

void JsonWriter::beginArray() {
    separate();
    text_ += '[';
}

void JsonWriter::endArray() {
    text_ += ']';
    needComma_ = true;
}

void JsonWriter::key(std::string_view name) {
    value(name);
    text_ += ": ";
    needComma_ = false;
}

void JsonWriter::value(std::string_view s) {
    separate();
    text_ += '"';
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text_ += '\\';
            text_ += c;
        } else if (c == '\n') {
            text_ += "\\n";
        } else if (u < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
            text_ += buffer;
        } else {
            text_ += c;
        }
    }
    text_ += '"';
    needComma_ = true;
}

void JsonWriter::value(bool flag) {
    separate();
    text_ += flag ? "true" : "false";
    needComma_ = true;
}

void JsonWriter::value(long long number) {
    separate();
    text_ += std::to_string(number);
    needComma_ = true;
}

void JsonWriter::value(double number) {
    separate();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f", std::isfinite(number) ? number : 0.0);
    text_ += buffer;
    needComma_ = true;
}

} // namespace qv

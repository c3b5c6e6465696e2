// SPDX-License-Identifier: MIT
#pragma once
// Builds one line of JSON, for the automation dump. Keys and strings are
// escaped; numbers that are not finite are written as 0, which JSON can hold.

#include <string>
#include <string_view>

namespace qv {

class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // Before a value inside an object.
    void key(std::string_view name);
    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(bool flag);
    void value(long long number);
    void value(int number) { value(static_cast<long long>(number)); }
    void value(double number);

    const std::string& text() const { return text_; }

private:
    void separate();
    std::string text_;
    bool needComma_ = false;
};

} // namespace qv

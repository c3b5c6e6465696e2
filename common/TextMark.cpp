// SPDX-License-Identifier: MIT
#include "common/TextMark.h"

#include <atomic>

namespace qv::textMark {
namespace {

std::atomic<Translator> current{nullptr};

void replaceAll(std::string& text, std::string_view placeholder, std::string_view value) {
    std::size_t at = 0;
    while ((at = text.find(placeholder, at)) != std::string::npos) {
        text.replace(at, placeholder.size(), value);
        at += value.size();
    }
}

} // namespace

void setTranslator(Translator translator) {
    current.store(translator);
}

std::string marked(const char* context, std::string_view english, int n) {
    const std::string source(english); // the lookup needs its end marked
    const Translator translator = current.load();
    std::string text = translator != nullptr ? translator(context, source.c_str(), n) : source;
    if (n >= 0) {
        replaceAll(text, "%n", std::to_string(n));
    }
    return text;
}

std::string plain(std::string_view english, int n) {
    std::string text(english);
    if (n >= 0) {
        replaceAll(text, "%n", std::to_string(n));
    }
    return text;
}

std::string fill(std::string text, std::initializer_list<std::string_view> values) {
    // One pass, so that a value holding "%2" is never filled in again.
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(text[i + 1] - '1');
            if (k < values.size()) {
                out += *(values.begin() + k);
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace qv::textMark

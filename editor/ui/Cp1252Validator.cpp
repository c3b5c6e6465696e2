#include "editor/ui/Cp1252Validator.h"

#include "common/Cp1252.h"

namespace qv {
namespace {

bool holdable(char32_t character) {
    if (character < 0x20 || character == 0x7F) {
        return false;
    }
    std::optional<std::uint8_t> byte = unicodeToCp1252(character);
    // The code page's undefined bytes map to C1 controls; they are no text either.
    return byte.has_value() && !(character >= 0x80 && character <= 0x9F);
}

} // namespace

QValidator::State Cp1252Validator::validate(QString& input, int& /*position*/) const {
    for (QChar c : input) {
        if (c.isSurrogate() || !holdable(c.unicode())) {
            return Invalid;
        }
    }
    return Acceptable;
}

std::string cp1252FromQString(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        if (c.isSurrogate()) {
            continue;
        }
        if (std::optional<std::uint8_t> byte = unicodeToCp1252(c.unicode())) {
            out += static_cast<char>(*byte);
        }
    }
    return out;
}

QString qStringFromCp1252(const std::string& bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes) {
        out += QChar(cp1252ToUnicode(static_cast<std::uint8_t>(byte)));
    }
    return out;
}

} // namespace qv

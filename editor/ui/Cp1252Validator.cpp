#include "editor/ui/Cp1252Validator.h"

#include "common/Cp1252.h"

#include <QMetaObject>

namespace qv {
namespace {

bool holdable(char32_t character) {
    std::optional<std::uint8_t> byte = unicodeToCp1252(character);
    // The code page's undefined bytes map to C1 controls; they are no text either.
    return byte.has_value() && !(character >= 0x80 && character <= 0x9F);
}

bool isControl(char32_t character) {
    return character < 0x20 || character == 0x7F || (character >= 0x80 && character <= 0x9F);
}

bool isLineBreak(char32_t character) {
    return character == '\n' || character == '\r';
}

} // namespace

QValidator::State Cp1252Validator::validate(QString& input, int& position) const {
    const QList<uint> characters = input.toUcs4();
    // The cursor in code points: a character outside the BMP is two QChars.
    int cursor = static_cast<int>(QStringView(input).left(position).toUcs4().size());
    QString mended;
    QString leftOut;
    int newPosition = 0;
    bool changed = false;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const char32_t c = characters[i];
        if (isLineBreak(c)) {
            qsizetype end = i;
            while (end < characters.size() && isLineBreak(characters[end])) {
                ++end;
            }
            // A break that ends what was pasted (the cursor is right after
            // it) or the whole text goes; one inside it joins with a space.
            const bool last = end == characters.size() || end == cursor;
            if (!last) {
                mended += QLatin1Char(' ');
            }
            if (i < cursor) {
                newPosition += last ? 0 : 1;
            }
            changed = true;
            i = end - 1;
            continue;
        }
        QString kept;
        if (c == '\t') {
            kept = QStringLiteral(" ");
            changed = true;
        } else if (isControl(c)) {
            changed = true;
        } else if (!holdable(c)) {
            const QString named = QString::fromUcs4(&c, 1);
            if (!leftOut.contains(named)) {
                leftOut += leftOut.isEmpty() ? named : QStringLiteral(" ") + named;
            }
            changed = true;
        } else {
            kept = QString::fromUcs4(&c, 1);
        }
        mended += kept;
        if (i < cursor) {
            newPosition += static_cast<int>(kept.size());
        }
    }
    if (changed) {
        input = mended;
        position = newPosition;
    }
    if (!leftOut.isEmpty() && leftOut_) {
        // Told once the field has settled, never from inside its change.
        LeftOutHandler handler = leftOut_;
        QMetaObject::invokeMethod(
            const_cast<Cp1252Validator*>(this), [handler, leftOut] { handler(leftOut); },
            Qt::QueuedConnection);
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

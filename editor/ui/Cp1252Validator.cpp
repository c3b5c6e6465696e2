// SPDX-License-Identifier: MIT
#include "editor/ui/Cp1252Validator.h"

#include "common/Cp1252.h"
#include "editor/model/FieldText.h"

#include <QMetaObject>

namespace qv {

QValidator::State Cp1252Validator::validate(QString& input, int& position) const {
    const QList<uint> units = input.toUcs4();
    std::u32string text;
    text.reserve(static_cast<std::size_t>(units.size()));
    for (uint unit : units) {
        text += static_cast<char32_t>(unit);
    }
    // The cursor in code points: a character outside the BMP is two QChars.
    const auto cursor = static_cast<std::size_t>(QStringView(input).left(position).toUcs4().size());
    const MendedFieldText mended = mendFieldText(text, cursor);
    if (mended.changed) {
        // Every character kept is in the BMP, one QChar each.
        input = QString::fromUcs4(mended.text.data(), static_cast<qsizetype>(mended.text.size()));
        position = static_cast<int>(mended.cursor);
    }
    if (!mended.leftOut.empty() && leftOut_) {
        QString named;
        for (char32_t c : mended.leftOut) {
            if (!named.isEmpty()) {
                named += QLatin1Char(' ');
            }
            named += QString::fromUcs4(&c, 1);
        }
        // Told once the field has settled, never from inside its change.
        LeftOutHandler handler = leftOut_;
        QMetaObject::invokeMethod(
            const_cast<Cp1252Validator*>(this), [handler, named] { handler(named); },
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

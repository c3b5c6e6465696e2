// SPDX-License-Identifier: MIT
#include "editor/ui/FieldTextValidator.h"

#include "common/Utf16.h"
#include "editor/model/FieldText.h"

#include <QLineEdit>
#include <QMetaObject>

#include <cstdio>

namespace qv {

QValidator::State FieldTextValidator::validate(QString& input, int& position) const {
    const QList<uint> units = input.toUcs4();
    std::u32string text;
    text.reserve(static_cast<std::size_t>(units.size()));
    for (uint unit : units) {
        text += static_cast<char32_t>(unit);
    }
    // The cursor in code points: a character outside the BMP is two QChars.
    const auto cursor = static_cast<std::size_t>(QStringView(input).left(position).toUcs4().size());
    const MendedFieldText mended =
        mendFieldText(text, cursor, limit_ > 0 ? static_cast<std::size_t>(limit_) : 0);
    if (mended.changed) {
        input = QString::fromUcs4(mended.text.data(), static_cast<qsizetype>(mended.text.size()));
        position = static_cast<int>(
            QString::fromUcs4(mended.text.data(), static_cast<qsizetype>(mended.cursor)).size());
    }
    if (!mended.leftOut.empty() && leftOut_) {
        QString named;
        for (char32_t c : mended.leftOut) {
            char name[16];
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
            if (!named.isEmpty()) {
                named += QLatin1Char(' ');
            }
            named += QLatin1String(name);
        }
        // Told once the field has settled, never from inside its change.
        LeftOutHandler handler = leftOut_;
        QMetaObject::invokeMethod(
            const_cast<FieldTextValidator*>(this), [handler, named] { handler(named); },
            Qt::QueuedConnection);
    }
    return Acceptable;
}

FieldTextValidator* limitFieldText(QLineEdit* field, int limit) {
    field->setMaxLength(2 * limit);
    auto* validator = new FieldTextValidator(field, limit);
    field->setValidator(validator);
    return validator;
}

std::string utf8OfField(const QString& text) {
    // toUcs4 reads a lone surrogate as U+FFFD; UTF-8 cannot hold one.
    const QList<uint> units = text.toUcs4();
    std::u32string wide(units.begin(), units.end());
    return utf8FromUtf32(wide);
}

QString fieldOfUtf8(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace qv

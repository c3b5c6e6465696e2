// SPDX-License-Identifier: MIT
#include "editor/ui/PictureFileFilter.h"

#include "editor/model/EditorTexts.h"

namespace qv {
namespace {

// "*.bmp" -> "*.[bB][mM][pP]"
QString anyCase(const QString& pattern) {
    QString out;
    for (QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper()) {
            out += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

QStringList pictureNameFilters(std::string_view pairs) {
    const QStringList parts =
        QString::fromLatin1(pairs.data(), static_cast<qsizetype>(pairs.size())).split('|');
    QStringList filters;
    // The text ends with "|", so the last part is empty and has no partner.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
            const QString p = pattern == "*.*" ? QStringLiteral("*") : anyCase(pattern.trimmed());
            if (!patterns.contains(p)) {
                patterns.append(p);
            }
        }
        const std::string label = editorText::shown(parts[i].toStdString());
        filters.append(QString::fromStdString(label) + " (" + patterns.join(' ') + ")");
    }
    return filters;
}

} // namespace qv

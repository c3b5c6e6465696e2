#pragma once
// Lets a field take only characters that a set file can hold: those of
// Windows-1252, without control characters (a line break would split the
// question's line in the file).

#include <QValidator>

#include <string>

namespace qv {

class Cp1252Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// The code-page bytes of a field's text; characters without a byte are left out.
std::string cp1252FromQString(const QString& text);

QString qStringFromCp1252(const std::string& bytes);

} // namespace qv

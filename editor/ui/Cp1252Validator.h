// SPDX-License-Identifier: MIT
#pragma once
// Lets a field take only characters that a set file can hold. Text that
// arrives with more, as a paste from a spreadsheet does, is mended instead of
// refused (see mendFieldText), and the characters the code page cannot hold
// are named to whoever listens.

#include <QValidator>

#include <functional>
#include <string>

namespace qv {

class Cp1252Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    // Called, after the field has taken the mended text, with the
    // characters that were left out (each once, in the order met).
    using LeftOutHandler = std::function<void(const QString& characters)>;
    void setLeftOutHandler(LeftOutHandler handler) { leftOut_ = std::move(handler); }

    // Mends `input` as above; `position` (the cursor, just after what was
    // typed or pasted) moves with it. Always Acceptable.
    State validate(QString& input, int& position) const override;

private:
    LeftOutHandler leftOut_;
};

// The code-page bytes of a field's text; characters without a byte are left out.
std::string cp1252FromQString(const QString& text);

QString qStringFromCp1252(const std::string& bytes);

} // namespace qv

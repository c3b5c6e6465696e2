// SPDX-License-Identifier: MIT
#pragma once
// Lets a field take any text a set file can hold, up to its limit in
// characters. Text that arrives with more, as a paste from a spreadsheet
// does, is mended instead of refused (see mendFieldText), and the control
// characters that no set file holds are named to whoever listens.

#include <QValidator>

#include <functional>
#include <string>

class QLineEdit;

namespace qv {

class FieldTextValidator : public QValidator {
    Q_OBJECT
public:
    // `limit` counts characters (code points); 0 is none.
    explicit FieldTextValidator(QObject* parent = nullptr, int limit = 0)
        : QValidator(parent), limit_(limit) {}

    // Called, after the field has taken the mended text, with the
    // characters that were left out, each named as "U+0007".
    using LeftOutHandler = std::function<void(const QString& characters)>;
    void setLeftOutHandler(LeftOutHandler handler) { leftOut_ = std::move(handler); }

    // Mends `input` as above; `position` (the cursor, just after what was
    // typed or pasted) moves with it. Always Acceptable.
    State validate(QString& input, int& position) const override;

private:
    int limit_ = 0;
    LeftOutHandler leftOut_;
};

// Gives `field` a FieldTextValidator of `limit` characters. The field's own
// length limit counts UTF-16 units, so it is set to twice the characters
// (room for letters outside the Basic Multilingual Plane) and the validator
// keeps the count. The validator belongs to the field.
FieldTextValidator* limitFieldText(QLineEdit* field, int limit);

// A field's text as the editor holds text (UTF-8), and back.
std::string utf8OfField(const QString& text);
QString fieldOfUtf8(const std::string& utf8);

} // namespace qv

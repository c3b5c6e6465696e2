// SPDX-License-Identifier: MIT
#pragma once
// Asks for the name of a new question set. OK hands the name to a check,
// which may refuse it (after telling the user); the dialog then stays open.

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {

class NewSetDialog : public QDialog {
    Q_OBJECT
public:
    using NameCheck = std::function<bool(const std::string&)>;

    explicit NewSetDialog(NameCheck check, QWidget* parent = nullptr);

    // The same dialog for another name: its caption and prompt.
    void setTexts(const QString& caption, const QString& prompt);

    // The accepted name in UTF-8; empty until OK succeeds.
    const std::string& name() const { return name_; }

    QLineEdit* nameField() const { return nameField_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

private:
    void confirm();

    NameCheck check_;
    QLabel* prompt_ = nullptr;
    std::string name_;
    QLineEdit* nameField_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace qv

// SPDX-License-Identifier: MIT
#include "editor/ui/NewSetDialog.h"

#include "editor/model/EditorTexts.h"
#include "editor/ui/FieldTextValidator.h"
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

NewSetDialog::NewSetDialog(NameCheck check, QWidget* parent)
    : QDialog(parent), check_(std::move(check)) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    // The prompt and the field side by side, OK and Cancel below at the
    // right, each as large as its text needs at the user's font.
    prompt_ = new QLabel(this);
    nameField_ = new QLineEdit(this);
    nameField_->setObjectName("nameField");
    nameField_->setMinimumWidth(nameField_->fontMetrics().averageCharWidth() * 24);
    limitFieldText(nameField_, editorText::setNameLimit);
    prompt_->setBuddy(nameField_);

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName("okButton");
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName("cancelButton");
    cancelButton_->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(prompt_, 0, 0);
    layout->addWidget(nameField_, 0, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons, 1, 1, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTexts(QString::fromStdString(editorText::shown(editorText::newSetCaption)),
             QString::fromStdString(editorText::shown(editorText::newSetPrompt)));

    connect(okButton_, &QPushButton::clicked, this, &NewSetDialog::confirm);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    nameField_->setFocus();
}

void NewSetDialog::setTexts(const QString& caption, const QString& prompt) {
    setWindowTitle(caption);
    prompt_->setText(prompt);
    // The title bar is no layout: the dialog is made wide enough for it.
    setMinimumWidth(fontMetrics().horizontalAdvance(caption) + 120);
}

void NewSetDialog::confirm() {
    std::string name = utf8OfField(nameField_->text());
    if (check_ && !check_(name)) {
        return; // refused: the user was told why, and may try again
    }
    name_ = std::move(name);
    accept();
}

} // namespace qv

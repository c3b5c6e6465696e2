// SPDX-License-Identifier: MIT
#include "editor/ui/NewSetDialog.h"

#include "editor/model/EditorTexts.h"
#include "editor/ui/DialogFont.h"
#include "editor/ui/DialogUnits.h"
#include "editor/ui/FieldTextValidator.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qv {

NewSetDialog::NewSetDialog(NameCheck check, QWidget* parent)
    : QDialog(parent), check_(std::move(check)) {
    setWindowTitle(QString::fromLatin1(editorText::newSetCaption.data(),
                                       static_cast<qsizetype>(editorText::newSetCaption.size())));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(dialogFont(font()));
    setFixedSize(dialogRect(0, 0, 296, 76).size());

    auto* prompt =
        new QLabel(QString::fromLatin1(editorText::newSetPrompt.data(),
                                       static_cast<qsizetype>(editorText::newSetPrompt.size())),
                   this);
    // The prompt may run on to just before the field; where the face is still
    // too wide for it, it is drawn a pixel smaller rather than cut off.
    prompt->setGeometry(dialogRect(13, 14, 138, 8));
    QRect promptArea = prompt->geometry();
    promptArea.setRight(dialogRect(153, 12, 127, 12).left() - 3);
    prompt->setGeometry(promptArea);
    QFont promptFont = prompt->font();
    while (QFontMetrics(promptFont).horizontalAdvance(prompt->text()) > promptArea.width() &&
           promptFont.pixelSize() > 8) {
        promptFont.setPixelSize(promptFont.pixelSize() - 1);
    }
    prompt->setFont(promptFont);

    nameField_ = new QLineEdit(this);
    nameField_->setObjectName("nameField");
    nameField_->setGeometry(dialogRect(153, 12, 127, 12));
    limitFieldText(nameField_, editorText::setNameLimit);

    okButton_ = new QPushButton("OK", this);
    okButton_->setObjectName("okButton");
    okButton_->setGeometry(dialogRect(239, 38, 50, 14));
    okButton_->setDefault(true);

    cancelButton_ = new QPushButton("Cancel", this);
    cancelButton_->setObjectName("cancelButton");
    cancelButton_->setGeometry(dialogRect(239, 55, 50, 14));
    cancelButton_->setAutoDefault(false);

    connect(okButton_, &QPushButton::clicked, this, &NewSetDialog::confirm);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    nameField_->setFocus();
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

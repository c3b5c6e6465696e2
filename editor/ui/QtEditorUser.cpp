// SPDX-License-Identifier: MIT
#include "editor/ui/QtEditorUser.h"

#include "editor/model/EditorTexts.h"
#include "editor/ui/NewSetDialog.h"

#include <QPushButton>

namespace qv {

std::unique_ptr<QMessageBox> QtEditorUser::makeMessageBox(const Message& message, QWidget* parent) {
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (message.icon) {
    case MessageIcon::Information:
        icon = QMessageBox::Information;
        break;
    case MessageIcon::Warning:
        icon = QMessageBox::Warning;
        break;
    case MessageIcon::Question:
        icon = QMessageBox::Question;
        break;
    case MessageIcon::Stop:
        icon = QMessageBox::Critical;
        break;
    }
    QMessageBox::StandardButtons buttons =
        message.buttons == MessageButtons::YesNoCancel
            ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
            : QMessageBox::StandardButtons(QMessageBox::Ok);
    auto box = std::make_unique<QMessageBox>(icon, QString::fromStdString(message.title),
                                             QString::fromStdString(message.text), buttons, parent);
    box->setTextFormat(Qt::PlainText);
    if (message.buttons == MessageButtons::YesNoCancel) {
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::Cancel);
        if (!message.yesText.empty()) {
            box->button(QMessageBox::Yes)->setText(QString::fromStdString(message.yesText));
        }
        if (!message.noText.empty()) {
            box->button(QMessageBox::No)->setText(QString::fromStdString(message.noText));
        }
    }
    return box;
}

MessageAnswer QtEditorUser::answerOf(QMessageBox::StandardButton button, MessageButtons buttons) {
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Cancel;
    }
}

MessageAnswer QtEditorUser::showMessage(const Message& message) {
    std::unique_ptr<QMessageBox> box = makeMessageBox(message, parent_);
    box->exec();
    return answerOf(box->standardButton(box->clickedButton()), message.buttons);
}

std::optional<std::string>
QtEditorUser::askNewSetName(const std::function<bool(const std::string&)>& accept) {
    NewSetDialog dialog(accept, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.name();
}

std::optional<std::string>
QtEditorUser::askSaveAsName(const std::function<bool(const std::string&)>& accept) {
    NewSetDialog dialog(accept, parent_);
    dialog.setTexts(QString::fromStdString(editorText::shown(editorText::saveAsCaption)),
                    QString::fromStdString(editorText::shown(editorText::saveAsPrompt)));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.name();
}

} // namespace qv

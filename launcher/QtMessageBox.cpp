// SPDX-License-Identifier: MIT
#include "launcher/QtMessageBox.h"

#include "common/qt/QtLanguage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

namespace qv {
namespace {

// The platform offers no check box in its message boxes; the third answer
// is a button of its own, found again by this property.
constexpr const char* dontShowProperty = "qvDontShowAgain";

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QString shown(const std::string& text) {
    return QCoreApplication::translate("Porchlight", text.c_str());
}

} // namespace

QtMessageBox::QtMessageBox() = default;

QtMessageBox::~QtMessageBox() = default;

std::unique_ptr<QMessageBox> QtMessageBox::makeBox(const MessageRequest& request) {
    auto box = std::make_unique<QMessageBox>(static_cast<QWidget*>(request.owner));
    box->setIcon(qtIcon(request.icon));
    // The launcher's texts are marked in English; the box shows them in the
    // session's language where its catalogue has them.
    box->setWindowTitle(shown(request.title));
    box->setText(shown(request.text));
    box->setTextFormat(Qt::PlainText);
    switch (request.buttons) {
    case MessageButtons::Ok:
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoDontShow: {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        QPushButton* dontShow = box->addButton(
            QCoreApplication::translate("Porchlight", "Don't show again"), QMessageBox::RejectRole);
        dontShow->setProperty(dontShowProperty, true);
        break;
    }
    case MessageButtons::YesNoCancel:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    }
    return box;
}

MessageAnswer QtMessageBox::answerOf(const QMessageBox& box, const QAbstractButton* clicked) {
    if (clicked == nullptr) {
        return MessageAnswer::Closed;
    }
    if (clicked->property(dontShowProperty).toBool()) {
        return MessageAnswer::DontShowAgain;
    }
    switch (box.standardButton(const_cast<QAbstractButton*>(clicked))) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Closed;
    }
}

MessageAnswer QtMessageBox::show(const MessageRequest& request) {
    if (QCoreApplication::instance() == nullptr) {
        application_ = std::make_unique<QApplication>(argc_, argv_);
        if (language_ != nullptr) {
            language_->install();
        }
    }
    // Widgets need a QApplication; a console-only application cannot show a box.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return MessageAnswer::Closed;
    }
    std::unique_ptr<QMessageBox> box = makeBox(request);
    box->exec();
    return answerOf(*box, box->clickedButton());
}

} // namespace qv

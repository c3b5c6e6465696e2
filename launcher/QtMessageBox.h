// SPDX-License-Identifier: MIT
#pragma once
// MessageBox shown as a Qt QMessageBox. A program that has no window of its
// own may use it without making a QApplication first: the first box that is
// shown makes one and keeps it until this object goes.

#include <memory>

#include "platform/MessageBox.h"

class QApplication;
class QAbstractButton;
class QMessageBox;

namespace qv {

class QtLanguage;

class QtMessageBox : public MessageBox {
public:
    QtMessageBox();
    ~QtMessageBox() override;
    QtMessageBox(const QtMessageBox&) = delete;
    QtMessageBox& operator=(const QtMessageBox&) = delete;

    MessageAnswer show(const MessageRequest& request) override;

    // The language the boxes speak: installed into the application that the
    // first box makes.
    void setLanguage(QtLanguage* language) { language_ = language; }

    // The box that show runs, built but not shown; `owner` of the request is
    // taken as its parent QWidget. Needs a QApplication.
    static std::unique_ptr<QMessageBox> makeBox(const MessageRequest& request);
    // What pressing `clicked` in a box made by makeBox answers; a box closed
    // without a button (null) answers Closed.
    static MessageAnswer answerOf(const QMessageBox& box, const QAbstractButton* clicked);

private:
    int argc_ = 1;
    char programName_[11] = "Porchlight";
    char* argv_[2] = {programName_, nullptr};
    std::unique_ptr<QApplication> application_;
    QtLanguage* language_ = nullptr;
};

} // namespace qv

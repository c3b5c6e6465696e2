// SPDX-License-Identifier: MIT
#pragma once
// The editor's questions to the user as Qt message boxes and the new-set dialog.

#include "editor/model/EditorUser.h"

#include <QMessageBox>

#include <memory>

namespace qv {

class QtEditorUser : public EditorUser {
public:
    // The window the boxes belong to; may be set after construction.
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    MessageAnswer showMessage(const Message& message) override;
    std::optional<std::string>
    askNewSetName(const std::function<bool(const std::string&)>& accept) override;
    std::optional<std::string>
    askSaveAsName(const std::function<bool(const std::string&)>& accept) override;

    // The box that showMessage runs, built but not shown.
    static std::unique_ptr<QMessageBox> makeMessageBox(const Message& message, QWidget* parent);
    // What a button of such a box answers; escape and the close box answer
    // Cancel on Yes/No/Cancel and Ok otherwise.
    static MessageAnswer answerOf(QMessageBox::StandardButton button, MessageButtons buttons);

private:
    QWidget* parent_ = nullptr;
};

} // namespace qv

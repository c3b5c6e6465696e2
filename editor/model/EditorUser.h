// SPDX-License-Identifier: MIT
#pragma once
// Everything the editor asks of the person in front of it: message boxes and
// the name of a new set. The dialog program answers with real dialogs; tests
// answer with a recording double, so no test ever waits on a modal box.

#include "platform/MessageBox.h"

#include <functional>
#include <optional>
#include <string>

namespace qv {

// A message of the editor; its icons, buttons and answers are the platform's
// message box's, so one program can use both.
struct Message {
    std::string text; // the fixed text of the system, ASCII
    std::string title;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    // Captions for the Yes and No buttons where the plain words would not
    // say what they do ("Overwrite", "Reload"); empty keeps Yes and No.
    std::string yesText = {};
    std::string noText = {};
};

class EditorUser {
public:
    virtual ~EditorUser() = default;

    // Shows a message and returns the button pressed. A box closed without a
    // button answers Cancel for Yes/No/Cancel and Ok otherwise.
    virtual MessageAnswer showMessage(const Message& message) = 0;

    // Asks for the name of a new set. `accept` is called with each name the
    // user confirms (UTF-8); when it refuses, the question stays
    // open. Returns the accepted name, or nothing when the user cancels.
    virtual std::optional<std::string>
    askNewSetName(const std::function<bool(const std::string&)>& accept) = 0;

    // The same for the name under which Save As writes the open set.
    virtual std::optional<std::string>
    askSaveAsName(const std::function<bool(const std::string&)>& accept) {
        return askNewSetName(accept);
    }
};

} // namespace qv

// SPDX-License-Identifier: MIT
#pragma once
// The modal message box of the operating system, behind one small interface so
// that tests can read what would have been shown and choose the answer.

#include <string>

namespace qv {

enum class MessageIcon { Information, Question, Warning, Stop };

// Which buttons the box offers. YesNoDontShow adds a third button that
// answers DontShowAgain (the platform has no check box in its message boxes).
enum class MessageButtons { Ok, YesNo, YesNoDontShow, YesNoCancel };

enum class MessageAnswer { Ok, Yes, No, DontShowAgain, Cancel, Closed };

struct MessageRequest {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    // The window that owns the box, or null for none (the platform's own
    // window type; the interface does not look into it).
    void* owner = nullptr;
};

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows the box and waits for the user. Closed when it could not be shown
    // or was closed without a button.
    virtual MessageAnswer show(const MessageRequest& request) = 0;
};

} // namespace qv

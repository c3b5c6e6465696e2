#pragma once
// A message box for tests: keeps every request and answers from a queue.

#include <deque>
#include <vector>

#include "platform/MessageBox.h"

namespace qv {

class RecordingMessageBox : public MessageBox {
public:
    // The queued answers are given in order; once they run out, a box answers
    // Ok when it only has Ok, and Yes otherwise.
    MessageAnswer show(const MessageRequest& request) override;

    std::vector<MessageRequest> shown;
    std::deque<MessageAnswer> answers;
};

} // namespace qv

// SPDX-License-Identifier: MIT
#pragma once
// A message box for tests: keeps every request and answers from a queue. Kept
// in this header alone, so that only the tests that use it compile it.

#include <deque>
#include <vector>

#include "platform/MessageBox.h"

namespace qv {

class RecordingMessageBox : public MessageBox {
public:
    // The queued answers are given in order; once they run out, a box answers
    // Ok when it only has Ok, and Yes otherwise.
    MessageAnswer show(const MessageRequest& request) override {
        shown.push_back(request);
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }

    std::vector<MessageRequest> shown;
    std::deque<MessageAnswer> answers;
};

} // namespace qv

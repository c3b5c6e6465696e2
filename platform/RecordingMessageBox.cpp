#include "platform/RecordingMessageBox.h"

namespace qv {

MessageAnswer RecordingMessageBox::show(const MessageRequest& request) {
    shown.push_back(request);
    if (!answers.empty()) {
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
}

} // namespace qv

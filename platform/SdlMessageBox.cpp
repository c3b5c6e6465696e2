// SPDX-License-Identifier: MIT
#include "platform/SdlMessageBox.h"

#include <vector>

#include <SDL.h>

#include "common/Translate.h"

namespace qv {

namespace {

enum ButtonId { OkId = 1, YesId, NoId, DontShowId, CancelId };

Uint32 iconFlags(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return SDL_MESSAGEBOX_ERROR;
    case MessageIcon::Warning:
        return SDL_MESSAGEBOX_WARNING;
    case MessageIcon::Question:
    case MessageIcon::Information:
        break;
    }
    return SDL_MESSAGEBOX_INFORMATION;
}

} // namespace

std::string withoutMnemonic(const std::string& label) {
    std::string out;
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&' && i + 1 < label.size()) {
            ++i;
        }
        out += label[i];
    }
    return out;
}

MessageAnswer SdlMessageBox::show(const MessageRequest& request) {
    // TRANSLATORS: a message box's button; & marks the key that presses it.
    const std::string yes = withoutMnemonic(tr8("&Yes"));
    // TRANSLATORS: a message box's button; & marks the key that presses it.
    const std::string no = withoutMnemonic(tr8("&No"));
    // TRANSLATORS: a message box's button; & marks the key that presses it.
    const std::string dontShow = withoutMnemonic(tr8("&Don't show again"));
    // TRANSLATORS: a message box's button; & marks the key that presses it.
    const std::string cancel = withoutMnemonic(tr8("&Cancel"));
    // TRANSLATORS: a message box's button.
    const std::string ok = tr8("OK");
    std::vector<SDL_MessageBoxButtonData> buttons;
    switch (request.buttons) {
    case MessageButtons::Ok:
        buttons.push_back({SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, OkId, ok.c_str()});
        break;
    case MessageButtons::YesNoDontShow:
        buttons.push_back({0, DontShowId, dontShow.c_str()});
        [[fallthrough]];
    case MessageButtons::YesNo:
        buttons.push_back({SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, NoId, no.c_str()});
        buttons.push_back({SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, YesId, yes.c_str()});
        break;
    case MessageButtons::YesNoCancel:
        buttons.push_back({SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, CancelId, cancel.c_str()});
        buttons.push_back({0, NoId, no.c_str()});
        buttons.push_back({SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, YesId, yes.c_str()});
        break;
    }
    SDL_MessageBoxData data{};
    data.flags = iconFlags(request.icon) | SDL_MESSAGEBOX_BUTTONS_RIGHT_TO_LEFT;
    data.window = static_cast<SDL_Window*>(request.owner);
    data.title = request.title.c_str();
    data.message = request.text.c_str();
    data.numbuttons = static_cast<int>(buttons.size());
    data.buttons = buttons.data();
    int chosen = -1;
    if (SDL_ShowMessageBox(&data, &chosen) != 0) {
        return MessageAnswer::Closed;
    }
    switch (chosen) {
    case OkId:
        return MessageAnswer::Ok;
    case YesId:
        return MessageAnswer::Yes;
    case NoId:
        return MessageAnswer::No;
    case DontShowId:
        return MessageAnswer::DontShowAgain;
    case CancelId:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Closed;
    }
}

} // namespace qv

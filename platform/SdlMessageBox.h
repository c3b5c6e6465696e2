// SPDX-License-Identifier: MIT
#pragma once
// Message boxes through SDL, which draws its own where the desktop offers
// none. The owner, when given, is an SDL_Window.

#include "platform/MessageBox.h"

namespace qv {

class SdlMessageBox : public MessageBox {
public:
    MessageAnswer show(const MessageRequest& request) override;
};

// "&Yes" becomes "Yes": SDL's boxes have no keyboard mnemonics, so the marker
// would be shown as it is.
std::string withoutMnemonic(const std::string& label);

} // namespace qv

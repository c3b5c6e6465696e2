// SPDX-License-Identifier: MIT
#include "game/startup/GraphicsRuntimeCheck.h"

#include <cstdint>
#include <string>

#include "common/Translate.h"
#include "game/startup/GraphicsRuntimeVersion.h"

namespace qv {

namespace {

constexpr std::size_t versionTextCapacity = 10;

std::string oldVersionText(const std::string& version) {
    return fillPlaceholders(
        // TRANSLATORS: a message box with Yes and No; the first %s is the version
        // found ("4.09"), the second the web site to download from.
        tr8("There is an old version of Microsoft DirectX (v%s) installed with Microsoft "
            "Windows on your computer\n\n"
            "Microsoft DirectX is a free software package needed to run Microsoft Windows "
            "applications and games\n"
            "The package is constantly improving to make Windows software faster and more "
            "efficient\n\n"
            "For Quizvale to work, you need to update Microsoft DirectX to a newer version "
            "(v9.0c or higher)\n"
            "Would you like to download the latest version of Microsoft DirectX from %s?\n\n"
            "(Note: If you have a very old PC and graphics card, you may want to visit the "
            "graphics card manufacturer's site first\n"
            "regarding details about DirectX support on their drivers)\n"),
        version, runtimeDownloadSite);
}

const char* const installTitle =
    // TRANSLATORS: the title of the graphics runtime's installation message boxes.
    N_("DirectX9 Installation");

const char* const guideText =
    // TRANSLATORS: a message box with OK.
    N_("You will now be guided through the procedure of installing DirectX 9\n\n"
       "Please press OK to continue");

const char* const stepsText =
    // TRANSLATORS: a message box with OK; keep the folder and file names as they are.
    N_("To install DirectX 9 please follow the following steps:\n\n"
       "1. Open the downloaded file by double clicking it with the left mouse button\n\n"
       "2. Select Yes to accept the terms of the agreement\n\n"
       "3. Type in the following: c:/temporarydx\n\n"
       "4. Press the OK button\n\n"
       "5. Open a 'My Computer' window and go into the 'temporarydx' folder that was just "
       "created\n\n"
       "6. Double click the left mouse button on 'dxsetup.exe', and follow the instructions to "
       "install DirectX9\n"
       "(Note: At the end of installation, your PC may need to reboot. After this has happened, "
       "you can delete the 'temporarydx' folder, although leaving it on your PC will do no "
       "harm)\n\n"
       "Once rebooted, run Quizvale again to finish the setup procedure");

MessageRequest informationBox(std::string title, std::string text, MessageButtons buttons) {
    MessageRequest request;
    request.title = std::move(title);
    request.text = std::move(text);
    request.icon = MessageIcon::Information;
    request.buttons = buttons;
    return request;
}

} // namespace

bool checkGraphicsRuntime(RuntimeDiagnostics& diagnostics, MessageBox& messages,
                          ShellOpener& shell) {
    std::uint32_t number = 0;
    std::string text;
    detectRuntimeVersion(diagnostics, number, text, versionTextCapacity);
    if (number >= requiredRuntimeVersion) {
        return true;
    }
    // TRANSLATORS: the title of a message box.
    if (messages.show(informationBox(tr8("Old DirectX Version Detected"), oldVersionText(text),
                                     MessageButtons::YesNo)) != MessageAnswer::Yes) {
        return false;
    }
    messages.show(informationBox(tr8(installTitle), tr8(guideText), MessageButtons::Ok));
    // Whether the page opened is not known here; the next box tells the user
    // how to get there by hand.
    shell.open(runtimeDownloadPage);
    messages.show(informationBox(
        tr8(installTitle),
        // TRANSLATORS: a message box with OK; the first %s is a site's name, the
        // second the address of its download page.
        fillPlaceholders(tr8("The DirectX 9 download page on %s should now open\n\n"
                             "If this doesn't happen, please go there manually by following "
                             "this link:\n%s\n\n"
                             "Please click OK when you've successfully downloaded DirectX 9"),
                         runtimeDownloadHost, runtimeDownloadPage),
        MessageButtons::Ok));
    messages.show(informationBox(tr8(installTitle), tr8(stepsText), MessageButtons::Ok));
    return false;
}

} // namespace qv

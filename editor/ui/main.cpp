// Setwright: the question-set editor.

#include "common/ProgramInfo.h"
#include "common/ResourcesFolder.h"
#include "editor/model/ImagePictureHook.h"
#include "editor/model/IniProfile.h"
#include "editor/ui/EditorDialog.h"
#include "editor/ui/PictureArea.h"
#include "editor/ui/QtEditorUser.h"

#include <QApplication>

#include <iostream>
#include <string_view>
#include <vector>

namespace {

// Options that work without a display go here, ahead of the window.
const qv::ProgramInfo setwrightInfo{
    "Setwright",
    "[OPTION]...",
    "The question-set editor of Quizvale: opens the set used last, or asks for the name of a\n"
    "new one.",
    {},
    "Sets are saved under Resources/QuestionSets in the product folder, or in\n"
    "~/.local/share/Quizvale/Resources/QuestionSets when that folder cannot be written.",
};

} // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so that they need no display.
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (qv::answerInfoOption(setwrightInfo, arguments, std::cout)) {
        return 0;
    }
    QApplication application(argc, argv);
    qv::QtEditorUser user;
    qv::ImagePictureHook pictures(user);
    qv::IniProfile profile(qv::IniProfile::defaultLocation());
    // Sets live in the Resources folder the game reads: the shipped one, or
    // the user's own copy when the product folder cannot be written.
    qv::EditorDialog dialog(user, pictures, profile, qv::resourcesFolder() / "QuestionSets");
    user.setParentWidget(&dialog);
    pictures.setDisplay(dialog.pictureArea());
    if (!dialog.startUp()) {
        return 0;
    }
    // The program ends when the dialog closes (Exit, Escape or the close box).
    dialog.exec();
    return 0;
}

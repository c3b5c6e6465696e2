// Setwright: the question-set editor.

#include "common/ResourcesFolder.h"
#include "editor/interchange/CommandLine.h"
#include "editor/model/ImagePictureHook.h"
#include "editor/model/IniProfile.h"
#include "editor/ui/EditorDialog.h"
#include "editor/ui/InterchangeMenus.h"
#include "editor/ui/PictureArea.h"
#include "editor/ui/QtEditorUser.h"

#include <QApplication>

#include <iostream>
#include <span>

namespace {

// Sets live in the Resources folder the game reads: the shipped one, or the
// user's own copy when the product folder cannot be written.
std::filesystem::path setsFolder() {
    return qv::resourcesFolder() / "QuestionSets";
}

// The commands that work without a window run before Qt is started, so they
// need no display.
std::optional<int> runWithoutWindow(int argc, char** argv) {
    const std::span<const char* const> args(argv + 1, static_cast<std::size_t>(argc - 1));
    if (!qv::interchange::isInterchangeCommand(args)) {
        return std::nullopt;
    }
    return qv::interchange::runCommandLine(args, setsFolder, std::cout, std::cerr);
}

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> code = runWithoutWindow(argc, argv)) {
        return *code;
    }
    QApplication application(argc, argv);
    qv::QtEditorUser user;
    qv::ImagePictureHook pictures(user);
    qv::IniProfile profile(qv::IniProfile::defaultLocation());
    qv::EditorDialog dialog(user, pictures, profile, setsFolder());
    user.setParentWidget(&dialog);
    pictures.setDisplay(dialog.pictureArea());
    new qv::InterchangeMenus(dialog); // owned by the dialog
    if (!dialog.startUp()) {
        return 0;
    }
    // The program ends when the dialog closes (Exit, Escape or the close box).
    dialog.exec();
    return 0;
}

// Setwright: the question-set editor.

#include "common/ResourcesFolder.h"
#include "editor/model/ImagePictureHook.h"
#include "editor/model/IniProfile.h"
#include "editor/ui/EditorDialog.h"
#include "editor/ui/PictureArea.h"
#include "editor/ui/QtEditorUser.h"

#include <QApplication>

int main(int argc, char** argv) {
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

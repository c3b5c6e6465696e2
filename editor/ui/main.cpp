// Setwright: the question-set editor.

#include "common/Paths.h"
#include "editor/model/FilePictureHook.h"
#include "editor/model/IniProfile.h"
#include "editor/ui/EditorDialog.h"
#include "editor/ui/QtEditorUser.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    qv::QtEditorUser user;
    qv::FilePictureHook pictures;
    qv::IniProfile profile(qv::IniProfile::defaultLocation());
    qv::EditorDialog dialog(user, pictures, profile,
                            qv::Editor::setsFolderFor(qv::programFolder()));
    user.setParentWidget(&dialog);
    if (!dialog.startUp()) {
        return 0;
    }
    // The program ends when the dialog closes (Exit, Escape or the close box).
    dialog.exec();
    return 0;
}

// SPDX-License-Identifier: MIT
// Setwright: the question-set editor.

#include "common/ProgramInfo.h"
#include "common/ResourcesFolder.h"
#include "common/TextMark.h"
#include "common/qt/QtLanguage.h"
#include "editor/interchange/CommandLine.h"
#include "editor/model/ImagePictureHook.h"
#include "editor/model/IniProfile.h"
#include "editor/ui/EditorDialog.h"
#include "editor/ui/InterchangeMenus.h"
#include "editor/ui/PictureArea.h"
#include "editor/ui/QtEditorUser.h"
#include "editor/ui/QtSetLock.h"
#include "editor/ui/WidgetDump.h"

#include <QApplication>

#include <iostream>
#include <span>
#include <string_view>
#include <vector>

namespace {

// Options that work without a display go here, ahead of the window.
const qv::ProgramInfo setwrightInfo{
    "Setwright",
    "[OPTION]...",
    QV_TR_NOOP(
        "Setwright",
        "The question-set editor of Quizvale: opens the set used last, or asks for the name of a\n"
        "new one."),
    {
        {"--import FILE --set NAME",
         QV_TR_NOOP("Setwright", "make the set NAME of the questions in FILE")},
        {"--format FORMAT",
         QV_TR_NOOP(
             "Setwright",
             "csv, tsv, xlsx, ods, aiken, gift, opentdb or moodle (default: told from FILE)")},
        {"--sheet NAME|N",
         QV_TR_NOOP("Setwright", "import this sheet of a workbook (default: the first)")},
        {"--columns LIST",
         QV_TR_NOOP("Setwright",
                    "which columns hold what, as question=1,a=2,b=3,c=4,d=5,correct=6")},
        {"--rung N",
         QV_TR_NOOP("Setwright",
                    "put the imported questions that name no rung on rung N (1 to 15)")},
        {"--append",
         QV_TR_NOOP("Setwright", "add the imported questions to the existing set NAME")},
        {"--export NAME --to FILE",
         QV_TR_NOOP("Setwright", "write the set NAME as CSV, its pictures beside FILE")},
        {"--check NAME",
         QV_TR_NOOP("Setwright", "count the questions per rung and list every problem of the set")},
    },
    QV_TR_NOOP(
        "Setwright",
        "--import, --export and --check open no window and need no display. They exit\n"
        "with 0 when all went well, 1 when questions were skipped or problems found,\n"
        "and 2 when nothing was done.\n"
        "\n"
        "Sets are saved under Resources/QuestionSets in the product folder, or in\n"
        "~/.local/share/Quizvale/Resources/QuestionSets when that folder cannot be written."),
    QV_TR_NOOP("Setwright", "Usage:"),
    QV_TR_NOOP("Setwright", "Options:"),
    QV_TR_NOOP("Setwright", "print this help and exit"),
    QV_TR_NOOP("Setwright", "print the version and exit"),
};

// Sets live in the Resources folder the game reads: the shipped one, or the
// user's own copy when the product folder cannot be written.
std::filesystem::path setsFolder() {
    return qv::resourcesFolder() / "QuestionSets";
}

// The commands that work without a window run before Qt is started, so they
// need no display.
std::optional<int> runWithoutWindow(int argc, char** argv) {
    const std::span<const char* const> args(argv + (argc > 0 ? 1 : 0),
                                            static_cast<std::size_t>(argc > 0 ? argc - 1 : 0));
    if (!qv::interchange::isInterchangeCommand(args)) {
        return std::nullopt;
    }
    // An import holds the set's lock until the program ends, so that no
    // window opens the set while it is written.
    qv::QtSetLock lock;
    return qv::interchange::runCommandLine(args, setsFolder, std::cout, std::cerr, &lock);
}

} // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so that they need no display.
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    qv::QtLanguage language("setwright");
    if (qv::answerInfoOption(language.translated(setwrightInfo, "Setwright"), arguments,
                             std::cout)) {
        return 0;
    }
    if (const std::optional<int> code = runWithoutWindow(argc, argv)) {
        return *code;
    }
    QApplication application(argc, argv);
    language.install();
    qv::WidgetDump dump; // for the window tests, when they ask
    qv::QtEditorUser user;
    qv::ImagePictureHook pictures(user);
    qv::IniProfile profile(qv::IniProfile::defaultLocation());
    qv::QtSetLock lock;
    qv::EditorDialog dialog(user, pictures, profile, setsFolder());
    dialog.editor().setSetLock(&lock);
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

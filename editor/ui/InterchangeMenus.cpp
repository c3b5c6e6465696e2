// SPDX-License-Identifier: MIT
#include "editor/ui/InterchangeMenus.h"

#include "editor/interchange/EditorQuestions.h"
#include "editor/interchange/SetImport.h"
#include "editor/ui/EditorDialog.h"
#include "editor/ui/ImportPreview.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>

namespace qv {

namespace fs = std::filesystem;

InterchangeMenus::InterchangeMenus(EditorDialog& window) : QObject(&window), window_(window) {
    QMenu* file = window.fileMenu();
    QAction* before = window.fileMenuExitSeparator();
    auto* importEntry = new QAction(tr("&Import Questions\u2026"), file);
    importEntry->setObjectName("importQuestionsAction");
    connect(importEntry, &QAction::triggered, this, [this] { importQuestions(); });
    auto* exportEntry = new QAction(tr("&Export Questions\u2026"), file);
    exportEntry->setObjectName("exportQuestionsAction");
    connect(exportEntry, &QAction::triggered, this, [this] { exportQuestions(); });
    file->insertSeparator(before);
    file->insertAction(before, importEntry);
    file->insertAction(before, exportEntry);
    window.editor().setStatisticsNotes(
        [](const QuestionList& list) { return interchange::problemsNote(list); });
}

std::optional<fs::path> InterchangeMenus::chooseFile(bool save) {
    if (chooseFile_) {
        return chooseFile_(save);
    }
    const QString chosen =
        save ? QFileDialog::getSaveFileName(&window_, tr("Export Questions"), QString(),
                                            tr("Spreadsheet (*.csv)"))
             : QFileDialog::getOpenFileName(
                   &window_, tr("Import Questions"), QString(),
                   tr("Question files (*.csv *.tsv *.xlsx *.ods *.txt *.gift *.json *.xml)") +
                       QStringLiteral(";;") + tr("All Files (*)"));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return fs::path(chosen.toStdString());
}

void InterchangeMenus::importQuestions() {
    Editor& editor = window_.editor();
    if (editor.setName().empty()) {
        return;
    }
    const std::optional<fs::path> file = chooseFile(false);
    if (!file) {
        return;
    }
    const std::vector<SetFileRecord> existing = interchange::recordsOf(editor.questions());
    const fs::path source = *file;
    auto planner = [source, existing](const ImportPreview::Choice& choice) {
        ImportPreview::Outcome outcome;
        interchange::SourceRecords records;
        interchange::ReadOptions read;
        read.columns = choice.columns;
        if (!interchange::readImportFile(source, choice.format, read, records, outcome.report)) {
            return outcome;
        }
        interchange::ImportOptions options;
        options.rung = choice.rung;
        options.allowRepeats = choice.allowRepeats;
        outcome.plan = interchange::previewImport(records, existing, source.parent_path(), options);
        return outcome;
    };
    // The format the file's name or content tells, as the command line finds it.
    interchange::SourceRecords probe;
    interchange::ReadReport found;
    interchange::readImportFile(source, std::nullopt, {}, probe, found);
    ImportPreview preview(QString::fromStdString(file->filename().string()),
                          QString::fromStdString(editor.setName()), found.format, planner,
                          &window_);
    const int result = runDialog_ ? runDialog_(preview) : preview.exec();
    window_.activateWindow();
    if (result != QDialog::Accepted || preview.plan().questions.empty()) {
        return;
    }
    std::vector<EditorQuestion> questions;
    std::string error;
    if (!interchange::editorQuestionsOf(
            preview.plan(), [&editor] { return editor.newPicturePath(); }, questions, error)) {
        window_.tell(
            tr("No question was imported: %1").arg(QString::fromStdString(error)).toStdString(),
            tr("Questions Not Imported").toStdString());
        return;
    }
    editor.appendQuestions(std::move(questions));
}

void InterchangeMenus::exportQuestions() {
    std::optional<fs::path> file = chooseFile(true);
    if (!file) {
        return;
    }
    if (file->extension().empty()) {
        file->replace_extension(".csv");
    }
    const interchange::ExportResult result =
        interchange::exportEditorQuestions(window_.editor().questions(), *file);
    if (!result.written) {
        window_.tell(tr("The questions were not exported: %1")
                         .arg(QString::fromStdString(result.error))
                         .toStdString(),
                     tr("Questions Not Exported").toStdString());
        return;
    }
    //: %n is the number of questions, %1 the file written.
    std::string text =
        tr("Exported %n questions to %1.", nullptr, static_cast<int>(result.questions))
            .arg(QString::fromStdString(file->string()))
            .toStdString();
    for (const std::string& warning : result.warnings) {
        text += "\n" + warning;
    }
    window_.tell(text, tr("Questions Exported").toStdString());
}

} // namespace qv

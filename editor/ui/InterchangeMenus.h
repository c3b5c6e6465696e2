// SPDX-License-Identifier: MIT
#pragma once
// File > Import Questions… and File > Export Questions… in the editor window,
// and the problems Question Stats lists under its counts.

#include <QObject>

#include <filesystem>
#include <functional>
#include <optional>

class QDialog;

namespace qv {

class EditorDialog;

class InterchangeMenus : public QObject {
    Q_OBJECT
public:
    // Adds the entries to the window's File menu; `window` must outlive this.
    explicit InterchangeMenus(EditorDialog& window);

    // Asks for the file to import from (false) or export to (true); nothing
    // when the user cancelled. The default shows a file dialog; tests answer.
    using FileChooser = std::function<std::optional<std::filesystem::path>(bool save)>;
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    // Runs the import preview and returns its result code.
    using DialogRunner = std::function<int(QDialog&)>;
    void setDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }

    void importQuestions();
    void exportQuestions();

private:
    std::optional<std::filesystem::path> chooseFile(bool save);

    EditorDialog& window_;
    FileChooser chooseFile_;
    DialogRunner runDialog_;
};

} // namespace qv

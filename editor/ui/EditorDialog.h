// SPDX-License-Identifier: MIT
#pragma once
// Setwright's one window. It holds the menu bar and the controls, shows what
// the editor tells it and hands every user action to the editor; the rules
// live in Editor.

#include "editor/model/Editor.h"

#include <QDialog>
#include <QElapsedTimer>

#include <array>
#include <functional>

class QAction;
class QComboBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace qv {

class PictureArea;

class EditorDialog : public QDialog, public EditorView {
    Q_OBJECT
public:
    // The services must outlive the dialog. Nothing is read before startUp.
    EditorDialog(EditorUser& user, PictureHook& pictures, Profile& profile,
                 std::filesystem::path setsFolder, QWidget* parent = nullptr);

    // Opens the remembered set or asks for a new one. False when the program
    // should end without showing the window.
    bool startUp();

    // Runs the picture file dialog of "Add Pic", set up and not yet shown,
    // and returns its result code. The default runs it modally; tests choose
    // or cancel without waiting on a window.
    using FileDialogRunner = std::function<int(QFileDialog&)>;
    void setFileDialogRunner(FileDialogRunner runner) { runFileDialog_ = std::move(runner); }
    // The same for the other dialogs the window opens (Open Question Set,
    // Go to Question).
    using DialogRunner = std::function<int(QDialog&)>;
    void setDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }

    Editor& editor() { return editor_; }
    PictureArea* pictureArea() const { return pictureArea_; }
    QMenuBar* menuBar() const { return menuBar_; }
    // The menus, for entries that other parts of the program add: File holds
    // the set as a whole (new, open, save; import and export belong here too),
    // Edit the changes, Go the moves, Help the rest.
    QMenu* fileMenu() const { return fileMenu_; }
    QMenu* editMenu() const { return editMenu_; }
    // The File menu entry before which entries about other files go.
    QAction* fileMenuExitSeparator() const { return exitSeparator_; }
    // Shows `text` under `title` through the editor's user (message boxes).
    void tell(const std::string& text, const std::string& title);

    // EditorView
    void showFields(const QuestionFields& fields) override;
    void setQuestionLabel(const std::string& label) override;
    void setDeleteEnabled(bool enabled) override;
    void setCaption(const std::string& caption) override;
    void setUndoState(bool canUndo, bool canRedo) override;
    void setQuestionEnabled(bool enabled) override;
    void setReadOnly(bool readOnly) override;

public slots:
    // Escape: the same as Exit.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void orderTabs();
    QPushButton* button(const char* name, const QString& caption);
    // Runs `act` on a click, then puts the cursor back in the question.
    void onClick(QPushButton* button, std::function<void()> act);
    QAction* action(QMenu* menu, const QString& text, std::initializer_list<QKeySequence> keys,
                    std::function<void()> act);
    void fieldsChanged();
    void exit();
    void newQuestionSet();
    void openQuestionSet();
    void goToQuestion();
    void showAbout();
    void addPicture();
    // Whether `event` is a key of one of the menus' shortcuts.
    bool isMenuShortcut(const QKeyEvent& event) const;
    int runDialog(QDialog& dialog);
    void saveAs();
    // Which controls can act: a question shown, the set writable.
    void updateControls();
    // A key in one of the two lists: arrows and typed entries, each run one
    // step of the history. False when the list should handle the key itself.
    bool listKey(QComboBox* list, const QKeyEvent& key);
    void choose(QComboBox* list, int entry);

    Editor editor_;
    EditorUser& user_;
    QWidget* body_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QAction* exitSeparator_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* deleteAction_ = nullptr;
    std::vector<QKeySequence> shortcuts_;
    QLabel* questionLabel_ = nullptr;
    QLineEdit* questionField_ = nullptr;
    std::array<QLineEdit*, 4> answerFields_{};
    QComboBox* correctAnswerList_ = nullptr;
    QComboBox* valueList_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* addPictureButton_ = nullptr;
    QPushButton* removePictureButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QAction* saveAction_ = nullptr;
    PictureArea* pictureArea_ = nullptr;
    FileDialogRunner runFileDialog_;
    DialogRunner runDialog_;
    bool closing_ = false;
    bool questionEnabled_ = true;
    bool readOnly_ = false;
    bool deleteEnabled_ = false;
    // The run of keys in a list that one history step holds.
    QComboBox* runList_ = nullptr;
    bool runByArrows_ = false;
    QString typed_;
    QElapsedTimer typingClock_;
};

} // namespace qv

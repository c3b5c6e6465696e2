#pragma once
// Setwright's one window. It holds the controls, shows what the editor tells
// it and hands every user action to the editor; the rules live in Editor.

#include "editor/model/Editor.h"

#include <QDialog>

#include <array>
#include <functional>

class QComboBox;
class QFileDialog;
class QLabel;
class QLineEdit;
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

    Editor& editor() { return editor_; }
    PictureArea* pictureArea() const { return pictureArea_; }

    // EditorView
    void showFields(const QuestionFields& fields) override;
    void setQuestionLabel(const std::string& label) override;
    void setDeleteEnabled(bool enabled) override;

public slots:
    // Escape: the same as Exit.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    QPushButton* button(const char* name, const QString& caption, int x, int y, int w, int h);
    void fieldsChanged();
    void exit();
    void newQuestionSet();
    void addPicture();

    Editor editor_;
    QLabel* questionLabel_ = nullptr;
    QLineEdit* questionField_ = nullptr;
    std::array<QLineEdit*, 4> answerFields_{};
    QComboBox* correctAnswerList_ = nullptr;
    QComboBox* valueList_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    PictureArea* pictureArea_ = nullptr;
    FileDialogRunner runFileDialog_;
    bool closing_ = false;
};

} // namespace qv

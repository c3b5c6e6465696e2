// SPDX-License-Identifier: MIT
// The editor window's menu bar, its shortcuts, and the dialogs its entries open.

#include "common/ProgramInfo.h"
#include "editor/model/EditorTexts.h"
#include "editor/model/SetListing.h"
#include "editor/ui/EditorDialog.h"
#include "editor/ui/OpenSetDialog.h"

#include <QAction>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>

namespace qv {

QAction* EditorDialog::action(QMenu* menu, const QString& text,
                              std::initializer_list<QKeySequence> keys, std::function<void()> act) {
    QAction* entry = menu->addAction(text);
    if (keys.size() > 0) {
        entry->setShortcuts(QList<QKeySequence>(keys));
        shortcuts_.insert(shortcuts_.end(), keys.begin(), keys.end());
    }
    connect(entry, &QAction::triggered, this, [act = std::move(act)] { act(); });
    return entry;
}

void EditorDialog::buildMenus() {
    // Keys a text field uses for editing (arrows, Home, End, Delete,
    // Ctrl+Left, copy and paste) are never taken; the field's own undo keys
    // are, so that one history undoes everything.
    fileMenu_ = menuBar_->addMenu(tr("&File"));
    fileMenu_->setObjectName("fileMenu");
    action(fileMenu_, tr("&New Question Set"), {}, [this] { newQuestionSet(); });
    action(fileMenu_, tr("&Open Question Set\u2026"), {QKeySequence(Qt::CTRL | Qt::Key_O)},
           [this] { openQuestionSet(); });
    saveAction_ = action(fileMenu_, tr("&Save"), {QKeySequence(Qt::CTRL | Qt::Key_S)},
                         [this] { editor_.save(); });
    action(fileMenu_, tr("Save &As\u2026"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
           [this] { saveAs(); });
    exitSeparator_ = fileMenu_->addSeparator();
    action(fileMenu_, tr("E&xit"), {}, [this] { exit(); });

    editMenu_ = menuBar_->addMenu(tr("&Edit"));
    editMenu_->setObjectName("editMenu");
    undoAction_ = action(editMenu_, tr("&Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                         [this] { editor_.undo(); });
    redoAction_ =
        action(editMenu_, tr("&Redo"),
               {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
               [this] { editor_.redo(); });
    editMenu_->addSeparator();
    action(editMenu_, tr("&New Question"), {QKeySequence(Qt::CTRL | Qt::Key_N)},
           [this] { editor_.newQuestion(); });
    deleteAction_ = action(editMenu_, tr("&Delete Question"),
                           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete)},
                           [this] { editor_.deleteQuestion(); });
    action(editMenu_, tr("Move Question &Up"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up)},
           [this] { editor_.moveQuestion(-1); });
    action(editMenu_, tr("Move Question Do&wn"),
           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down)},
           [this] { editor_.moveQuestion(+1); });

    QMenu* go = menuBar_->addMenu(tr("&Go"));
    go->setObjectName("goMenu");
    struct Move {
        const char* text;
        QKeySequence key;
        Navigation to;
    };
    const Move moves[] = {
        {QT_TR_NOOP("&First"), QKeySequence(Qt::CTRL | Qt::Key_Home), Navigation::First},
        {QT_TR_NOOP("&Back Ten"), QKeySequence(Qt::CTRL | Qt::Key_PageUp), Navigation::TenBack},
        {QT_TR_NOOP("&Previous"), QKeySequence(Qt::Key_PageUp), Navigation::Previous},
        {QT_TR_NOOP("&Next"), QKeySequence(Qt::Key_PageDown), Navigation::Next},
        {QT_TR_NOOP("&Forward Ten"), QKeySequence(Qt::CTRL | Qt::Key_PageDown), Navigation::TenOn},
        {QT_TR_NOOP("&Last"), QKeySequence(Qt::CTRL | Qt::Key_End), Navigation::Last},
    };
    for (const Move& move : moves) {
        const Navigation to = move.to;
        action(go, tr(move.text), {move.key}, [this, to] { editor_.navigate(to); });
    }
    go->addSeparator();
    action(go, tr("&Go to Question\u2026"), {QKeySequence(Qt::CTRL | Qt::Key_G)},
           [this] { goToQuestion(); });

    QMenu* help = menuBar_->addMenu(tr("&Help"));
    help->setObjectName("helpMenu");
    action(help, tr("Question &Stats"), {}, [this] { editor_.showStatistics(); });
    action(help, tr("&About"), {}, [this] { showAbout(); });

    setUndoState(editor_.canUndo(), editor_.canRedo());
}

bool EditorDialog::isMenuShortcut(const QKeyEvent& event) const {
    const QKeySequence pressed(event.keyCombination());
    for (const QKeySequence& key : shortcuts_) {
        if (key.matches(pressed) == QKeySequence::ExactMatch) {
            return true;
        }
    }
    return false;
}

void EditorDialog::setUndoState(bool canUndo, bool canRedo) {
    if (undoAction_ != nullptr) {
        undoAction_->setEnabled(canUndo);
        redoAction_->setEnabled(canRedo);
    }
}

int EditorDialog::runDialog(QDialog& dialog) {
    return runDialog_ ? runDialog_(dialog) : dialog.exec();
}

void EditorDialog::openQuestionSet() {
    OpenSetDialog chooser(listQuestionSets(editor_.setsFolder()), editor_.setName(), this);
    if (runDialog(chooser) != QDialog::Accepted || chooser.chosen().empty()) {
        return;
    }
    editor_.openSet(chooser.chosen());
}

void EditorDialog::goToQuestion() {
    const int count = editor_.questionCount();
    if (count == 0) {
        return;
    }
    QInputDialog ask(this);
    ask.setObjectName("goToDialog");
    ask.setWindowTitle(tr("Go to Question"));
    ask.setLabelText(tr("Question number (1 to %1):").arg(count));
    ask.setInputMode(QInputDialog::IntInput);
    ask.setIntRange(1, count);
    ask.setIntValue(editor_.currentIndex() + 1);
    // Wide enough for its own caption, which the title bar would cut: the
    // dialog's layout sizes it from its contents, so the number field is
    // what widens it.
    if (auto* number = ask.findChild<QSpinBox*>()) {
        number->setMinimumWidth(ask.fontMetrics().horizontalAdvance(ask.windowTitle()) + 160);
    }
    if (runDialog(ask) != QDialog::Accepted) {
        return;
    }
    editor_.goToQuestion(ask.intValue());
}

void EditorDialog::showAbout() {
    //: The About box: %1 is the version, as "0.1.0".
    tell(tr("Quizvale Setwright %1\n\nThe editor of Quizvale's question sets.\n\nLicensed under "
            "the MIT licence.")
             .arg(QString::fromLatin1(productVersion().data(),
                                      static_cast<qsizetype>(productVersion().size())))
             .toStdString(),
         tr("About Setwright").toStdString());
}

void EditorDialog::saveAs() {
    editor_.saveAs();
    if (questionField_->isEnabled()) {
        questionField_->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace qv

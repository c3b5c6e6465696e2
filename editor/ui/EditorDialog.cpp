// SPDX-License-Identifier: MIT
#include "editor/ui/EditorDialog.h"

#include "editor/model/EditorTexts.h"
#include "editor/ui/FieldTextValidator.h"
#include "editor/ui/PictureArea.h"
#include "editor/ui/PictureFileFilter.h"
#include "editor/ui/ProgramIcon.h"

#include "editor/model/ListTyping.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace qv {
namespace {

// A marked text of the model, in the window's language.
QString shownText(std::string_view text) {
    return QString::fromStdString(editorText::shown(text));
}

// The largest picture a question has, in pixels.
constexpr int pictureWidth = 680;
constexpr int pictureHeight = 275;

} // namespace

EditorDialog::EditorDialog(EditorUser& user, PictureHook& pictures, Profile& profile,
                           std::filesystem::path setsFolder, QWidget* parent)
    : QDialog(parent),
      editor_(EditorServices{user, *this, pictures, profile}, std::move(setsFolder)), user_(user) {
    setObjectName("editorDialog");
    setWindowTitle(shownText(editorText::windowCaption));
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName("menuBar");
    body_ = new QWidget(this);
    body_->setObjectName("body");
    buildControls();
    buildMenus();
    orderTabs();
    // The window takes the size its contents need at the user's font and
    // scale, and keeps it: the arrangement is fixed, the pixels are not.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setMenuBar(menuBar_);
    outer->addWidget(body_);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* EditorDialog::button(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, body_);
    b->setObjectName(name);
    // Return does nothing in this dialog, also on a focused button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

void EditorDialog::onClick(QPushButton* b, std::function<void()> act) {
    connect(b, &QPushButton::clicked, this, [this, act = std::move(act)] {
        act();
        // Whatever a button did, typing goes on in the question.
        if (questionField_->isEnabled() && isActiveWindow()) {
            questionField_->setFocus(Qt::OtherFocusReason);
        }
    });
}

void EditorDialog::buildControls() {
    auto* layout = new QVBoxLayout(body_);

    // The navigation row: the number, New Question, the six moves, Delete.
    auto* navigationFrame = new QGroupBox(body_);
    auto* navigationRow = new QHBoxLayout(navigationFrame);
    questionLabel_ = new QLabel(tr("Question Number"), navigationFrame);
    questionLabel_->setObjectName("questionLabel");
    // Room for the longest label, so that the buttons do not move with it.
    questionLabel_->setMinimumWidth(
        questionLabel_->fontMetrics().horizontalAdvance(
            shownText(editorText::questionLabel).replace("%1", "8888").replace("%2", "8888")) +
        4);
    navigationRow->addWidget(questionLabel_);
    navigationRow->addStretch(1);
    QPushButton* newQuestion = button("newQuestion", tr("New Question"));
    onClick(newQuestion, [this] { editor_.newQuestion(); });
    navigationRow->addWidget(newQuestion);
    navigationRow->addSpacing(12);
    struct NavigationButton {
        const char* name;
        const char* caption;
        Navigation to;
    };
    const NavigationButton navigation[] = {
        {"firstQuestion", "|<", Navigation::First},
        {"tenBack", "<<", Navigation::TenBack},
        {"previousQuestion", "<", Navigation::Previous},
        {"nextQuestion", ">", Navigation::Next},
        {"tenOn", ">>", Navigation::TenOn},
        {"lastQuestion", ">|", Navigation::Last},
    };
    auto* moves = new QHBoxLayout;
    moves->setSpacing(2);
    for (const NavigationButton& n : navigation) {
        Navigation to = n.to;
        QPushButton* b = button(n.name, n.caption);
        // As narrow as the caption allows: the six read as one group.
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(">>") + 24);
        onClick(b, [this, to] { editor_.navigate(to); });
        moves->addWidget(b);
    }
    navigationRow->addLayout(moves);
    navigationRow->addSpacing(12);
    deleteButton_ = button("deleteQuestion", tr("Delete Question"));
    onClick(deleteButton_, [this] { editor_.deleteQuestion(); });
    navigationRow->addWidget(deleteButton_);
    layout->addWidget(navigationFrame);

    // The question, its answers, the two lists and the picture buttons.
    auto* questionFrame = new QGroupBox(body_);
    auto* grid = new QGridLayout(questionFrame);
    auto label = [questionFrame](const QString& text) { return new QLabel(text, questionFrame); };
    auto field = [this, questionFrame](const char* name, int limit) {
        auto* f = new QLineEdit(questionFrame);
        f->setObjectName(name);
        // Wide enough for a typical answer at any font size.
        f->setMinimumWidth(f->fontMetrics().averageCharWidth() * 22);
        FieldTextValidator* validator = limitFieldText(f, limit);
        validator->setLeftOutHandler([this](const QString& characters) {
            tell(editorText::shown(editorText::leftOutText) + characters.toStdString(),
                 editorText::shown(editorText::leftOutTitle));
        });
        // The set's one history undoes, not the field's own.
        f->installEventFilter(this);
        connect(f, &QLineEdit::textChanged, this, [this] { fieldsChanged(); });
        return f;
    };
    auto list = [this, questionFrame](const char* name, const QStringList& entries) {
        auto* c = new QComboBox(questionFrame);
        c->setObjectName(name);
        // The wheel changes a list only when it has the focus, never while
        // the user scrolls past it.
        c->setFocusPolicy(Qt::StrongFocus);
        c->installEventFilter(this);
        c->setMaxVisibleItems(static_cast<int>(entries.size()));
        c->addItems(entries);
        connect(c, &QComboBox::currentIndexChanged, this, [this] { fieldsChanged(); });
        return c;
    };
    grid->addWidget(label(tr("Question:")), 0, 0);
    questionField_ = field("questionField", editorText::questionLimit);
    grid->addWidget(questionField_, 0, 1, 1, 3);
    grid->addWidget(label(tr("Answer A:")), 1, 0);
    answerFields_[0] = field("answerAField", editorText::answerLimit);
    grid->addWidget(answerFields_[0], 1, 1);
    grid->addWidget(label(tr("Answer B:")), 1, 2);
    answerFields_[1] = field("answerBField", editorText::answerLimit);
    grid->addWidget(answerFields_[1], 1, 3);
    grid->addWidget(label(tr("Answer C:")), 2, 0);
    answerFields_[2] = field("answerCField", editorText::answerLimit);
    grid->addWidget(answerFields_[2], 2, 1);
    grid->addWidget(label(tr("Answer D:")), 2, 2);
    answerFields_[3] = field("answerDField", editorText::answerLimit);
    grid->addWidget(answerFields_[3], 2, 3);
    grid->setColumnMinimumWidth(4, 8);
    // The lists' entries: "Select..." and then the letters and the prizes,
    // in the order of their stored codes.
    QStringList answers{shownText(editorText::selectEntry)};
    for (const char* letter : {"A", "B", "C", "D"}) {
        answers << shownText(editorText::correctAnswerEntry).arg(QLatin1String(letter));
    }
    QStringList values{shownText(editorText::selectEntry)};
    for (std::size_t code = 1; code < editorText::valueEntries.size(); ++code) {
        const std::string_view entry = editorText::valueEntries[code];
        const QString prize = QString::fromLatin1(entry.substr(entry.find(' ') + 1));
        values << shownText(editorText::valueEntry).arg(prize);
    }
    correctAnswerList_ = list("correctAnswerList", answers);
    grid->addWidget(correctAnswerList_, 0, 5);
    valueList_ = list("valueList", values);
    grid->addWidget(valueList_, 1, 5);
    grid->setColumnMinimumWidth(6, 8);
    //: A button beside the question: adds a picture to it. Short.
    addPictureButton_ = button("addPicture", tr("Add Pic"));
    onClick(addPictureButton_, [this] { addPicture(); });
    grid->addWidget(addPictureButton_, 1, 7);
    //: A button beside the question: takes its picture away. Short.
    removePictureButton_ = button("removePicture", tr("Remove Pic"));
    onClick(removePictureButton_, [this] { editor_.removePicture(); });
    grid->addWidget(removePictureButton_, 2, 7);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addWidget(questionFrame);

    // The picture area: a picture is drawn at its own size, up to 680 x 275.
    auto* pictureFrame = new QGroupBox(body_);
    auto* pictureBox = new QVBoxLayout(pictureFrame);
    pictureArea_ = new PictureArea(pictureFrame);
    pictureArea_->setObjectName("pictureArea");
    pictureArea_->setFixedSize(pictureWidth, pictureHeight);
    pictureBox->addWidget(pictureArea_, 0, Qt::AlignLeft | Qt::AlignTop);
    pictureBox->addStretch(1);
    layout->addWidget(pictureFrame, 1);

    auto* bottomRow = new QHBoxLayout;
    QPushButton* newSet = button("newQuestionSet", tr("New Question Set"));
    onClick(newSet, [this] { newQuestionSet(); });
    bottomRow->addWidget(newSet);
    bottomRow->addStretch(1);
    //: A button: shows how many questions each prize has.
    QPushButton* stats = button("questionStats", tr("Question Stats"));
    onClick(stats, [this] { editor_.showStatistics(); });
    bottomRow->addWidget(stats);
    bottomRow->addSpacing(24);
    saveButton_ = button("save", tr("Save"));
    onClick(saveButton_, [this] { editor_.save(); });
    bottomRow->addWidget(saveButton_);
    QPushButton* exitButton = button("exit", tr("Exit"));
    connect(exitButton, &QPushButton::clicked, this, [this] { exit(); });
    bottomRow->addWidget(exitButton);
    layout->addLayout(bottomRow);
}

bool EditorDialog::startUp() {
    return editor_.startUp();
}

void EditorDialog::orderTabs() {
    const char* order[] = {"questionField", "answerAField",      "answerBField",     "answerCField",
                           "answerDField",  "correctAnswerList", "valueList",        "newQuestion",
                           "firstQuestion", "tenBack",           "previousQuestion", "nextQuestion",
                           "tenOn",         "lastQuestion",      "deleteQuestion",   "addPicture",
                           "removePicture", "newQuestionSet",    "questionStats",    "save",
                           "exit"};
    QWidget* previous = nullptr;
    for (const char* name : order) {
        auto* widget = body_->findChild<QWidget*>(name);
        if (previous != nullptr && widget != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void EditorDialog::showFields(const QuestionFields& fields) {
    // Filling the controls is not an edit: no change may reach the editor.
    std::array<QWidget*, 7> controls = {questionField_,   answerFields_[0], answerFields_[1],
                                        answerFields_[2], answerFields_[3], correctAnswerList_,
                                        valueList_};
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QWidget* control : controls) {
        blockers.push_back(std::make_unique<QSignalBlocker>(control));
    }
    questionField_->setText(fieldOfUtf8(fields.text));
    for (std::size_t i = 0; i < answerFields_.size(); ++i) {
        answerFields_[i]->setText(fieldOfUtf8(fields.answers[i]));
    }
    auto select = [](QComboBox* list, int code) {
        list->setCurrentIndex(code >= 0 && code < list->count() ? code : -1);
    };
    select(correctAnswerList_, fields.correctAnswer);
    select(valueList_, fields.value);
    // Every question shown is ready for typing, the cursor after its text.
    if (questionField_->isEnabled()) {
        questionField_->setFocus(Qt::OtherFocusReason);
    }
}

void EditorDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A dialog that opens hands its focus field a Tab, which selects the
    // whole text, and the first key typed would replace the question.
    QTimer::singleShot(0, this, [this] {
        if (questionField_->hasSelectedText()) {
            questionField_->deselect();
            questionField_->end(false);
        }
    });
}

void EditorDialog::setQuestionEnabled(bool enabled) {
    questionEnabled_ = enabled;
    updateControls();
}

void EditorDialog::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    updateControls();
}

void EditorDialog::updateControls() {
    if (!questionEnabled_) {
        // Nothing to type into: the keys go to the window itself, where
        // Ctrl+N waits. Taken before the fields are disabled, or the focus
        // would move on to a button that a space would press.
        setFocus(Qt::OtherFocusReason);
    }
    for (QLineEdit* field :
         {questionField_, answerFields_[0], answerFields_[1], answerFields_[2], answerFields_[3]}) {
        field->setEnabled(questionEnabled_);
        field->setReadOnly(readOnly_);
    }
    correctAnswerList_->setEnabled(questionEnabled_ && !readOnly_);
    valueList_->setEnabled(questionEnabled_ && !readOnly_);
    addPictureButton_->setEnabled(questionEnabled_ && !readOnly_);
    removePictureButton_->setEnabled(questionEnabled_ && !readOnly_);
    saveButton_->setEnabled(!readOnly_);
    if (saveAction_ != nullptr) {
        saveAction_->setEnabled(!readOnly_);
    }
    for (const char* name : {"newQuestion"}) {
        if (auto* b = body_->findChild<QPushButton*>(name)) {
            b->setEnabled(!readOnly_);
        }
    }
    deleteButton_->setEnabled(deleteEnabled_ && !readOnly_);
    if (deleteAction_ != nullptr) {
        deleteAction_->setEnabled(deleteEnabled_ && !readOnly_);
    }
    if (questionEnabled_ && (focusWidget() == nullptr || focusWidget() == this)) {
        questionField_->setFocus(Qt::OtherFocusReason); // a question is back: typing goes on
    }
}

bool EditorDialog::listKey(QComboBox* list, const QKeyEvent& key) {
    if ((key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return false;
    }
    int target = -1;
    const int last = list->count() - 1;
    bool arrow = true;
    switch (key.key()) {
    case Qt::Key_Up:
        target = std::max(list->currentIndex() - 1, 0);
        break;
    case Qt::Key_Down:
        target = std::min(list->currentIndex() + 1, last);
        break;
    case Qt::Key_PageUp:
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_PageDown:
    case Qt::Key_End:
        target = last;
        break;
    default:
        arrow = false;
        break;
    }
    if (arrow) {
        // A run of arrows in one list is one step, however long.
        if (runList_ != list || !runByArrows_) {
            editor_.sealEdits();
        }
        runList_ = list;
        runByArrows_ = true;
        typed_.clear();
        choose(list, target);
        return true;
    }
    const QString text = key.text();
    if (text.size() != 1 || !text.front().isLetterOrNumber()) {
        return false;
    }
    const ChoiceList which =
        list == correctAnswerList_ ? ChoiceList::CorrectAnswer : ChoiceList::Value;
    // Keys typed within the interval form one entry, as in any list's
    // type-ahead; a key after a pause starts a new one.
    const bool continuing = runList_ == list && !runByArrows_ && typingClock_.isValid() &&
                            typingClock_.elapsed() <= QApplication::keyboardInputInterval();
    if (!continuing) {
        editor_.sealEdits();
        typed_.clear();
    }
    runList_ = list;
    runByArrows_ = false;
    typingClock_.restart();
    typed_ += text;
    int code = typedChoice(which, typed_.toStdString());
    if (code < 0 && typed_.size() > 1 && typedChoice(which, text.toStdString()) >= 0) {
        // What came before picks nothing with this key, which picks an
        // entry on its own: it starts afresh. Otherwise the entry may still
        // be on its way ("50" of "500").
        typed_ = text;
        code = typedChoice(which, typed_.toStdString());
    }
    if (code >= 0) {
        choose(list, code);
    }
    return true;
}

void EditorDialog::choose(QComboBox* list, int entry) {
    if (entry < 0 || entry == list->currentIndex()) {
        return;
    }
    editor_.continueListRun();
    list->setCurrentIndex(entry);
    editor_.endListRun();
}

void EditorDialog::setQuestionLabel(const std::string& label) {
    questionLabel_->setText(QString::fromStdString(label));
}

void EditorDialog::setDeleteEnabled(bool enabled) {
    deleteEnabled_ = enabled;
    updateControls();
}

void EditorDialog::setCaption(const std::string& caption) {
    setWindowTitle(fieldOfUtf8(caption));
}

void EditorDialog::tell(const std::string& text, const std::string& title) {
    user_.showMessage(Message{text, title, MessageIcon::Information, MessageButtons::Ok});
}

void EditorDialog::fieldsChanged() {
    QuestionFields fields;
    fields.text = utf8OfField(questionField_->text());
    for (std::size_t i = 0; i < answerFields_.size(); ++i) {
        fields.answers[i] = utf8OfField(answerFields_[i]->text());
    }
    fields.correctAnswer = static_cast<std::int8_t>(correctAnswerList_->currentIndex());
    fields.value = static_cast<std::int8_t>(valueList_->currentIndex());
    editor_.storeFields(fields);
}

void EditorDialog::newQuestionSet() {
    if (editor_.newSet() == NewSetResult::EndProgram) {
        closing_ = true;
        done(QDialog::Rejected);
    }
}

void EditorDialog::addPicture() {
    QFileDialog chooser(this, tr("Open"));
    // Qt's own dialog on every desktop: it shows the filter labels as written
    // and behaves the same under test.
    chooser.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = pictureNameFilters(editorText::pictureFileFilter);
    chooser.setNameFilters(filters);
    chooser.selectNameFilter(filters.value(0));
    const std::filesystem::path previous = editor_.previousPicturePath();
    if (!previous.empty()) {
        // The stored value names the last file chosen: start in its folder.
        std::error_code error;
        const std::filesystem::path folder =
            std::filesystem::is_directory(previous, error) ? previous : previous.parent_path();
        if (std::filesystem::is_directory(folder, error)) {
            chooser.setDirectory(QFile::decodeName(QByteArray::fromStdString(folder.string())));
        }
    }
    const int result = runFileDialog_ ? runFileDialog_(chooser) : chooser.exec();
    const QStringList chosen = chooser.selectedFiles();
    if (result != QDialog::Accepted || chosen.isEmpty() || chosen.front().isEmpty()) {
        editor_.addPicture(std::nullopt);
        return;
    }
    editor_.addPicture(std::filesystem::path(QFile::encodeName(chosen.front()).toStdString()));
}

void EditorDialog::exit() {
    if (closing_ || !editor_.close()) {
        return;
    }
    closing_ = true;
    done(QDialog::Accepted);
}

void EditorDialog::reject() {
    exit();
}

void EditorDialog::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    event->ignore();
    exit();
}

bool EditorDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* list = qobject_cast<QComboBox*>(watched);
    if (list != nullptr && event->type() == QEvent::KeyPress &&
        listKey(list, *static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (list != nullptr &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusOut)) {
        runList_ = nullptr; // a choice with the mouse, or elsewhere, is a step of its own
    }
    if (event->type() == QEvent::ShortcutOverride &&
        isMenuShortcut(*static_cast<QKeyEvent*>(event))) {
        // A text field would keep these keys (its own undo, Ctrl+Home);
        // left unclaimed, they reach the menus.
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::Wheel) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && !widget->hasFocus()) {
            event->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut) {
        editor_.sealEdits();
    }
    return QDialog::eventFilter(watched, event);
}

void EditorDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace qv

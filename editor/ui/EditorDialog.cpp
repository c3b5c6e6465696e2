// SPDX-License-Identifier: MIT
#include "editor/ui/EditorDialog.h"

#include "editor/model/EditorTexts.h"
#include "editor/ui/DialogFont.h"
#include "editor/ui/DialogUnits.h"
#include "editor/ui/FieldTextValidator.h"
#include "editor/ui/PictureArea.h"
#include "editor/ui/PictureFileFilter.h"
#include "editor/ui/ProgramIcon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>

namespace qv {
namespace {

QString fromText(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Where the picture of the question is drawn, in pixels of the client area.
constexpr int pictureLeft = 19;
constexpr int pictureTop = 233;
constexpr int pictureWidth = 680;
constexpr int pictureHeight = 275;

} // namespace

EditorDialog::EditorDialog(EditorUser& user, PictureHook& pictures, Profile& profile,
                           std::filesystem::path setsFolder, QWidget* parent)
    : QDialog(parent),
      editor_(EditorServices{user, *this, pictures, profile}, std::move(setsFolder)), user_(user) {
    setObjectName("editorDialog");
    setWindowTitle(fromText(editorText::windowCaption));
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(dialogFont(font()));
    // The controls keep the places of the dialog layout, below the menu bar.
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName("menuBar");
    body_ = new QWidget(this);
    body_->setObjectName("body");
    buildControls();
    buildMenus();
    orderTabs();
    const QSize bodySize = dialogRect(0, 0, 492, 391).size();
    const int menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, bodySize.width(), menuHeight);
    body_->setGeometry(0, menuHeight, bodySize.width(), bodySize.height());
    setFixedSize(bodySize.width(), bodySize.height() + menuHeight);
}

QPushButton* EditorDialog::button(const char* name, const QString& caption, int x, int y, int w,
                                  int h) {
    auto* b = new QPushButton(caption, body_);
    b->setObjectName(name);
    b->setGeometry(dialogRect(x, y, w, h));
    // Return does nothing in this dialog, also on a focused button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

void EditorDialog::buildControls() {
    // The frames first, so that the controls lie above them.
    const int frames[3][4] = {{7, 3, 477, 37}, {7, 43, 477, 88}, {7, 135, 477, 229}};
    for (const auto& f : frames) {
        auto* frame = new QGroupBox(body_);
        frame->setGeometry(dialogRect(f[0], f[1], f[2], f[3]));
    }
    pictureArea_ = new PictureArea(body_);
    pictureArea_->setObjectName("pictureArea");
    pictureArea_->setGeometry(pictureLeft, pictureTop, pictureWidth, pictureHeight);

    questionLabel_ = new QLabel("Question Number", body_);
    questionLabel_->setObjectName("questionLabel");
    questionLabel_->setGeometry(dialogRect(15, 19, 101, 8));

    connect(button("newQuestion", "New Question", 175, 16, 59, 15), &QPushButton::clicked, this,
            [this] { editor_.newQuestion(); });
    struct NavigationButton {
        const char* name;
        const char* caption;
        int x;
        Navigation to;
    };
    const NavigationButton navigation[] = {
        {"firstQuestion", "|<", 255, Navigation::First},
        {"tenBack", "<<", 279, Navigation::TenBack},
        {"previousQuestion", "<", 303, Navigation::Previous},
        {"nextQuestion", ">", 327, Navigation::Next},
        {"tenOn", ">>", 351, Navigation::TenOn},
        {"lastQuestion", ">|", 375, Navigation::Last},
    };
    for (const NavigationButton& n : navigation) {
        Navigation to = n.to;
        connect(button(n.name, n.caption, n.x, 16, 21, 15), &QPushButton::clicked, this,
                [this, to] { editor_.navigate(to); });
    }
    deleteButton_ = button("deleteQuestion", "Delete Question", 417, 16, 59, 15);
    connect(deleteButton_, &QPushButton::clicked, this, [this] { editor_.deleteQuestion(); });

    auto label = [this](const char* text, int x, int y, int w) {
        auto* l = new QLabel(text, body_);
        l->setGeometry(dialogRect(x, y, w, 8));
        return l;
    };
    auto field = [this](const char* name, int x, int y, int w, int limit) {
        auto* f = new QLineEdit(body_);
        f->setObjectName(name);
        f->setGeometry(dialogRect(x, y, w, 13));
        FieldTextValidator* validator = limitFieldText(f, limit);
        validator->setLeftOutHandler([this](const QString& characters) {
            tell(std::string(editorText::leftOutText) + characters.toStdString(),
                 std::string(editorText::leftOutTitle));
        });
        // The set's one history undoes, not the field's own.
        f->installEventFilter(this);
        connect(f, &QLineEdit::textChanged, this, [this] { fieldsChanged(); });
        return f;
    };
    label("Question:", 20, 60, 31);
    questionField_ = field("questionField", 56, 59, 254, editorText::questionLimit);
    label("Answer A:", 20, 85, 34);
    answerFields_[0] = field("answerAField", 56, 83, 104, editorText::answerLimit);
    label("Answer B:", 170, 85, 34);
    answerFields_[1] = field("answerBField", 206, 83, 104, editorText::answerLimit);
    label("Answer C:", 20, 105, 34);
    answerFields_[2] = field("answerCField", 56, 103, 104, editorText::answerLimit);
    label("Answer D:", 170, 105, 34);
    answerFields_[3] = field("answerDField", 206, 103, 104, editorText::answerLimit);

    // The given heights are those of the dropped lists; the closed box is as
    // high as a field.
    auto list = [this](const char* name, int y, auto entries) {
        auto* c = new QComboBox(body_);
        c->setObjectName(name);
        // The wheel changes a list only when it has the focus, never while
        // the user scrolls past it.
        c->setFocusPolicy(Qt::StrongFocus);
        c->installEventFilter(this);
        c->setGeometry(dialogRect(324, y, 84, 14));
        c->setMaxVisibleItems(static_cast<int>(entries.size()));
        for (std::string_view entry : entries) {
            c->addItem(fromText(entry));
        }
        connect(c, &QComboBox::currentIndexChanged, this, [this] { fieldsChanged(); });
        return c;
    };
    correctAnswerList_ = list("correctAnswerList", 59, editorText::correctAnswerEntries);
    valueList_ = list("valueList", 76, editorText::valueEntries);

    connect(button("addPicture", "Add Pic", 423, 90, 51, 14), &QPushButton::clicked, this,
            [this] { addPicture(); });
    connect(button("removePicture", "Remove Pic", 423, 107, 51, 14), &QPushButton::clicked, this,
            [this] { editor_.removePicture(); });

    connect(button("newQuestionSet", "New Question Set", 7, 371, 76, 14), &QPushButton::clicked,
            this, [this] { newQuestionSet(); });
    connect(button("questionStats", "Question Stats", 278, 370, 64, 14), &QPushButton::clicked,
            this, [this] { editor_.showStatistics(); });
    connect(button("save", "Save", 379, 370, 51, 14), &QPushButton::clicked, this,
            [this] { editor_.save(); });
    connect(button("exit", "Exit", 433, 370, 51, 14), &QPushButton::clicked, this,
            [this] { exit(); });
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
    // Every question shown is ready for typing.
    questionField_->setFocus(Qt::OtherFocusReason);
}

void EditorDialog::setQuestionLabel(const std::string& label) {
    questionLabel_->setText(QString::fromStdString(label));
}

void EditorDialog::setDeleteEnabled(bool enabled) {
    deleteButton_->setEnabled(enabled);
    if (deleteAction_ != nullptr) {
        deleteAction_->setEnabled(enabled);
    }
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
    QFileDialog chooser(this, QStringLiteral("Open"));
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

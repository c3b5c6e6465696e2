// SPDX-License-Identifier: MIT
// The editor's changes to the open set: fields, questions, pictures, and
// Undo and Redo over them.

#include "editor/model/Editor.h"

#include "editor/model/EditorTexts.h"
#include "editor/model/PictureChoice.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace qv {
namespace {

QuestionFields fieldsOf(const EditorQuestion& record) {
    QuestionFields fields;
    fields.text = record.text;
    fields.answers = record.answers;
    fields.correctAnswer = record.correctAnswer;
    fields.value = record.value;
    return fields;
}

// The one part that differs, or Several.
EditedPart partChanged(const EditorQuestion& before, const QuestionFields& after) {
    std::vector<EditedPart> parts;
    if (before.text != after.text) {
        parts.push_back(EditedPart::Text);
    }
    const EditedPart answers[4] = {EditedPart::AnswerA, EditedPart::AnswerB, EditedPart::AnswerC,
                                   EditedPart::AnswerD};
    for (std::size_t i = 0; i < 4; ++i) {
        if (before.answers[i] != after.answers[i]) {
            parts.push_back(answers[i]);
        }
    }
    if (before.correctAnswer != after.correctAnswer) {
        parts.push_back(EditedPart::CorrectAnswer);
    }
    if (before.value != after.value) {
        parts.push_back(EditedPart::Value);
    }
    return parts.size() == 1 ? parts.front() : EditedPart::Several;
}

bool sameFields(const EditorQuestion& record, const QuestionFields& fields) {
    return record.text == fields.text && record.answers == fields.answers &&
           record.correctAnswer == fields.correctAnswer && record.value == fields.value;
}

} // namespace

void Editor::showQuestion() {
    if (currentIndex_ >= list_.count()) {
        currentIndex_ = list_.count() - 1;
    }
    if (currentIndex_ < 0) {
        currentIndex_ = 0;
    }
    EditorQuestion* record = list_.find(currentIndex_);
    if (record == nullptr) {
        // The set is empty: nothing is shown and nothing can be typed, so
        // no keystroke can go to a question that is not there.
        currentRecord_ = nullptr;
        fields_ = QuestionFields{};
        services_.view.showFields(fields_);
        services_.view.setQuestionEnabled(false);
        services_.pictures.clearPicture();
        services_.view.setQuestionLabel(editorText::shown(editorText::noQuestionsLabel));
        setDeleteEnabled(false);
        updateWindow();
        return;
    }
    fields_ = fieldsOf(*record);
    services_.view.showFields(fields_);
    services_.view.setQuestionEnabled(true);
    currentRecord_ = record;
    showPictureOf(*record);
    services_.view.setQuestionLabel(
        textMark::fill(editorText::shown(editorText::questionLabel),
                       {std::to_string(currentIndex_ + 1), std::to_string(list_.count())}));
    setDeleteEnabled(true);
    updateWindow();
}

void Editor::showPictureOf(EditorQuestion& record) {
    if (record.pictureMissing ||
        (!record.picturePath.empty() && !services_.pictures.showPicture(record.picturePath))) {
        // The question goes on without it, and the next save writes no flag.
        record.pictureMissing = false;
        record.picturePath.clear();
        services_.pictures.clearPicture();
        tell(editorText::shown(editorText::imageNotUsedText),
             editorText::shown(editorText::imageNotUsedTitle), MessageIcon::Information);
        return;
    }
    if (record.picturePath.empty()) {
        services_.pictures.clearPicture();
    }
}

void Editor::storeFields(const QuestionFields& fields) {
    QuestionFields next = fields;
    if (next.correctAnswer < 0) {
        next.correctAnswer = fields_.correctAnswer;
    }
    if (next.value < 0) {
        next.value = fields_.value;
    }
    const bool listRun = std::exchange(listRun_, false);
    if (currentRecord_ == nullptr || !writable()) {
        // No question takes the change: the controls go back to what is shown.
        services_.view.showFields(fields_);
        return;
    }
    if (sameFields(*currentRecord_, next)) {
        fields_ = next;
        return;
    }
    EditChange change;
    change.kind = EditChange::Kind::Fields;
    change.index = currentIndex_;
    change.before = *currentRecord_;
    const EditedPart part = partChanged(*currentRecord_, next);
    fields_ = next;
    currentRecord_->text = next.text;
    currentRecord_->answers = next.answers;
    currentRecord_->correctAnswer = next.correctAnswer;
    currentRecord_->value = next.value;
    change.after = *currentRecord_;
    // A choice in a list is a step of its own, unless it continues a run of
    // keys in that list.
    const bool listChoice = part == EditedPart::CorrectAnswer || part == EditedPart::Value;
    if (listChoice && !listRun) {
        history_.seal();
    }
    if (!history_.mergeTyping(currentIndex_, part, change.after)) {
        EditStep step;
        step.changes.push_back(std::move(change));
        step.shownAfterUndo = step.shownAfterRedo = currentIndex_;
        step.part = part;
        history_.push(std::move(step));
    }
    if (listChoice && !listRun) {
        history_.seal();
    }
    updateWindow();
}

bool Editor::isIncomplete(LeavingBy by) {
    if (currentRecord_ == nullptr) {
        return false; // nothing is shown, so there is nothing to finish
    }
    std::vector<std::string> missing;
    if (fields_.text.empty()) {
        missing.push_back(editorText::shown(editorText::missingParts[0]));
    }
    for (std::size_t i = 0; i < fields_.answers.size(); ++i) {
        if (fields_.answers[i].empty()) {
            missing.push_back(editorText::shown(editorText::missingParts[1 + i]));
        }
    }
    if (fields_.correctAnswer < 1 || fields_.correctAnswer > 4) {
        missing.push_back(editorText::shown(editorText::missingParts[5]));
    }
    if (fields_.value < 1 || fields_.value > 15) {
        missing.push_back(editorText::shown(editorText::missingParts[6]));
    }
    if (missing.empty()) {
        return false;
    }
    std::string parts;
    for (std::size_t i = 0; i < missing.size(); ++i) {
        parts += i == 0 ? "" : editorText::shown(editorText::missingSeparator);
        parts += missing[i];
    }
    std::string text = editorText::shown(by == LeavingBy::Move ? editorText::incompleteMoveText
                                                               : editorText::incompleteText);
    text += "\n\n";
    text += textMark::fill(editorText::shown(editorText::missingList), {parts});
    tell(text, editorText::shown(editorText::incompleteTitle), MessageIcon::Information);
    return true;
}

void Editor::navigate(Navigation to) {
    if (isIncomplete(LeavingBy::Move)) {
        return;
    }
    history_.seal();
    const int last = list_.count() - 1;
    switch (to) {
    case Navigation::First:
        currentIndex_ = 0;
        break;
    case Navigation::Last:
        currentIndex_ = last;
        break;
    case Navigation::Next:
        currentIndex_ = std::min(currentIndex_ + 1, last);
        break;
    case Navigation::TenOn:
        currentIndex_ = std::min(currentIndex_ + 10, last);
        break;
    case Navigation::Previous:
        currentIndex_ = std::max(currentIndex_ - 1, 0);
        break;
    case Navigation::TenBack:
        currentIndex_ = std::max(currentIndex_ - 10, 0);
        break;
    }
    showQuestion();
}

void Editor::goToQuestion(int number) {
    if (isIncomplete(LeavingBy::Move)) {
        return;
    }
    history_.seal();
    currentIndex_ = std::clamp(number - 1, 0, std::max(list_.count() - 1, 0));
    showQuestion();
}

void Editor::pushStep(EditStep step, int shown) {
    history_.push(std::move(step));
    history_.seal();
    currentIndex_ = shown;
    showQuestion();
}

void Editor::newQuestion() {
    if (!writable() || isIncomplete()) {
        return;
    }
    addQuestion();
}

void Editor::addQuestion() {
    EditChange change;
    change.kind = EditChange::Kind::Insert;
    change.index = list_.count();
    EditStep step;
    step.shownAfterUndo = currentIndex_;
    step.shownAfterRedo = change.index;
    currentRecord_ = nullptr;
    EditorQuestion& record = list_.append(std::make_unique<EditorQuestion>());
    change.after = record;
    step.changes.push_back(std::move(change));
    pushStep(std::move(step), record.number);
}

bool Editor::appendQuestions(std::vector<EditorQuestion> questions) {
    if (questions.empty() || !writable()) {
        return false;
    }
    EditStep step;
    step.shownAfterUndo = currentIndex_;
    step.shownAfterRedo = list_.count();
    currentRecord_ = nullptr;
    for (EditorQuestion& question : questions) {
        question.pictureMissing = false;
        if (!question.picturePath.empty()) {
            // Kept in the store, the picture stays whatever becomes of its source.
            question.picturePath = store_.adopt(question.picturePath).string();
        }
        EditChange change;
        change.kind = EditChange::Kind::Insert;
        change.index = list_.count();
        change.after = list_.append(std::make_unique<EditorQuestion>(std::move(question)));
        step.changes.push_back(std::move(change));
    }
    const int first = step.shownAfterRedo;
    pushStep(std::move(step), first);
    return true;
}

void Editor::deleteQuestion() {
    EditorQuestion* record = list_.find(currentIndex_);
    if (record == nullptr || !writable()) {
        return;
    }
    EditChange change;
    change.kind = EditChange::Kind::Remove;
    change.index = currentIndex_;
    change.before = *record;
    EditStep step;
    step.shownAfterUndo = step.shownAfterRedo = currentIndex_;
    step.changes.push_back(std::move(change));
    currentRecord_ = nullptr;
    list_.remove(currentIndex_);
    pushStep(std::move(step), currentIndex_);
}

void Editor::moveQuestion(int offset) {
    const int target = currentIndex_ + offset;
    if (list_.find(currentIndex_) == nullptr || list_.find(target) == nullptr || offset == 0 ||
        !writable()) {
        return;
    }
    EditChange change;
    change.kind = EditChange::Kind::Swap;
    change.index = currentIndex_;
    change.other = target;
    EditStep step;
    step.shownAfterUndo = currentIndex_;
    step.shownAfterRedo = target;
    step.changes.push_back(change);
    currentRecord_ = nullptr;
    applyChange(list_, change, true);
    pushStep(std::move(step), target);
}

void Editor::undo() {
    if (!writable()) {
        return;
    }
    currentRecord_ = nullptr;
    showStep(history_.undo(list_), true);
}

void Editor::redo() {
    if (!writable()) {
        return;
    }
    currentRecord_ = nullptr;
    showStep(history_.redo(list_), false);
}

void Editor::showStep(const EditStep* step, bool undone) {
    if (step != nullptr) {
        currentIndex_ = undone ? step->shownAfterUndo : step->shownAfterRedo;
    }
    showQuestion();
}

void Editor::addPicture(const std::optional<std::filesystem::path>& chosen) {
    // A cancelled choice changes nothing, so nothing is marked as changed.
    if (!chosen || chosen->empty() || currentRecord_ == nullptr || !writable()) {
        return;
    }
    const std::filesystem::path remembered = lowerCasedPictureChoice(*chosen);
    services_.profile.write(std::string(editorText::profilePictureSection),
                            std::string(editorText::profilePictureKey), remembered.string());
    const std::filesystem::path target = store_.newPicturePath();
    if (target.empty() || !services_.pictures.importPicture(remembered, target)) {
        tell(editorText::shown(editorText::imageNotUsedText),
             editorText::shown(editorText::imageNotUsedTitle), MessageIcon::Information);
        // The picture the question had stays, and is drawn again.
        showPictureOf(*currentRecord_);
        updateWindow();
        return;
    }
    EditChange change;
    change.kind = EditChange::Kind::Picture;
    change.index = currentIndex_;
    change.before = *currentRecord_;
    currentRecord_->picturePath = target.string();
    currentRecord_->pictureMissing = false;
    change.after = *currentRecord_;
    EditStep step;
    step.shownAfterUndo = step.shownAfterRedo = currentIndex_;
    step.changes.push_back(std::move(change));
    history_.push(std::move(step));
    history_.seal();
    updateWindow();
}

void Editor::removePicture() {
    if (currentRecord_ == nullptr || currentRecord_->picturePath.empty() || !writable()) {
        return;
    }
    EditChange change;
    change.kind = EditChange::Kind::Picture;
    change.index = currentIndex_;
    change.before = *currentRecord_;
    currentRecord_->picturePath.clear();
    change.after = *currentRecord_;
    EditStep step;
    step.shownAfterUndo = step.shownAfterRedo = currentIndex_;
    step.changes.push_back(std::move(change));
    history_.push(std::move(step));
    history_.seal();
    services_.pictures.clearPicture();
    updateWindow();
}

} // namespace qv

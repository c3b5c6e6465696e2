// SPDX-License-Identifier: MIT
#include "editor/model/EditHistory.h"

#include <memory>

namespace qv {
namespace {

void copyFields(EditorQuestion& to, const EditorQuestion& from) {
    to.text = from.text;
    to.answers = from.answers;
    to.correctAnswer = from.correctAnswer;
    to.value = from.value;
}

// Typing into a text part, or a run of keys in one list (the editor seals
// the history around every other choice in a list).
bool isTyping(EditedPart part) {
    return part != EditedPart::Several;
}

} // namespace

bool applyChange(QuestionList& list, const EditChange& change, bool forwards) {
    using Kind = EditChange::Kind;
    const EditorQuestion& to = forwards ? change.after : change.before;
    switch (change.kind) {
    case Kind::Fields:
        if (EditorQuestion* record = list.find(change.index)) {
            copyFields(*record, to);
            return true;
        }
        return false;
    case Kind::Picture:
        if (EditorQuestion* record = list.find(change.index)) {
            record->picturePath = to.picturePath;
            return true;
        }
        return false;
    case Kind::Insert:
    case Kind::Remove: {
        const bool placing = (change.kind == Kind::Insert) == forwards;
        if (!placing) {
            return list.remove(change.index);
        }
        const EditorQuestion& placed = change.kind == Kind::Insert ? change.after : change.before;
        return list.insert(change.index, std::make_unique<EditorQuestion>(placed)) != nullptr;
    }
    case Kind::Swap:
        return list.swap(change.index, change.other);
    }
    return false;
}

void EditHistory::push(EditStep step) {
    if (position_ < steps_.size()) {
        steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
        if (cleanPosition_ > position_) {
            clean_ = false;
        }
    }
    steps_.push_back(std::move(step));
    position_ = steps_.size();
    sealed_ = false;
}

bool EditHistory::mergeTyping(int index, EditedPart part, const EditorQuestion& after) {
    // Never into the step the saved set ends with: undoing it must still
    // lead back to what is on disk.
    if (sealed_ || !isTyping(part) || position_ == 0 || position_ != steps_.size() ||
        (clean_ && cleanPosition_ == position_)) {
        return false;
    }
    EditStep& last = steps_.back();
    if (last.part != part || last.changes.size() != 1 ||
        last.changes.front().kind != EditChange::Kind::Fields ||
        last.changes.front().index != index) {
        return false;
    }
    copyFields(last.changes.front().after, after);
    return true;
}

const EditStep* EditHistory::undo(QuestionList& list) {
    if (!canUndo()) {
        return nullptr;
    }
    const EditStep& step = steps_[position_ - 1];
    for (auto it = step.changes.rbegin(); it != step.changes.rend(); ++it) {
        applyChange(list, *it, false);
    }
    --position_;
    sealed_ = true;
    return &step;
}

const EditStep* EditHistory::redo(QuestionList& list) {
    if (!canRedo()) {
        return nullptr;
    }
    const EditStep& step = steps_[position_];
    for (const EditChange& change : step.changes) {
        applyChange(list, change, true);
    }
    ++position_;
    sealed_ = true;
    return &step;
}

void EditHistory::markClean() {
    cleanPosition_ = position_;
    clean_ = true;
    sealed_ = true;
}

void EditHistory::markNeverSaved() {
    clean_ = false;
}

void EditHistory::clear() {
    steps_.clear();
    position_ = 0;
    cleanPosition_ = 0;
    clean_ = true;
    sealed_ = true;
}

} // namespace qv

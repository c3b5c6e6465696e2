// SPDX-License-Identifier: MIT
#pragma once
// The set's one history of changes, for Undo and Redo. Each step is a list of
// small changes to the question list that can be applied either way; a step
// that adds a whole batch of questions is still one step. The history also
// knows which step matches the set as last saved (the clean state).

#include "editor/model/EditorQuestion.h"
#include "editor/model/QuestionList.h"

#include <cstddef>
#include <vector>

namespace qv {

// Which part of a question a change of its fields touched; typing into the
// same part of the same question merges into one step.
enum class EditedPart { Several, Text, AnswerA, AnswerB, AnswerC, AnswerD, CorrectAnswer, Value };

struct EditChange {
    enum class Kind {
        Fields,  // `before` and `after` hold the texts and codes
        Picture, // `before` and `after` hold the picture path
        Insert,  // `after` is placed at `index`
        Remove,  // `before` is taken out of `index`
        Swap,    // the questions at `index` and `other` trade places
    };
    Kind kind = Kind::Fields;
    int index = 0;
    int other = 0;
    EditorQuestion before;
    EditorQuestion after;
};

struct EditStep {
    std::vector<EditChange> changes;
    // The question shown once the step is undone, and once it is done again.
    int shownAfterUndo = 0;
    int shownAfterRedo = 0;
    // Only a single field change of one part may take further typing (or
    // further keys of a run in a list).
    EditedPart part = EditedPart::Several;
};

class EditHistory {
public:
    // Adds a step that has already been applied. Steps that were undone are
    // dropped; when the clean state was among them it can no longer be reached.
    void push(EditStep step);

    // Folds a field change into the last step when it continues typing into
    // the same part of the same question. False when it does not.
    bool mergeTyping(int index, EditedPart part, const EditorQuestion& after);

    // Typing after this starts a new step (the user moved or did something else).
    void seal() { sealed_ = true; }

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }

    // Applies the last step backwards / the next step forwards to `list` and
    // returns it, or null when there is none.
    const EditStep* undo(QuestionList& list);
    const EditStep* redo(QuestionList& list);

    // The set as it stands is the set as saved.
    void markClean();
    // The set as it stands matches no saved state (a set never saved).
    void markNeverSaved();
    bool isClean() const { return clean_ && cleanPosition_ == position_; }

    // Forgets every step; the set as it stands is clean.
    void clear();

    std::size_t size() const { return steps_.size(); }

private:
    std::vector<EditStep> steps_;
    std::size_t position_ = 0; // steps_[0, position_) are applied
    std::size_t cleanPosition_ = 0;
    bool clean_ = true; // whether cleanPosition_ names a reachable state
    bool sealed_ = true;
};

// Applies one change forwards or backwards. False when the list does not
// hold what the change expects (then nothing is changed).
bool applyChange(QuestionList& list, const EditChange& change, bool forwards);

} // namespace qv

// SPDX-License-Identifier: MIT
#pragma once
// What the editor shows: the fields of one question, the number label, the
// caption, and which buttons and menu entries can act.

#include <array>
#include <cstdint>
#include <string>

namespace qv {

// The contents of the five text fields and the two lists. A code that is not
// an entry of its list (a value of 20 read from a file) shows the list with
// nothing selected.
struct QuestionFields {
    std::string text;
    std::array<std::string, 4> answers;
    std::int8_t correctAnswer = 0;
    std::int8_t value = 0;
};

class EditorView {
public:
    virtual ~EditorView() = default;

    // Fills the controls. This is not an edit: it must not come back to the
    // editor as a change.
    virtual void showFields(const QuestionFields& fields) = 0;

    // "Question number N of M".
    virtual void setQuestionLabel(const std::string& label) = 0;

    virtual void setDeleteEnabled(bool enabled) = 0;

    // Whether a question is shown: without one the fields and lists are
    // empty and take no input, and New Question is the way in.
    virtual void setQuestionEnabled(bool enabled) { (void)enabled; }

    // A set that another window holds is shown read-only: nothing can be
    // changed or saved (Save As still makes a copy of it).
    virtual void setReadOnly(bool readOnly) { (void)readOnly; }

    // The window's caption, in UTF-8: "<set>* - Quizvale Setwright".
    virtual void setCaption(const std::string& caption) { (void)caption; }

    // Whether Undo and Redo have anything to take back or do again.
    virtual void setUndoState(bool canUndo, bool canRedo) {
        (void)canUndo;
        (void)canRedo;
    }
};

} // namespace qv

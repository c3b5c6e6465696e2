// SPDX-License-Identifier: MIT
#pragma once
// The questions of the open set. The numbers of the records are always
// exactly 0 to count() - 1; each record is reached by its number.

#include "editor/model/EditorQuestion.h"

#include <memory>
#include <vector>

namespace qv {

class QuestionList {
public:
    int count() const { return static_cast<int>(records_.size()); }

    // The record with this number, or null when there is none. The pointer
    // stays valid until that record is removed or the list is cleared.
    EditorQuestion* find(int number);
    const EditorQuestion* find(int number) const;

    // Places `record` after the last one, numbered count(), and returns it.
    EditorQuestion& append(std::unique_ptr<EditorQuestion> record);

    // Places `record` at `number` (0 to count()), numbering every later
    // record one higher. Null when the number is out of range.
    EditorQuestion* insert(int number, std::unique_ptr<EditorQuestion> record);

    // Takes out the record with this number and numbers every later record
    // one lower. False when there is no such record.
    bool remove(int number);

    // Exchanges the places of two records. False when either is missing.
    bool swap(int first, int second);

    void clear() { records_.clear(); }

private:
    void renumberFrom(std::size_t first);

    // Kept in number order, so that a record's number is its index here.
    std::vector<std::unique_ptr<EditorQuestion>> records_;
};

} // namespace qv

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

    // Takes out the record with this number and numbers every later record
    // one lower. False when there is no such record.
    bool remove(int number);

    void clear() { records_.clear(); }

private:
    // Kept in number order, so that a record's number is its index here.
    std::vector<std::unique_ptr<EditorQuestion>> records_;
};

} // namespace qv

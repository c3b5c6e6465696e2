// SPDX-License-Identifier: MIT
#include "editor/model/QuestionList.h"

#include <utility>

namespace qv {

EditorQuestion* QuestionList::find(int number) {
    if (number < 0 || number >= count()) {
        return nullptr;
    }
    return records_[static_cast<std::size_t>(number)].get();
}

const EditorQuestion* QuestionList::find(int number) const {
    if (number < 0 || number >= count()) {
        return nullptr;
    }
    return records_[static_cast<std::size_t>(number)].get();
}

EditorQuestion& QuestionList::append(std::unique_ptr<EditorQuestion> record) {
    record->number = count();
    records_.push_back(std::move(record));
    return *records_.back();
}

EditorQuestion* QuestionList::insert(int number, std::unique_ptr<EditorQuestion> record) {
    if (number < 0 || number > count() || !record) {
        return nullptr;
    }
    EditorQuestion* placed = record.get();
    records_.insert(records_.begin() + number, std::move(record));
    renumberFrom(static_cast<std::size_t>(number));
    return placed;
}

bool QuestionList::remove(int number) {
    if (number < 0 || number >= count()) {
        return false;
    }
    records_.erase(records_.begin() + number);
    renumberFrom(static_cast<std::size_t>(number));
    return true;
}

bool QuestionList::swap(int first, int second) {
    if (find(first) == nullptr || find(second) == nullptr) {
        return false;
    }
    std::swap(records_[static_cast<std::size_t>(first)],
              records_[static_cast<std::size_t>(second)]);
    records_[static_cast<std::size_t>(first)]->number = first;
    records_[static_cast<std::size_t>(second)]->number = second;
    return true;
}

void QuestionList::renumberFrom(std::size_t first) {
    for (std::size_t i = first; i < records_.size(); ++i) {
        records_[i]->number = static_cast<std::int32_t>(i);
    }
}

} // namespace qv

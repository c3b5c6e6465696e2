#include "editor/model/QuestionList.h"

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

bool QuestionList::remove(int number) {
    if (number < 0 || number >= count()) {
        return false;
    }
    records_.erase(records_.begin() + number);
    for (std::size_t i = static_cast<std::size_t>(number); i < records_.size(); ++i) {
        records_[i]->number = static_cast<std::int32_t>(i);
    }
    return true;
}

} // namespace qv

#include "editor/model/Editor.h"

#include "common/Cp1252.h"
#include "common/FileIo.h"
#include "common/SetFile.h"
#include "editor/model/EditorTexts.h"
#include "editor/model/PictureChoice.h"
#include "editor/model/SetName.h"
#include "editor/model/Statistics.h"

#include <algorithm>
#include <memory>
#include <system_error>
#include <vector>

namespace qv {
namespace {

// Texts longer than the game's records hold are cut when a set is read.
constexpr std::size_t maxTextBytes = 255;

QuestionFields fieldsOf(const EditorQuestion& record) {
    QuestionFields fields;
    fields.text = record.text;
    fields.answers = record.answers;
    fields.correctAnswer = record.correctAnswer;
    fields.value = record.value;
    return fields;
}

// Set names are held as code-page bytes; the folders on disk are named in UTF-8.
std::filesystem::path pathOf(const std::string& name) {
    return std::filesystem::path(utf8FromCp1252(name));
}

} // namespace

Editor::Editor(EditorServices services, std::filesystem::path setsFolder)
    : services_(services), setsFolder_(std::move(setsFolder)) {}

std::filesystem::path Editor::setsFolderFor(const std::filesystem::path& programFolder) {
    return programFolder / "Resources" / "QuestionSets";
}

std::filesystem::path Editor::setFolder() const {
    return setsFolder_ / pathOf(setName_);
}

std::filesystem::path Editor::setFilePath() const {
    return setFolder() / pathOf(setName_ + ".txt");
}

void Editor::tell(std::string_view text, std::string_view title, MessageIcon icon) {
    services_.user.showMessage(
        Message{std::string(text), std::string(title), icon, MessageButtons::Ok});
}

void Editor::setDeleteEnabled(bool enabled) {
    deleteEnabled_ = enabled;
    services_.view.setDeleteEnabled(enabled);
}

bool Editor::startUp() {
    std::error_code error;
    std::filesystem::create_directory(setsFolder_, error); // exists already, or cannot be: go on

    std::string stored;
    if (!cp1252FromUtf8(services_.profile.read(std::string(editorText::profileSetSection),
                                               std::string(editorText::profileSetKey)),
                        stored) ||
        !isValidSetName(stored)) {
        stored.clear(); // a profile that names a path outside the sets folder is not followed
    }
    setName_ = std::move(stored);

    fields_ = QuestionFields{};
    services_.view.showFields(fields_);
    setDeleteEnabled(false);

    if (loadSet()) {
        showQuestion();
        return true;
    }
    return newSet() != NewSetResult::EndProgram;
}

bool Editor::close() {
    if (askSaveChanges() == MessageAnswer::Cancel) {
        return false;
    }
    services_.profile.write(std::string(editorText::profileSetSection),
                            std::string(editorText::profileSetKey), utf8FromCp1252(setName_));
    currentRecord_ = nullptr;
    list_.clear();
    services_.pictures.clearPicture();
    return true;
}

void Editor::showQuestion() {
    if (currentIndex_ >= list_.count()) {
        currentIndex_ = list_.count() - 1;
    }
    if (currentIndex_ < 0) {
        currentIndex_ = 0;
    }
    EditorQuestion* record = list_.find(currentIndex_);
    if (record == nullptr) {
        // The set is empty: the fields keep what they show, but no longer
        // belong to any record.
        currentRecord_ = nullptr;
        services_.pictures.clearPicture();
        setDeleteEnabled(false);
        return;
    }
    fields_ = fieldsOf(*record);
    services_.view.showFields(fields_);
    currentRecord_ = record;
    importPicture(record->picturePath);
    services_.view.setQuestionLabel(std::string(editorText::questionLabelPrefix) +
                                    std::to_string(currentIndex_ + 1));
    setDeleteEnabled(true);
}

void Editor::storeFields(const QuestionFields& fields) {
    modified_ = true;
    std::int8_t correctAnswer =
        fields.correctAnswer < 0 ? fields_.correctAnswer : fields.correctAnswer;
    std::int8_t value = fields.value < 0 ? fields_.value : fields.value;
    fields_ = fields;
    fields_.correctAnswer = correctAnswer;
    fields_.value = value;
    if (currentRecord_ != nullptr) {
        currentRecord_->text = fields_.text;
        currentRecord_->answers = fields_.answers;
        currentRecord_->correctAnswer = fields_.correctAnswer;
        currentRecord_->value = fields_.value;
    }
}

bool Editor::isIncomplete() {
    if (currentRecord_ == nullptr) {
        return false; // nothing is shown, so there is nothing to finish
    }
    bool complete = !fields_.text.empty() && fields_.correctAnswer >= 1 &&
                    fields_.correctAnswer <= 4 && fields_.value >= 1 && fields_.value <= 15;
    for (const std::string& answer : fields_.answers) {
        complete = complete && !answer.empty();
    }
    if (complete) {
        return false;
    }
    tell(editorText::incompleteText, editorText::incompleteTitle, MessageIcon::Information);
    return true;
}

void Editor::navigate(Navigation to) {
    if (isIncomplete()) {
        return;
    }
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

void Editor::newQuestion() {
    if (isIncomplete()) {
        return;
    }
    addQuestion();
}

void Editor::addQuestion() {
    modified_ = true;
    EditorQuestion& record = list_.append(std::make_unique<EditorQuestion>());
    currentIndex_ = record.number;
    currentRecord_ = &record;
    showQuestion();
}

void Editor::deleteQuestion() {
    EditorQuestion* record = list_.find(currentIndex_);
    if (record == nullptr) {
        return;
    }
    modified_ = true;
    std::string deletedPicture = record->picturePath;
    currentRecord_ = nullptr;
    list_.remove(currentIndex_);
    movePicturesDown(currentIndex_, deletedPicture);
    showQuestion();
}

void Editor::movePicturesDown(int from, const std::string& deletedPicture) {
    // Showing a question writes its picture file and deletes the file of a
    // question without one, so a picture left under its old number would be
    // lost as soon as the question now holding that number is shown. Each
    // picture moves with its question now instead. Only files under their
    // own number in this set's folder move; a picture still in another set's
    // folder is copied over when its question is next shown.
    const std::filesystem::path folder = setFolder();
    std::error_code error;
    if (!deletedPicture.empty() && deletedPicture == (folder / pictureFileName(from)).string()) {
        std::filesystem::remove(deletedPicture, error);
    }
    for (int n = from; n < list_.count(); ++n) {
        EditorQuestion* record = list_.find(n);
        std::filesystem::path old = folder / pictureFileName(n + 1);
        if (record == nullptr || record->picturePath != old.string()) {
            continue;
        }
        std::filesystem::path moved = folder / pictureFileName(n);
        std::filesystem::rename(old, moved, error);
        if (!error || !std::filesystem::exists(old, error)) {
            // Also when the old file was already gone: the question then
            // reports its missing picture when shown, as after loading.
            record->picturePath = moved.string();
        }
    }
}

bool Editor::loadSet() {
    if (setName_.empty()) {
        return false;
    }
    std::string bytes;
    if (!readWholeFile(setFilePath(), bytes, maxSetFileBytes)) {
        return false;
    }
    SetFileContents contents = readSetFile(bytes, LineEnds::CrOrLf, maxTextBytes);
    const std::filesystem::path folder = setFolder();
    currentRecord_ = nullptr;
    list_.clear();
    int position = 0;
    for (SetFileRecord& stored : contents.records) {
        auto record = std::make_unique<EditorQuestion>();
        record->text = std::move(stored.text);
        record->answers = std::move(stored.answers);
        // Codes are kept as the file gives them, cut to 8 bits.
        record->correctAnswer = static_cast<std::int8_t>(stored.correctAnswer);
        record->value = static_cast<std::int8_t>(stored.value);
        if (stored.pictureFlag >= 1) {
            record->picturePath = (folder / pictureFileName(position)).string();
        }
        currentRecord_ = &list_.append(std::move(record));
        ++position;
    }
    currentIndex_ = list_.count() - 1;
    return true;
}

bool Editor::acceptSetName(const std::string& name) {
    if (!isValidSetName(name)) {
        tell(editorText::invalidNameText, editorText::invalidNameTitle, MessageIcon::Information);
        return false;
    }
    if (setExists(name)) {
        tell(editorText::existingSetText, editorText::invalidNameTitle, MessageIcon::Information);
        return false;
    }
    return true;
}

bool Editor::setExists(const std::string& name) const {
    // The next save would overwrite the set file and the pictures in that
    // folder. An empty folder holds nothing to lose (a set created and never
    // saved), so its name may be taken again.
    const std::filesystem::path folder = setsFolder_ / pathOf(name);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(folder, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return false;
    }
    if (error || status.type() != std::filesystem::file_type::directory) {
        return true;
    }
    const bool empty = std::filesystem::is_empty(folder, error);
    return error || !empty;
}

NewSetResult Editor::newSet() {
    if (askSaveChanges() == MessageAnswer::Cancel) {
        return NewSetResult::Cancelled;
    }
    std::optional<std::string> name = services_.user.askNewSetName(
        [this](const std::string& candidate) { return acceptSetName(candidate); });
    if (!name || !isValidSetName(*name)) {
        return setName_.empty() ? NewSetResult::EndProgram : NewSetResult::Cancelled;
    }
    setName_ = *name;
    std::error_code error;
    std::filesystem::create_directory(setFolder(), error); // an existing folder is fine
    addQuestion();
    return NewSetResult::Created;
}

MessageAnswer Editor::askSaveChanges() {
    if (!modified_) {
        return MessageAnswer::Yes;
    }
    MessageAnswer answer = services_.user.showMessage(
        Message{std::string(editorText::unsavedText), std::string(editorText::unsavedTitle),
                MessageIcon::Question, MessageButtons::YesNoCancel});
    if (answer == MessageAnswer::Yes) {
        save();
        return MessageAnswer::Yes;
    }
    return answer == MessageAnswer::No ? MessageAnswer::No : MessageAnswer::Cancel;
}

bool Editor::save() {
    if (!saveSet()) {
        tell(editorText::saveErrorText, editorText::saveErrorTitle, MessageIcon::Warning);
        return false;
    }
    modified_ = false;
    return true;
}

bool Editor::saveSet() {
    if (setName_.empty()) {
        return false;
    }
    std::error_code error;
    if (!std::filesystem::is_directory(setFolder(), error)) {
        return false;
    }
    // Showing each question on the way writes its picture under its current
    // number, so the picture flags written match the files in the folder.
    std::vector<SetFileRecord> records;
    records.reserve(static_cast<std::size_t>(list_.count()));
    const int remembered = currentIndex_;
    for (int i = 0; i < list_.count(); ++i) {
        currentIndex_ = i;
        showQuestion();
        SetFileRecord block;
        if (currentRecord_ != nullptr) {
            block.text = currentRecord_->text;
            block.answers = currentRecord_->answers;
            block.correctAnswer = currentRecord_->correctAnswer;
            block.value = currentRecord_->value;
            block.pictureFlag = currentRecord_->picturePath.empty() ? 0 : 1;
        }
        records.push_back(std::move(block));
    }
    currentIndex_ = remembered;
    showQuestion();
    return writeFileAtomically(setFilePath(), writeSetFile(records));
}

void Editor::showStatistics() {
    tell(statisticsText(list_), editorText::statisticsTitle, MessageIcon::Information);
}

void Editor::importPicture(std::string source) {
    // Taken by value: the source is often the record's own path, which changes below.
    if (currentRecord_ == nullptr) {
        return;
    }
    if (setName_.empty()) {
        currentRecord_->picturePath.clear();
        services_.pictures.clearPicture();
        return;
    }
    const std::filesystem::path target = setFolder() / pictureFileName(currentIndex_);
    currentRecord_->picturePath = target.string();
    if (source.empty()) {
        std::error_code error;
        std::filesystem::remove(target, error); // a missing file is no error
        currentRecord_->picturePath.clear();
        services_.pictures.clearPicture();
        return;
    }
    if (!services_.pictures.importPicture(source, target)) {
        tell(editorText::imageNotUsedText, editorText::imageNotUsedTitle, MessageIcon::Information);
        currentRecord_->picturePath.clear();
        services_.pictures.clearPicture();
    }
}

void Editor::addPicture(const std::optional<std::filesystem::path>& chosen) {
    modified_ = true;
    if (!chosen || chosen->empty()) {
        return;
    }
    const std::filesystem::path remembered = lowerCasedPictureChoice(*chosen);
    services_.profile.write(std::string(editorText::profilePictureSection),
                            std::string(editorText::profilePictureKey), remembered.string());
    importPicture(remembered.string());
}

void Editor::removePicture() {
    if (currentRecord_ == nullptr) {
        return;
    }
    modified_ = true;
    importPicture({});
}

std::filesystem::path Editor::previousPicturePath() {
    return services_.profile.read(std::string(editorText::profilePictureSection),
                                  std::string(editorText::profilePictureKey));
}

} // namespace qv

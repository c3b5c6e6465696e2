// SPDX-License-Identifier: MIT
#include "editor/model/Editor.h"

#include "common/FileIo.h"
#include "common/SetFile.h"
#include "editor/model/EditorTexts.h"
#include "editor/model/SetName.h"
#include "editor/model/Statistics.h"

#include <algorithm>
#include <memory>
#include <system_error>
#include <vector>

namespace qv {
namespace {

// Texts longer than the game's records hold are cut when a set is read.
constexpr std::size_t maxTextLength = 255;

// Set names are UTF-8, as the folders on disk are named.
std::filesystem::path pathOf(const std::string& name) {
    return std::filesystem::path(name);
}

} // namespace

Editor::Editor(EditorServices services, std::filesystem::path setsFolder)
    : services_(services), setsFolder_(std::move(setsFolder)), store_(setsFolder_) {}

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

std::string Editor::caption() const {
    if (setName_.empty()) {
        return editorText::shown(editorText::windowCaption);
    }
    std::string caption = setName_;
    if (modified()) {
        caption += editorText::unsavedMark;
    }
    if (readOnly_) {
        caption += editorText::shown(editorText::readOnlyMark);
    }
    caption += editorText::captionSeparator;
    caption += editorText::shown(editorText::windowCaption);
    return caption;
}

void Editor::updateWindow() {
    services_.view.setCaption(caption());
    services_.view.setUndoState(history_.canUndo(), history_.canRedo());
}

bool Editor::startUp() {
    std::error_code error;
    std::filesystem::create_directory(setsFolder_, error); // exists already, or cannot be: go on
    PictureStore::removeLeftovers(setsFolder_);

    std::string stored = services_.profile.read(std::string(editorText::profileSetSection),
                                                std::string(editorText::profileSetKey));
    if (!isValidSetName(stored)) {
        stored.clear(); // a profile that names a path outside the sets folder is not followed
    }
    setName_ = std::move(stored);

    fields_ = QuestionFields{};
    services_.view.showFields(fields_);
    setDeleteEnabled(false);

    if (loadSet()) {
        lockOpenSet();
        showQuestion();
        return true;
    }
    updateWindow();
    return newSet() != NewSetResult::EndProgram;
}

bool Editor::close() {
    if (askSaveChanges() == MessageAnswer::Cancel) {
        return false;
    }
    // A new set that was never saved does not exist: the profile keeps
    // naming the set it named.
    if (onDisk_ || setName_.empty()) {
        services_.profile.write(std::string(editorText::profileSetSection),
                                std::string(editorText::profileSetKey), setName_);
    }
    if (lock_ != nullptr) {
        lock_->release();
    }
    currentRecord_ = nullptr;
    list_.clear();
    history_.clear();
    store_.clear();
    services_.pictures.clearPicture();
    return true;
}

bool Editor::loadSet() {
    if (setName_.empty()) {
        return false;
    }
    recoverSetFolder(setFolder());
    std::string bytes;
    if (!readWholeFile(setFilePath(), bytes, maxSetFileBytes)) {
        return false;
    }
    SetFileContents contents = readSetFile(bytes, LineEnds::CrOrLf, maxTextLength);
    reportDamage(contents);
    const std::filesystem::path folder = setFolder();
    seen_ = identityOf(setFilePath());
    onDisk_ = true;
    currentRecord_ = nullptr;
    list_.clear();
    history_.clear();
    int position = 0;
    for (SetFileRecord& stored : contents.records) {
        auto record = std::make_unique<EditorQuestion>();
        record->text = std::move(stored.text);
        record->answers = std::move(stored.answers);
        // Codes are kept as the file gives them, cut to 8 bits.
        record->correctAnswer = static_cast<std::int8_t>(stored.correctAnswer);
        record->value = static_cast<std::int8_t>(stored.value);
        if (stored.pictureFlag >= 1) {
            // Linked into the store, the picture stays with its question
            // whatever later saves do to the set's folder.
            record->picturePath = store_.adopt(folder / pictureFileName(position)).string();
            record->pictureMissing = record->picturePath.empty();
        }
        currentRecord_ = &list_.append(std::move(record));
        ++position;
    }
    currentIndex_ = list_.count() - 1;
    return true;
}

void Editor::reportDamage(const SetFileContents& contents) {
    const std::string file = setFilePath().string();
    if (contents.onlyByteOrderMark) {
        tell(editorText::shown(editorText::markOnlySetText) + "\n" + file,
             editorText::shown(editorText::damagedSetTitle), MessageIcon::Warning);
        return;
    }
    if (contents.damagedLines.empty()) {
        return;
    }
    std::string text(editorText::shown(editorText::damagedSetText));
    // A message box holds a screenful; the rest are said to be there.
    constexpr std::size_t listed = 20;
    for (std::size_t i = 0; i < contents.damagedLines.size() && i < listed; ++i) {
        text += "\n" + file + ":" + std::to_string(contents.damagedLines[i]);
    }
    if (contents.damagedLines.size() > listed) {
        text += '\n';
        text += editorText::shown(editorText::damagedSetMore,
                                  static_cast<int>(contents.damagedLines.size() - listed));
    }
    tell(text, editorText::shown(editorText::damagedSetTitle), MessageIcon::Warning);
}

bool Editor::openSet(const std::string& name) {
    if (!isValidSetName(name) || askSaveChanges() == MessageAnswer::Cancel) {
        return false;
    }
    std::string previous = std::move(setName_);
    setName_ = name;
    if (!loadSet()) {
        setName_ = std::move(previous);
        tell(editorText::shown(editorText::openErrorText),
             editorText::shown(editorText::openErrorTitle), MessageIcon::Warning);
        updateWindow();
        return false;
    }
    lockOpenSet();
    showQuestion();
    updateWindow();
    return true;
}

void Editor::lockOpenSet() {
    readOnly_ = false;
    std::string holder;
    if (lock_ != nullptr && !lock_->take(setLockFile(setsFolder_, setName_), holder)) {
        lock_->release(); // the set it held is no longer open here
        readOnly_ = true;
        const std::string text =
            textMark::fill(editorText::shown(editorText::setInUseText), {setName_, holder});
        tell(text, editorText::shown(editorText::setInUseTitle), MessageIcon::Warning);
    }
    services_.view.setReadOnly(readOnly_);
}

bool Editor::acceptSetName(const std::string& name) {
    if (!isValidSetName(name)) {
        tell(editorText::shown(editorText::invalidNameText),
             editorText::shown(editorText::invalidNameTitle), MessageIcon::Information);
        return false;
    }
    // A name another window has just taken for a set of its own is as good
    // as an existing set.
    if (setExists(name) ||
        (lock_ != nullptr && lock_->heldElsewhere(setLockFile(setsFolder_, name)))) {
        tell(editorText::shown(editorText::existingSetText),
             editorText::shown(editorText::invalidNameTitle), MessageIcon::Information);
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
    // The set exists on disk only once it is saved; until then its lock
    // keeps another window from taking the same name.
    setName_ = *name;
    onDisk_ = false;
    lockOpenSet();
    seen_ = identityOf(setFilePath());
    currentRecord_ = nullptr;
    list_.clear();
    history_.clear();
    store_.clear();
    list_.append(std::make_unique<EditorQuestion>());
    currentIndex_ = 0;
    history_.markNeverSaved();
    showQuestion();
    return NewSetResult::Created;
}

MessageAnswer Editor::askSaveChanges() {
    if (!modified()) {
        return MessageAnswer::Yes;
    }
    MessageAnswer answer = services_.user.showMessage(Message{
        editorText::shown(editorText::unsavedText), editorText::shown(editorText::unsavedTitle),
        MessageIcon::Question, MessageButtons::YesNoCancel});
    if (answer == MessageAnswer::Yes) {
        // A failed save goes on as the user asked; one the user stopped
        // (the set was changed outside) stops what it was part of.
        return saveWithChecks() == SaveOutcome::Declined ? MessageAnswer::Cancel
                                                         : MessageAnswer::Yes;
    }
    return answer == MessageAnswer::No ? MessageAnswer::No : MessageAnswer::Cancel;
}

bool Editor::save() {
    return saveWithChecks() == SaveOutcome::Saved;
}

Editor::SaveOutcome Editor::saveWithChecks() {
    if (readOnly_) {
        return SaveOutcome::Declined;
    }
    if (!confirmOverwrite()) {
        return SaveOutcome::Declined;
    }
    if (!saveSet()) {
        tell(editorText::shown(editorText::saveErrorText),
             editorText::shown(editorText::saveErrorTitle), MessageIcon::Warning);
        updateWindow();
        return SaveOutcome::Failed;
    }
    history_.markClean();
    updateWindow();
    return SaveOutcome::Saved;
}

bool Editor::confirmOverwrite() {
    if (identityOf(setFilePath()) == seen_) {
        return true;
    }
    Message ask{editorText::shown(editorText::outsideChangeText),
                editorText::shown(editorText::outsideChangeTitle), MessageIcon::Warning,
                MessageButtons::YesNoCancel};
    ask.yesText = editorText::shown(editorText::overwriteButton);
    ask.noText = editorText::shown(editorText::reloadButton);
    const MessageAnswer answer = services_.user.showMessage(ask);
    if (answer == MessageAnswer::Yes) {
        return true;
    }
    if (answer == MessageAnswer::No) {
        // What is on disk now replaces this window's changes; a file that
        // cannot be read leaves the window as it was.
        const int shown = currentIndex_;
        if (loadSet()) {
            currentIndex_ = shown;
            showQuestion();
        } else {
            tell(editorText::shown(editorText::openErrorText),
                 editorText::shown(editorText::openErrorTitle), MessageIcon::Warning);
        }
        updateWindow();
    }
    return false;
}

bool Editor::saveAs() {
    std::optional<std::string> name = services_.user.askSaveAsName(
        [this](const std::string& candidate) { return acceptSetName(candidate); });
    if (!name || !isValidSetName(*name)) {
        return false;
    }
    const std::string previous = setName_;
    const bool previousOnDisk = onDisk_;
    const bool previousReadOnly = readOnly_;
    std::string holder;
    if (lock_ != nullptr && !lock_->take(setLockFile(setsFolder_, *name), holder)) {
        tell(editorText::shown(editorText::existingSetText),
             editorText::shown(editorText::invalidNameTitle), MessageIcon::Information);
        return false;
    }
    setName_ = *name;
    readOnly_ = false;
    if (!saveSet()) {
        setName_ = previous;
        onDisk_ = previousOnDisk;
        readOnly_ = previousReadOnly;
        if (lock_ != nullptr && previousReadOnly) {
            lock_->release();
        } else if (lock_ != nullptr && !lock_->take(setLockFile(setsFolder_, previous), holder)) {
            lock_->release();
            readOnly_ = true; // another window took the set in the meantime
        }
        services_.view.setReadOnly(readOnly_);
        tell(editorText::shown(editorText::saveErrorText),
             editorText::shown(editorText::saveErrorTitle), MessageIcon::Warning);
        updateWindow();
        return false;
    }
    history_.markClean();
    services_.view.setReadOnly(false);
    updateWindow();
    return true;
}

bool Editor::saveSet() {
    if (setName_.empty()) {
        return false;
    }
    std::error_code error;
    if (!std::filesystem::is_directory(setsFolder_, error)) {
        return false;
    }
    std::vector<FolderPicture> pictures;
    for (int i = 0; i < list_.count(); ++i) {
        const EditorQuestion* record = list_.find(i);
        if (!record->picturePath.empty()) {
            pictures.push_back({i, record->picturePath});
        }
    }
    auto makeSetFile = [this](const std::vector<int>& dropped) {
        std::vector<SetFileRecord> records;
        records.reserve(static_cast<std::size_t>(list_.count()));
        for (int i = 0; i < list_.count(); ++i) {
            const EditorQuestion* record = list_.find(i);
            SetFileRecord block;
            block.text = record->text;
            block.answers = record->answers;
            block.correctAnswer = record->correctAnswer;
            block.value = record->value;
            block.pictureFlag =
                !record->picturePath.empty() &&
                        std::find(dropped.begin(), dropped.end(), i) == dropped.end()
                    ? 1
                    : 0;
            records.push_back(std::move(block));
        }
        return writeSetFile(records);
    };
    const FolderSaveResult result =
        saveSetFolder(setFolder(), pathOf(setName_ + ".txt"), pictures, makeSetFile, saveHook_);
    if (!result.saved) {
        return false;
    }
    for (int position : result.droppedPictures) {
        list_.find(position)->picturePath.clear();
    }
    // A picture the store could not take still names a file of the old
    // folder, which is gone now; the new folder holds it under its number.
    for (int i = 0; i < list_.count(); ++i) {
        EditorQuestion* record = list_.find(i);
        if (!record->picturePath.empty() && !store_.holds(record->picturePath)) {
            record->picturePath = (setFolder() / pictureFileName(i)).string();
        }
    }
    onDisk_ = true;
    seen_ = identityOf(setFilePath());
    if (!result.droppedPictures.empty()) {
        tell(editorText::shown(editorText::imageNotUsedText),
             editorText::shown(editorText::imageNotUsedTitle), MessageIcon::Information);
    }
    return true;
}

void Editor::showStatistics() {
    std::string text = statisticsText(list_);
    if (statisticsNotes_) {
        const std::string notes = statisticsNotes_(list_);
        if (!notes.empty()) {
            text += "\n\n" + notes;
        }
    }
    tell(text, editorText::shown(editorText::statisticsTitle), MessageIcon::Information);
}

std::filesystem::path Editor::previousPicturePath() {
    return services_.profile.read(std::string(editorText::profilePictureSection),
                                  std::string(editorText::profilePictureKey));
}

} // namespace qv

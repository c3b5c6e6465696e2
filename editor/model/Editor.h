// SPDX-License-Identifier: MIT
#pragma once
// Setwright without its window: the open set, the question shown, the edits
// and every rule about them. The dialog forwards each control's event here
// and shows what the editor tells its EditorView; every question to the user
// goes through EditorUser, every picture through PictureHook.
//
// Every change to the set is a step of one history that Undo and Redo walk.
// Nothing reaches the set's folder before Save: pictures wait in the
// editor's PictureStore, and Save replaces the folder as a whole.

#include "common/SetFile.h"
#include "editor/model/EditHistory.h"
#include "editor/model/EditorUser.h"
#include "editor/model/EditorView.h"
#include "editor/model/PictureHook.h"
#include "editor/model/PictureStore.h"
#include "editor/model/Profile.h"
#include "editor/model/QuestionList.h"
#include "editor/model/SetFileIdentity.h"
#include "editor/model/SetFolderSave.h"
#include "editor/model/SetLock.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qv {

enum class Navigation { First, TenBack, Previous, Next, TenOn, Last };

// What the user was doing when a question turned out incomplete.
enum class LeavingBy { NewQuestion, Move };

enum class NewSetResult {
    Created,    // a new set name is open, with an empty question appended
    Cancelled,  // nothing changed
    EndProgram, // cancelled while no set was open: the program ends
};

// The services the editor talks through; they must outlive it.
struct EditorServices {
    EditorUser& user;
    EditorView& view;
    PictureHook& pictures;
    Profile& profile;
};

class Editor {
public:
    // `setsFolder` is where the question sets live (see setsFolderFor).
    Editor(EditorServices services, std::filesystem::path setsFolder);

    // <program folder>/Resources/QuestionSets
    static std::filesystem::path setsFolderFor(const std::filesystem::path& programFolder);

    // Creates the sets folder, opens the set the profile names on its last
    // question, or else asks for a new set. False when the program should end.
    bool startUp();

    // Exit, Escape, the close box: offers to save, then remembers the open
    // set in the profile. False when the user cancelled and the editor stays.
    bool close();

    // Brings currentIndex into range and shows that question, if there is one.
    void showQuestion();

    // Every change of a field or a list. A list code below 0 (nothing selected)
    // keeps the code the record had. Typing into one field of one question
    // is one step of the history until sealEdits or any other change.
    void storeFields(const QuestionFields& fields);
    // The next keystroke starts a new step (the cursor went to another field).
    void sealEdits() { history_.seal(); }
    // The next change of a list continues the run of keys typed or arrows
    // pressed in it: the whole run is one step of the history. Any other
    // change of a list is a step of its own.
    void continueListRun() { listRun_ = true; }
    void endListRun() { listRun_ = false; }

    // True, after telling the user which parts are missing, when the
    // question shown is not complete.
    bool isIncomplete(LeavingBy by = LeavingBy::NewQuestion);

    // The buttons and menu entries.
    void navigate(Navigation to);
    // Go to Question: `number` counts from 1 and is brought into range.
    void goToQuestion(int number);
    void newQuestion();
    void deleteQuestion();
    // Moves the question shown one place up (-1) or down (+1); it stays shown.
    void moveQuestion(int offset);
    NewSetResult newSet();
    bool save();
    // Save As: writes the open set, pictures included, under a name the user
    // gives, and goes on with it under that name. False when cancelled or
    // not saved (then told, and the set stays as it was).
    bool saveAs();
    void showStatistics();
    void undo();
    void redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }

    // Adds questions after the last one as one step of the history (one
    // Undo takes them all back) and shows the first of them. Their numbers
    // are assigned here; a picturePath must name a readable picture file.
    // False, changing nothing, when there are none.
    bool appendQuestions(std::vector<EditorQuestion> questions);

    // Open Question Set: offers to save, then opens the set of that name on
    // its last question. False when the user cancelled or the set could not
    // be read (then told, and the open set stays as it was).
    bool openSet(const std::string& name);

    // "Add Pic" after the file dialog: `chosen` is empty when it was cancelled
    // (the set is marked as changed either way). A picture that cannot be
    // used is reported and the question keeps the picture it had.
    void addPicture(const std::optional<std::filesystem::path>& chosen);
    // "Remove Pic": the question loses its picture; the file goes with Save.
    void removePicture();
    // Where the file dialog of "Add Pic" starts; empty when never chosen.
    std::filesystem::path previousPicturePath();

    // The steps the buttons are made of.
    void addQuestion();
    bool loadSet();
    bool saveSet();
    MessageAnswer askSaveChanges();
    // Accepts a name from the new-set dialog, or refuses it with a message:
    // one that is no plain folder name, or the name of a set that exists.
    bool acceptSetName(const std::string& name);

    // "<set>* - Quizvale Setwright", the "*" while there are unsaved changes.
    std::string caption() const;

    // Text added under the counts of Question Stats (the problems a check
    // finds); empty text adds nothing.
    using StatisticsNotes = std::function<std::string(const QuestionList&)>;
    void setStatisticsNotes(StatisticsNotes notes) { statisticsNotes_ = std::move(notes); }
    // A fresh file where a picture brought in from elsewhere waits until Save
    // (see appendQuestions); empty when there is no room for one.
    std::filesystem::path newPicturePath() { return store_.newPicturePath(); }

    // Lets a test stop or kill a save before each of its steps.
    void setSaveStepHook(SaveStepHook hook) { saveHook_ = std::move(hook); }
    // The lock that keeps a second window from writing the open set; without
    // one (tests of a single window) every set opens writable. Must outlive
    // the editor.
    void setSetLock(SetLock* lock) { lock_ = lock; }
    // The set is held by another window: nothing can be changed or saved.
    bool readOnly() const { return readOnly_; }
    // Whether the open set has a set file: false for a new set until its
    // first save.
    bool onDisk() const { return onDisk_; }

    int questionCount() const { return list_.count(); }
    int currentIndex() const { return currentIndex_; }
    void setCurrentIndex(int index) { currentIndex_ = index; }
    const EditorQuestion* currentRecord() const { return currentRecord_; }
    bool modified() const { return !history_.isClean(); }
    const QuestionFields& fields() const { return fields_; }
    const QuestionList& questions() const { return list_; }
    bool deleteEnabled() const { return deleteEnabled_; }

    const std::filesystem::path& setsFolder() const { return setsFolder_; }
    // UTF-8, as the set's folder is named; empty while no set is open.
    const std::string& setName() const { return setName_; }
    void setSetName(std::string name) { setName_ = std::move(name); }
    std::filesystem::path setFolder() const;
    std::filesystem::path setFilePath() const;

private:
    void tell(std::string_view text, std::string_view title, MessageIcon icon);
    // Tells the user, as FILE:LINE, of texts that held bytes not UTF-8.
    void reportDamage(const SetFileContents& contents);
    void setDeleteEnabled(bool enabled);
    // Draws the picture of the question shown, telling the user when a
    // picture the set flags cannot be read (the question then has none).
    void showPictureOf(EditorQuestion& record);
    // Records a step already applied to the list and shows its question.
    void pushStep(EditStep step, int shown);
    void showStep(const EditStep* step, bool undone);
    // Caption, label and the state of Undo and Redo.
    void updateWindow();
    // True when a file or a non-empty folder already has that set name.
    bool setExists(const std::string& name) const;
    // Takes the lock of the open set; when another window holds it, tells
    // the user and makes the editor read-only.
    void lockOpenSet();
    // Before a save: true when the set file is as this window last saw it,
    // or the user chose to overwrite it. Reloads the set when asked to.
    bool confirmOverwrite();
    // Whether a change may be made: not while the set is read-only.
    bool writable() const { return !readOnly_; }
    enum class SaveOutcome { Saved, Failed, Declined };
    SaveOutcome saveWithChecks();

    EditorServices services_;
    std::filesystem::path setsFolder_;
    std::string setName_;
    QuestionList list_;
    int currentIndex_ = 0;
    EditorQuestion* currentRecord_ = nullptr;
    QuestionFields fields_;
    EditHistory history_;
    PictureStore store_;
    SaveStepHook saveHook_;
    StatisticsNotes statisticsNotes_;
    SetLock* lock_ = nullptr;
    // The set file as this window last read or wrote it.
    SetFileIdentity seen_;
    bool readOnly_ = false;
    bool onDisk_ = false;
    bool listRun_ = false;
    bool deleteEnabled_ = false;
};

} // namespace qv

#pragma once
// Setwright without its window: the open set, the question shown, the edits
// and every rule about them. The dialog forwards each control's event here
// and shows what the editor tells its EditorView; every question to the user
// goes through EditorUser, every picture through PictureHook.

#include "editor/model/EditorUser.h"
#include "editor/model/EditorView.h"
#include "editor/model/PictureHook.h"
#include "editor/model/Profile.h"
#include "editor/model/QuestionList.h"

#include <filesystem>
#include <optional>
#include <string>

namespace qv {

enum class Navigation { First, TenBack, Previous, Next, TenOn, Last };

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
    // keeps the code the record had.
    void storeFields(const QuestionFields& fields);

    // True, after telling the user, when the question shown is not complete.
    bool isIncomplete();

    // The buttons.
    void navigate(Navigation to);
    void newQuestion();
    void deleteQuestion();
    NewSetResult newSet();
    bool save();
    void showStatistics();

    // "Add Pic" after the file dialog: `chosen` is empty when it was cancelled
    // (the set is marked as changed either way).
    void addPicture(const std::optional<std::filesystem::path>& chosen);
    // "Remove Pic": deletes the picture file of the question shown at once
    // and marks the set as changed, as every other change of a question does.
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
    // Makes `source` the picture of the question shown, or removes it when empty.
    void importPicture(std::string source);

    int questionCount() const { return list_.count(); }
    int currentIndex() const { return currentIndex_; }
    void setCurrentIndex(int index) { currentIndex_ = index; }
    const EditorQuestion* currentRecord() const { return currentRecord_; }
    bool modified() const { return modified_; }
    const QuestionFields& fields() const { return fields_; }
    const QuestionList& questions() const { return list_; }
    bool deleteEnabled() const { return deleteEnabled_; }

    const std::filesystem::path& setsFolder() const { return setsFolder_; }
    // Windows-1252 bytes; empty while no set is open.
    const std::string& setName() const { return setName_; }
    void setSetName(std::string name) { setName_ = std::move(name); }
    std::filesystem::path setFolder() const;
    std::filesystem::path setFilePath() const;

private:
    void tell(std::string_view text, std::string_view title, MessageIcon icon);
    void setDeleteEnabled(bool enabled);
    // Keeps each picture with its question when the questions from `from`
    // on have moved one number down.
    void movePicturesDown(int from, const std::string& deletedPicture);
    // True when a file or a non-empty folder already has that set name.
    bool setExists(const std::string& name) const;

    EditorServices services_;
    std::filesystem::path setsFolder_;
    std::string setName_;
    QuestionList list_;
    int currentIndex_ = 0;
    EditorQuestion* currentRecord_ = nullptr;
    QuestionFields fields_;
    bool modified_ = false;
    bool deleteEnabled_ = false;
};

} // namespace qv

// SPDX-License-Identifier: MIT
#pragma once
// The editor's own fixed texts, used exactly as they stand.

#include <array>
#include <string_view>

namespace qv::editorText {

inline constexpr std::string_view windowCaption = "Quizvale Setwright";

inline constexpr std::string_view incompleteText =
    "The current question is incomplete. Please finish before creating a new one";
inline constexpr std::string_view incompleteTitle = "Incomplete Question";
// The same when the user only moves to another question.
inline constexpr std::string_view incompleteMoveText =
    "The current question is incomplete. Please finish before moving to another question";
// Followed by the parts that are missing, for instance "the answer C, the prize."
inline constexpr std::string_view missingPrefix = "Missing: ";
inline constexpr std::array<std::string_view, 7> missingParts = {
    "the question", "the answer A",       "the answer B", "the answer C",
    "the answer D", "the correct answer", "the prize"};

// The label while the set has no question.
inline constexpr std::string_view noQuestionsLabel = "No questions";

// Another window holds the set: "<set>" and "<holder>" are filled in.
inline constexpr std::string_view setInUseText =
    "The question set \"<set>\" is open in another Setwright window (<holder>). It is opened "
    "read-only: close it there to change it here, or save a copy with Save As.";
inline constexpr std::string_view setInUseTitle = "Question Set In Use";
// After the set's name in the caption while it is read-only.
inline constexpr std::string_view readOnlyMark = " (read-only)";

// A save finds the set file other than this window last read or wrote it.
inline constexpr std::string_view outsideChangeText =
    "The set was changed outside Setwright. Overwrite it, or reload?";
inline constexpr std::string_view outsideChangeTitle = "Question Set Changed";
inline constexpr std::string_view overwriteButton = "Overwrite";
inline constexpr std::string_view reloadButton = "Reload";

inline constexpr std::string_view invalidNameText = "Please enter a valid name";
inline constexpr std::string_view invalidNameTitle = "Invalid Name";

inline constexpr std::string_view saveErrorText =
    "Save error. Please check disc space and file write privileges";
inline constexpr std::string_view saveErrorTitle = "Question Set Not Saved";

inline constexpr std::string_view unsavedText =
    "You have unsaved changes. Would you like to save them?";
inline constexpr std::string_view unsavedTitle = "Unsaved Changes";

inline constexpr std::string_view statisticsTitle = "Question Statistics";

inline constexpr std::string_view imageNotUsedText = "Error. Image could not be used";
inline constexpr std::string_view imageNotUsedTitle = "Image Not Used";

inline constexpr std::string_view imageTooLargeText =
    "This image's dimensions are too large for Quizvale. Therefore a resized version will be "
    "calculated";
inline constexpr std::string_view imageTooLargeTitle = "Image Too Large";

// Refuses a new set's name that would make the next save overwrite another set.
inline constexpr std::string_view existingSetText =
    "A question set with that name already exists. Please enter another name";

// The picture file dialog's filter: pairs of label and patterns, each part
// ended by "|"; the first pair is selected when the dialog opens. It lists
// every format the import reads; the classic entries follow it.
inline constexpr std::string_view pictureFileFilter =
    "All picture files (*.bmp,*.jpg,*.jpeg,*.gif,*.png,*.tif,*.tiff,*.tga,*.pcx,*.ico,*.wbmp)|"
    "*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.tif;*.tiff;*.tga;*.pcx;*.ico;*.wbmp|"
    "Picture files (*.bmp,*.jpg,*.gif)|*.bmp;*.jpg;*.gif|bmp files (*.bmp)|*.bmp|"
    "jpg files(*.jpg)|*.jpg;*.jpeg|gif files(*.gif)|*.gif;*.gif|All Files (*.*)|*.*|";

inline constexpr std::string_view questionLabelPrefix = "Question number ";
inline constexpr std::string_view questionLabelOf = " of ";

// The caption is "<set name> - Quizvale Setwright", with "*" after the name
// while there are unsaved changes.
inline constexpr std::string_view captionSeparator = " - ";
inline constexpr std::string_view unsavedMark = "*";

// Control characters pasted or typed, which no set file can hold; their
// list follows.
inline constexpr std::string_view leftOutText =
    "These characters cannot be stored in a question set and were left out: ";
inline constexpr std::string_view leftOutTitle = "Characters Left Out";

inline constexpr std::string_view openErrorText =
    "This question set could not be opened. Please check that its file can be read";
inline constexpr std::string_view openErrorTitle = "Question Set Not Opened";

// A set file whose texts held bytes that are not UTF-8; a list of
// "FILE:LINE" follows, one a line.
inline constexpr std::string_view damagedSetText =
    "Some texts of this question set hold bytes that are not UTF-8. They are shown as "
    "\xEF\xBF\xBD; please check these lines:";
// A set file that holds a byte-order mark and nothing else.
inline constexpr std::string_view markOnlySetText =
    "This question set's file holds only a byte-order mark and no questions:";
inline constexpr std::string_view damagedSetTitle = "Question Set Damaged";

inline constexpr std::string_view newSetCaption = "New Set of Questions";
inline constexpr std::string_view newSetPrompt = "Enter the name of the new set of questions:";
inline constexpr std::string_view saveAsCaption = "Save Question Set As";
inline constexpr std::string_view saveAsPrompt = "Enter the name of the copy of the set:";

inline constexpr std::string_view profileSetSection = "Previous Question Set";
inline constexpr std::string_view profileSetKey = "Name";
inline constexpr std::string_view profilePictureSection = "Previous Picture";
inline constexpr std::string_view profilePictureKey = "Path";

// The entries of the correct-answer list; the index is the stored code.
inline constexpr std::array<std::string_view, 5> correctAnswerEntries = {
    "Select...", "Correct Ans: A", "Correct Ans: B", "Correct Ans: C", "Correct Ans: D"};

// The entries of the value list; the index is the stored code.
inline constexpr std::array<std::string_view, 16> valueEntries = {
    "Select...",          "Difficulty: 100",    "Difficulty: 200",    "Difficulty: 300",
    "Difficulty: 500",    "Difficulty: 1000",   "Difficulty: 2000",   "Difficulty: 4000",
    "Difficulty: 8000",   "Difficulty: 16000",  "Difficulty: 32000",  "Difficulty: 64000",
    "Difficulty: 125000", "Difficulty: 250000", "Difficulty: 500000", "Difficulty: 1000000"};

// Longest texts the fields take, in characters (Unicode code points).
inline constexpr int questionLimit = 128;
inline constexpr int answerLimit = 32;
inline constexpr int setNameLimit = 32;

} // namespace qv::editorText

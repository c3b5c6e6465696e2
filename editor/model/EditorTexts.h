// SPDX-License-Identifier: MIT
#pragma once
// The editor's own fixed texts, used exactly as they stand in English. The
// texts people read are marked for the editor's Qt catalogue (context
// "Setwright") and shown through editorText::shown(), so that the window
// shows them in the session's language.

#include "common/TextMark.h"

#include <array>
#include <string>
#include <string_view>

namespace qv::editorText {

inline constexpr std::string_view windowCaption = QV_TR_NOOP("Setwright", "Quizvale Setwright");

inline constexpr std::string_view incompleteText = QV_TR_NOOP(
    "Setwright", "The current question is incomplete. Please finish before creating a new one");
inline constexpr std::string_view incompleteTitle = QV_TR_NOOP("Setwright", "Incomplete Question");
// The same when the user only moves to another question.
inline constexpr std::string_view incompleteMoveText = QV_TR_NOOP(
    "Setwright",
    "The current question is incomplete. Please finish before moving to another question");
// Followed by the parts that are missing, for instance "Missing: the answer C,
// the prize.": %1 is the list of parts, joined by the separator.
//: Under the incomplete-question message: %1 is the list of the missing parts.
inline constexpr std::string_view missingList = QV_TR_NOOP("Setwright", "Missing: %1.");
//: Between the missing parts of a question in a list.
inline constexpr std::string_view missingSeparator = QV_TR_NOOP("Setwright", ", ");
inline constexpr std::array<std::string_view, 7> missingParts = {
    QV_TR_NOOP("Setwright", "the question"), QV_TR_NOOP("Setwright", "the answer A"),
    QV_TR_NOOP("Setwright", "the answer B"), QV_TR_NOOP("Setwright", "the answer C"),
    QV_TR_NOOP("Setwright", "the answer D"), QV_TR_NOOP("Setwright", "the correct answer"),
    QV_TR_NOOP("Setwright", "the prize")};

// The label while the set has no question.
inline constexpr std::string_view noQuestionsLabel = QV_TR_NOOP("Setwright", "No questions");

// Another window holds the set: %1 is the set's name, %2 the window's holder.
//: %1 is the set's name, %2 says who holds it ("process 1234 on laptop").
inline constexpr std::string_view setInUseText = QV_TR_NOOP(
    "Setwright", "The question set \"%1\" is open in another Setwright window (%2). It is opened "
                 "read-only: close it there to change it here, or save a copy with Save As.");
inline constexpr std::string_view setInUseTitle = QV_TR_NOOP("Setwright", "Question Set In Use");
// After the set's name in the caption while it is read-only.
//: After the set's name in the window's caption; starts with a space.
inline constexpr std::string_view readOnlyMark = QV_TR_NOOP("Setwright", " (read-only)");

// A save finds the set file other than this window last read or wrote it.
inline constexpr std::string_view outsideChangeText =
    QV_TR_NOOP("Setwright", "The set was changed outside Setwright. Overwrite it, or reload?");
inline constexpr std::string_view outsideChangeTitle =
    QV_TR_NOOP("Setwright", "Question Set Changed");
inline constexpr std::string_view overwriteButton = QV_TR_NOOP("Setwright", "Overwrite");
inline constexpr std::string_view reloadButton = QV_TR_NOOP("Setwright", "Reload");

inline constexpr std::string_view invalidNameText =
    QV_TR_NOOP("Setwright", "Please enter a valid name");
inline constexpr std::string_view invalidNameTitle = QV_TR_NOOP("Setwright", "Invalid Name");

inline constexpr std::string_view saveErrorText =
    QV_TR_NOOP("Setwright", "Save error. Please check disc space and file write privileges");
inline constexpr std::string_view saveErrorTitle =
    QV_TR_NOOP("Setwright", "Question Set Not Saved");

inline constexpr std::string_view unsavedText =
    QV_TR_NOOP("Setwright", "You have unsaved changes. Would you like to save them?");
inline constexpr std::string_view unsavedTitle = QV_TR_NOOP("Setwright", "Unsaved Changes");

inline constexpr std::string_view statisticsTitle = QV_TR_NOOP("Setwright", "Question Statistics");

inline constexpr std::string_view imageNotUsedText =
    QV_TR_NOOP("Setwright", "Error. Image could not be used");
inline constexpr std::string_view imageNotUsedTitle = QV_TR_NOOP("Setwright", "Image Not Used");

inline constexpr std::string_view imageTooLargeText = QV_TR_NOOP(
    "Setwright",
    "This image's dimensions are too large for Quizvale. Therefore a resized version will be "
    "calculated");
inline constexpr std::string_view imageTooLargeTitle = QV_TR_NOOP("Setwright", "Image Too Large");

// Refuses a new set's name that would make the next save overwrite another set.
inline constexpr std::string_view existingSetText = QV_TR_NOOP(
    "Setwright", "A question set with that name already exists. Please enter another name");

// The picture file dialog's filter: pairs of label and patterns, each part
// ended by "|"; the first pair is selected when the dialog opens. It lists
// every format the import reads; the classic entries follow it.
inline constexpr std::string_view pictureFileFilter =
    "All picture files (*.bmp,*.jpg,*.jpeg,*.gif,*.png,*.tif,*.tiff,*.tga,*.pcx,*.ico,*.wbmp)|"
    "*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.tif;*.tiff;*.tga;*.pcx;*.ico;*.wbmp|"
    "Picture files (*.bmp,*.jpg,*.gif)|*.bmp;*.jpg;*.gif|bmp files (*.bmp)|*.bmp|"
    "jpg files(*.jpg)|*.jpg;*.jpeg|gif files(*.gif)|*.gif;*.gif|All Files (*.*)|*.*|";
// The filter's labels as marked for translation; the dialog shows each label
// of the filter above translated.
inline constexpr std::array<std::string_view, 6> pictureFilterLabels = {
    QV_TR_NOOP(
        "Setwright",
        "All picture files (*.bmp,*.jpg,*.jpeg,*.gif,*.png,*.tif,*.tiff,*.tga,*.pcx,*.ico,*.wbmp)"),
    QV_TR_NOOP("Setwright", "Picture files (*.bmp,*.jpg,*.gif)"),
    QV_TR_NOOP("Setwright", "bmp files (*.bmp)"),
    QV_TR_NOOP("Setwright", "jpg files(*.jpg)"),
    QV_TR_NOOP("Setwright", "gif files(*.gif)"),
    QV_TR_NOOP("Setwright", "All Files (*.*)")};

// The navigation label: %1 is the current question's number, %2 the count.
//: Left of the navigation buttons: %1 the current question, %2 how many there are.
inline constexpr std::string_view questionLabel =
    QV_TR_NOOP("Setwright", "Question number %1 of %2");

// The caption is "<set name> - Quizvale Setwright", with "*" after the name
// while there are unsaved changes.
inline constexpr std::string_view captionSeparator = " - ";
inline constexpr std::string_view unsavedMark = "*";

// Control characters pasted or typed, which no set file can hold; their
// list follows.
inline constexpr std::string_view leftOutText = QV_TR_NOOP(
    "Setwright", "These characters cannot be stored in a question set and were left out: ");
inline constexpr std::string_view leftOutTitle = QV_TR_NOOP("Setwright", "Characters Left Out");

inline constexpr std::string_view openErrorText = QV_TR_NOOP(
    "Setwright", "This question set could not be opened. Please check that its file can be read");
inline constexpr std::string_view openErrorTitle =
    QV_TR_NOOP("Setwright", "Question Set Not Opened");

// A set file whose texts held bytes that are not UTF-8; a list of
// "FILE:LINE" follows, one a line, and after the first lines the count of the
// others (damagedSetMore).
inline constexpr std::string_view damagedSetText = QV_TR_NOOP(
    "Setwright", "Some texts of this question set hold bytes that are not UTF-8. They are shown as "
                 "\xEF\xBF\xBD; please check these lines:");
// A set file that holds a byte-order mark and nothing else.
//: After the first lines listed as damaged: how many more there are.
inline constexpr std::string_view damagedSetMore = QV_TR_N_NOOP("Setwright", "(%n more)");
inline constexpr std::string_view markOnlySetText = QV_TR_NOOP(
    "Setwright", "This question set's file holds only a byte-order mark and no questions:");
inline constexpr std::string_view damagedSetTitle = QV_TR_NOOP("Setwright", "Question Set Damaged");

inline constexpr std::string_view newSetCaption = QV_TR_NOOP("Setwright", "New Set of Questions");
inline constexpr std::string_view newSetPrompt =
    QV_TR_NOOP("Setwright", "Enter the name of the new set of questions:");
inline constexpr std::string_view saveAsCaption = QV_TR_NOOP("Setwright", "Save Question Set As");
inline constexpr std::string_view saveAsPrompt =
    QV_TR_NOOP("Setwright", "Enter the name of the copy of the set:");

inline constexpr std::string_view profileSetSection = "Previous Question Set";
inline constexpr std::string_view profileSetKey = "Name";
inline constexpr std::string_view profilePictureSection = "Previous Picture";
inline constexpr std::string_view profilePictureKey = "Path";

// The lists' entries as shown: "Select..." first, then the answer's letter or
// the prize filled into %1.
//: The first entry of the correct-answer and prize lists, before a choice.
inline constexpr std::string_view selectEntry = QV_TR_NOOP("Setwright", "Select...");
//: An entry of the correct-answer list: %1 is the letter A to D. Short: a narrow list.
inline constexpr std::string_view correctAnswerEntry = QV_TR_NOOP("Setwright", "Correct Ans: %1");
//: An entry of the prize list: %1 is the prize, as 125000. Short: a narrow list.
inline constexpr std::string_view valueEntry = QV_TR_NOOP("Setwright", "Difficulty: %1");

// The question statistics: one line per prize (%1 the prize, %n the count of
// questions) and the total (%1).
//: A line of the statistics: %1 is a prize, %n how many questions have it.
inline constexpr std::string_view statisticsLine =
    QV_TR_N_NOOP("Setwright", "%1 value questions:%n");
//: The last line of the statistics: %1 is the number of questions.
inline constexpr std::string_view statisticsTotal = QV_TR_NOOP("Setwright", "Total:%1");

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

// A marked text in the language of the window (as it stands without one).
inline std::string shown(std::string_view text) {
    return textMark::marked("Setwright", text);
}
// The same for a text whose form follows the number `n`, filled into its %n.
inline std::string shown(std::string_view text, int n) {
    return textMark::marked("Setwright", text, n);
}

} // namespace qv::editorText

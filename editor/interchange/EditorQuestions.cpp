// SPDX-License-Identifier: MIT
#include "editor/interchange/EditorQuestions.h"

#include "common/FileIo.h"
#include "common/TextMark.h"
#include "editor/interchange/SetCheck.h"
#include "editor/interchange/SetImport.h"

namespace qv::interchange {

namespace fs = std::filesystem;

std::vector<SetFileRecord> recordsOf(const QuestionList& list) {
    std::vector<SetFileRecord> records;
    records.reserve(static_cast<std::size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i) {
        const EditorQuestion& question = *list.find(i);
        SetFileRecord record;
        record.text = question.text;
        record.answers = question.answers;
        record.correctAnswer = question.correctAnswer;
        record.value = question.value;
        record.pictureFlag = (!question.picturePath.empty() || question.pictureMissing) ? 1 : 0;
        records.push_back(std::move(record));
    }
    return records;
}

std::string problemsNote(const QuestionList& list, std::size_t limit) {
    const SetCheck check = checkQuestions(recordsOf(list), [&list](int position) {
        const EditorQuestion* question = list.find(position);
        return question != nullptr && !question->pictureMissing &&
               isReadablePicture(question->picturePath);
    });
    if (check.shown.empty()) {
        return textMark::marked("Setwright", QV_TR_NOOP("Setwright", "No problems found."));
    }
    std::string note = textMark::marked("Setwright", QV_TR_NOOP("Setwright", "Problems:"));
    for (std::size_t i = 0; i < check.shown.size() && i < limit; ++i) {
        note += "\n" + check.shown[i];
    }
    if (check.shown.size() > limit) {
        note += '\n';
        note += textMark::marked("Setwright", QV_TR_N_NOOP("Setwright", "... and %n more"),
                                 static_cast<int>(check.shown.size() - limit));
    }
    return note;
}

bool editorQuestionsOf(const ImportPlan& plan, const std::function<fs::path()>& newPicturePath,
                       std::vector<EditorQuestion>& questions, std::string& error) {
    std::vector<EditorQuestion> made;
    made.reserve(plan.questions.size());
    for (const PlannedQuestion& planned : plan.questions) {
        EditorQuestion question;
        question.text = planned.record.text;
        question.answers = planned.record.answers;
        question.correctAnswer = static_cast<std::int8_t>(planned.record.correctAnswer);
        question.value = static_cast<std::int8_t>(planned.record.value);
        if (!planned.picture.empty()) {
            std::vector<std::uint8_t> jpeg;
            const fs::path target = newPicturePath ? newPicturePath() : fs::path();
            std::string reason;
            if (target.empty() || !preparePictureFile(planned.picture, &jpeg, reason) ||
                !writeFileAtomically(
                    target,
                    std::string_view(reinterpret_cast<const char*>(jpeg.data()), jpeg.size()))) {
                error = "the picture " + planned.picture.string() + " could not be brought in" +
                        (reason.empty() ? "" : ": " + reason);
                return false;
            }
            question.picturePath = target.string();
        }
        made.push_back(std::move(question));
    }
    questions = std::move(made);
    return true;
}

ExportResult exportEditorQuestions(const QuestionList& list, const fs::path& csvFile) {
    std::vector<fs::path> pictures;
    for (int i = 0; i < list.count(); ++i) {
        pictures.emplace_back(list.find(i)->picturePath);
    }
    return exportQuestions(recordsOf(list), pictures, csvFile);
}

} // namespace qv::interchange

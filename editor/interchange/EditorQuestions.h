// SPDX-License-Identifier: MIT
#pragma once
// The interchange over the questions open in the editor: what Question Stats
// adds about problems, the questions an import brings in, and the export of
// what the editor holds, unsaved changes included.

#include "common/SetFile.h"
#include "editor/interchange/CsvExport.h"
#include "editor/interchange/ImportPlan.h"
#include "editor/model/EditorQuestion.h"
#include "editor/model/QuestionList.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace qv::interchange {

// The questions as a set file would hold them; a picture the editor could
// not find still counts as flagged.
std::vector<SetFileRecord> recordsOf(const QuestionList& list);

// "Problems:" and one line per problem (the first `limit` of them, then how
// many more), or a line saying there are none.
std::string problemsNote(const QuestionList& list, std::size_t limit = 20);

// The planned questions as editor records, each picture prepared as Add Pic
// prepares it into a file that `newPicturePath` gives. False, with `error`,
// when a picture cannot be written (then nothing is returned).
bool editorQuestionsOf(const ImportPlan& plan,
                       const std::function<std::filesystem::path()>& newPicturePath,
                       std::vector<EditorQuestion>& questions, std::string& error);

// Exports the questions the editor holds.
ExportResult exportEditorQuestions(const QuestionList& list, const std::filesystem::path& csvFile);

} // namespace qv::interchange

// SPDX-License-Identifier: MIT
#include "editor/interchange/CsvExport.h"

#include "common/FileIo.h"
#include "editor/interchange/Columns.h"
#include "editor/interchange/SetCheck.h"
#include "editor/interchange/SetStore.h"

#include <system_error>

namespace qv::interchange {

namespace fs = std::filesystem;

namespace {

// A cell that a spreadsheet would run as a formula gets a ' before it (the
// CSV reader takes exactly that one off again).
void appendField(std::string& out, std::string_view plain) {
    const std::string guarded = guardFormula(plain);
    const std::string_view text = guarded;
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

} // namespace

std::string csvOfSet(const std::vector<SetFileRecord>& questions,
                     const std::vector<std::string>& pictures) {
    std::string out = "\xEF\xBB\xBF"
                      "question,a,b,c,d,correct,rung,picture\r\n";
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const SetFileRecord& question = questions[i];
        appendField(out, question.text);
        for (const std::string& answer : question.answers) {
            out += ',';
            appendField(out, answer);
        }
        out += ',';
        if (question.correctAnswer >= 1 && question.correctAnswer <= 4) {
            out += static_cast<char>('A' + question.correctAnswer - 1);
        }
        out += ',';
        if (question.value >= 1 && question.value <= 15) {
            out += std::to_string(question.value);
        }
        out += ',';
        if (i < pictures.size()) {
            appendField(out, pictures[i]);
        }
        out += "\r\n";
    }
    return out;
}

ExportResult exportQuestions(const std::vector<SetFileRecord>& questions,
                             const std::vector<fs::path>& pictures, const fs::path& csvFile) {
    ExportResult result;
    // Named first, or a missing folder would show as a picture that cannot
    // be written.
    const fs::path parent = csvFile.parent_path().empty() ? fs::path(".") : csvFile.parent_path();
    std::error_code missing;
    if (!fs::is_directory(parent, missing)) {
        result.error = "the folder " + parent.string() +
                       (fs::exists(parent, missing) ? " is not a folder" : " does not exist");
        return result;
    }
    const std::string pictureFolder = csvFile.stem().string() + "-pictures";
    const fs::path pictureTarget = csvFile.parent_path() / pictureFolder;
    std::vector<std::string> written(questions.size());
    for (std::size_t i = 0; i < questions.size(); ++i) {
        if (questions[i].pictureFlag < 1) {
            continue;
        }
        const fs::path source = i < pictures.size() ? pictures[i] : fs::path();
        std::string bytes;
        if (source.empty() || !isReadablePicture(source) || !readWholeFile(source, bytes)) {
            result.warnings.push_back("question " + std::to_string(i + 1) +
                                      ": its picture is missing or not a readable picture; "
                                      "exported without it");
            continue;
        }
        std::error_code ec;
        fs::create_directory(pictureTarget, ec);
        if (!fs::is_directory(pictureTarget, ec)) {
            result.error = "the folder " + pictureTarget.string() + " cannot be made";
            return result;
        }
        const std::string file = "question-" + std::to_string(i + 1) + ".jpg";
        if (!writeFileAtomically(pictureTarget / file, bytes)) {
            result.error = "the picture " + (pictureTarget / file).string() + " cannot be written";
            return result;
        }
        written[i] = pictureFolder + "/" + file;
    }
    if (!writeFileAtomically(csvFile, csvOfSet(questions, written))) {
        result.error = csvFile.string() + " cannot be written";
        return result;
    }
    result.written = true;
    result.questions = static_cast<int>(questions.size());
    return result;
}

ExportResult exportSet(const fs::path& setsFolder, const std::string& name,
                       const fs::path& csvFile) {
    std::vector<SetFileRecord> questions;
    std::string error;
    if (setPresence(setsFolder, name) != SetPresence::Readable) {
        ExportResult result;
        result.error = "there is no question set named \"" + name + "\"";
        return result;
    }
    if (!readStoredSet(setsFolder, name, questions, error)) {
        ExportResult result;
        result.error = "the set \"" + name + "\" cannot be exported: " + error;
        return result;
    }
    const fs::path setFolder = setFolderOf(setsFolder, name);
    std::vector<fs::path> pictures(questions.size());
    for (std::size_t i = 0; i < questions.size(); ++i) {
        pictures[i] = setFolder / pictureFileName(static_cast<int>(i));
    }
    return exportQuestions(questions, pictures, csvFile);
}

} // namespace qv::interchange

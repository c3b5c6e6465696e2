// SPDX-License-Identifier: MIT
#include "tests/editor/EditorDoubles.h"

#include "common/SetFile.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace qv::test {

TempFolder::TempFolder() {
    static std::atomic<int> serial{0};
    path_ = std::filesystem::temp_directory_path() /
            ("qv-editor-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string numbered(std::string_view prefix, int number) {
    std::string out(prefix);
    out += std::to_string(number);
    return out;
}

EditorQuestion completeQuestion(const std::string& tag, int value) {
    EditorQuestion q;
    q.text = tag + "?";
    q.answers = {tag + "a", tag + "b", tag + "c", tag + "d"};
    q.correctAnswer = 2;
    q.value = static_cast<std::int8_t>(value);
    return q;
}

std::string setFileOf(int count, int valueCode) {
    std::vector<SetFileRecord> records;
    for (int i = 0; i < count; ++i) {
        EditorQuestion q = completeQuestion(numbered("Q", i + 1), valueCode);
        SetFileRecord r;
        r.text = q.text;
        r.answers = q.answers;
        r.correctAnswer = q.correctAnswer;
        r.value = q.value;
        records.push_back(r);
    }
    return writeSetFile(records);
}

} // namespace qv::test

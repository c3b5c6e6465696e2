// SPDX-License-Identifier: MIT
#pragma once
// Recording stand-ins for everything the editor talks through, and a
// temporary program folder for each test.

#include "editor/model/Editor.h"

#include <deque>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace qv::test {

class RecordingUser : public EditorUser {
public:
    MessageAnswer showMessage(const Message& message) override {
        messages.push_back(message);
        if (message.buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
        if (answers.empty()) {
            return MessageAnswer::Cancel;
        }
        MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // Offers each scripted name in turn, as a user pressing OK would; when
    // the script runs out the dialog is cancelled.
    std::optional<std::string>
    askNewSetName(const std::function<bool(const std::string&)>& accept) override {
        ++nameDialogs;
        while (!names.empty()) {
            std::string name = names.front();
            names.pop_front();
            if (accept(name)) {
                return name;
            }
        }
        return std::nullopt;
    }

    std::vector<std::string> titles() const {
        std::vector<std::string> out;
        for (const Message& m : messages) {
            out.push_back(m.title);
        }
        return out;
    }

    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;
    std::deque<std::string> names;
    int nameDialogs = 0;
};

class RecordingView : public EditorView {
public:
    void showFields(const QuestionFields& fields) override {
        shown = fields;
        ++shows;
    }
    void setQuestionLabel(const std::string& text) override { label = text; }
    void setDeleteEnabled(bool enabled) override { deleteEnabled = enabled; }
    void setCaption(const std::string& text) override { caption = text; }
    void setUndoState(bool undo, bool redo) override {
        canUndo = undo;
        canRedo = redo;
    }
    void setQuestionEnabled(bool enabled) override { questionEnabled = enabled; }
    void setReadOnly(bool locked) override { readOnly = locked; }

    QuestionFields shown;
    std::string caption;
    bool canUndo = false;
    bool canRedo = false;
    int shows = 0;
    std::string label = "Question Number";
    bool deleteEnabled = true;
    bool questionEnabled = true;
    bool readOnly = false;
};

class MemoryProfile : public Profile {
public:
    std::string read(const std::string& section, const std::string& key) override {
        auto it = values.find(section + "/" + key);
        return it == values.end() ? std::string() : it->second;
    }
    bool write(const std::string& section, const std::string& key,
               const std::string& value) override {
        values[section + "/" + key] = value;
        ++writes;
        return true;
    }
    std::map<std::string, std::string> values;
    int writes = 0;
};

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Writes bytes to a file, creating its folders.
void writeFile(const std::filesystem::path& file, const std::string& bytes);
std::string readFile(const std::filesystem::path& file);

// `prefix` followed by the number, built by appending: GCC 12 wrongly warns
// about a short literal + std::to_string in optimised builds.
std::string numbered(std::string_view prefix, int number);

// A complete question whose texts carry `tag`.
EditorQuestion completeQuestion(const std::string& tag, int value = 1);

// The bytes of a set file of `count` complete questions tagged "Q1", "Q2"...
std::string setFileOf(int count, int valueCode = 1);

} // namespace qv::test

// SPDX-License-Identifier: MIT
#pragma once
// An editor over a temporary program folder, with every service recorded.

#include "editor/model/Editor.h"
#include "editor/model/EditorTexts.h"
#include "editor/model/FilePictureHook.h"
#include "tests/editor/EditorDoubles.h"

#include <gtest/gtest.h>

namespace qv::test {

class EditorFixture : public ::testing::Test {
protected:
    EditorFixture()
        : setsFolder(Editor::setsFolderFor(program.path())),
          editor(EditorServices{user, view, pictures, profile}, setsFolder) {
        std::filesystem::create_directories(setsFolder.parent_path());
    }

    std::filesystem::path setFile(const std::string& name) const {
        return setsFolder / name / (name + ".txt");
    }

    // Writes a set, names it in the profile and starts the editor on it.
    void openSet(const std::string& name, const std::string& bytes) {
        writeFile(setFile(name), bytes);
        profile.values["Previous Question Set/Name"] = name;
        ASSERT_TRUE(editor.startUp());
    }

    // Types into the question field as the dialog would report it.
    void typeQuestion(const std::string& text) {
        QuestionFields fields = editor.fields();
        fields.text = text;
        editor.storeFields(fields);
    }

    void clearAnswerD() {
        QuestionFields fields = editor.fields();
        fields.answers[3].clear();
        editor.storeFields(fields);
    }

    TempFolder program;
    std::filesystem::path setsFolder;
    RecordingUser user;
    RecordingView view;
    FilePictureHook pictures;
    MemoryProfile profile;
    Editor editor;
};

} // namespace qv::test

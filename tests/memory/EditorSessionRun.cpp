// SPDX-License-Identifier: MIT
// One editing session of Setwright's model for memcheck to watch: open a set,
// walk and edit it, add pictures (a large one that is shrunk and one kept as
// it is), delete and add questions, save, open it again, close.

#include <gtest/gtest.h>

#include "editor/model/ImagePictureHook.h"
#include "tests/editor/EditorDoubles.h"
#include "tests/editor/TestPictures.h"

namespace qv::test {
namespace {

TEST(EditorSession, OpenEditAddPicturesSave) {
    TempFolder program;
    const std::filesystem::path sets = Editor::setsFolderFor(program.path());
    RecordingUser user;
    RecordingView view;
    ImagePictureHook pictures{user};
    MemoryProfile profile;
    Editor editor(EditorServices{user, view, pictures, profile}, sets);

    writeFile(sets / "Mem" / "Mem.txt", setFileOf(40));
    profile.values["Previous Question Set/Name"] = "Mem";
    ASSERT_TRUE(editor.startUp());
    ASSERT_EQ(editor.questionCount(), 40);

    const std::filesystem::path big = program.path() / "big.bmp";
    writeFile(big, bmp24(1600, 900, [](int x, int y) {
                  return Rgb{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 90};
              }));
    const std::filesystem::path small = program.path() / "small.bmp";
    writeFile(small, flatBmp(120, 80, {20, 200, 20}));

    for (int round = 0; round < 3; ++round) {
        editor.navigate(Navigation::First);
        for (int i = 0; i < 6; ++i) {
            QuestionFields fields = editor.fields();
            fields.text = "Edited " + std::to_string(round) + "/" + std::to_string(i);
            editor.storeFields(fields);
            editor.addPicture(i % 2 == 0 ? big : small);
            editor.navigate(Navigation::Next);
        }
        editor.navigate(Navigation::TenOn);
        editor.deleteQuestion();
        editor.newQuestion();
        QuestionFields fields = editor.fields();
        fields.text = "New";
        fields.answers = {"a", "b", "c", "d"};
        editor.storeFields(fields);
        ASSERT_TRUE(editor.save());
        ASSERT_TRUE(editor.loadSet());
        editor.showQuestion();
    }
    EXPECT_FALSE(pictures.shownPicture().empty() && editor.currentRecord() == nullptr);
    user.answers.push_back(MessageAnswer::No);
    EXPECT_TRUE(editor.close());
}

} // namespace
} // namespace qv::test

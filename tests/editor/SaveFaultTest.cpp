// SPDX-License-Identifier: MIT
// A save killed at each of its steps, stopped at each of them, or refused by
// a full or read-only file system leaves a set that opens whole: either the
// old one or the new one, each flagged picture the right one.

#include "common/SetFile.h"
#include "tests/editor/EditorFixture.h"

#include <csignal>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <map>

namespace qv::test {
namespace {

namespace fs = std::filesystem;

using Pictures = std::map<int, std::string>; // 0-based position -> bytes

std::string pictureBytes(int question) {
    return numbered("picture of Q", question);
}

class SaveFaultTest : public EditorFixture {
protected:
    // Twelve questions, pictures on questions 2, 5 and 9.
    void SetUp() override {
        fs::create_directories(setsFolder);
        std::vector<SetFileRecord> records;
        for (int i = 0; i < 12; ++i) {
            EditorQuestion q = completeQuestion(numbered("Q", i + 1));
            records.push_back({q.text, q.answers, q.correctAnswer, q.value, 0});
        }
        for (int question : {2, 5, 9}) {
            records[static_cast<std::size_t>(question - 1)].pictureFlag = 1;
            writeFile(setsFolder / "Kill" / pictureFileName(question - 1), pictureBytes(question));
        }
        oldSet = writeSetFile(records);
        writeFile(setFile("Kill"), oldSet);
        writeFile(program.path() / "new.jpg", "the new picture");
        profile.values["Previous Question Set/Name"] = "Kill";
    }

    // Deletes question 2 and gives the question that takes its place a new
    // picture: every picture file of the set changes its number or bytes.
    void editTheSet(Editor& e) {
        e.goToQuestion(2);
        e.deleteQuestion();
        e.addPicture(program.path() / "new.jpg");
    }

    // Opens the set afresh (which cleans what a save left) and checks it is
    // the old set or the new one, whole. Returns true for the new one.
    bool expectWholeSet() {
        RecordingUser freshUser;
        RecordingView freshView;
        Editor fresh(EditorServices{freshUser, freshView, pictures, profile}, setsFolder);
        EXPECT_TRUE(fresh.startUp());
        EXPECT_TRUE(freshUser.messages.empty());
        const std::string bytes = readFile(setFile("Kill"));
        const bool isNew = bytes != oldSet;
        const SetFileContents contents = readSetFile(bytes, LineEnds::CrOnly, 0);
        EXPECT_EQ(contents.records.size(), isNew ? 11u : 12u);
        const Pictures expected =
            isNew ? Pictures{{1, "the new picture"}, {3, pictureBytes(5)}, {7, pictureBytes(9)}}
                  : Pictures{{1, pictureBytes(2)}, {4, pictureBytes(5)}, {8, pictureBytes(9)}};
        Pictures found;
        for (std::size_t i = 0; i < contents.records.size(); ++i) {
            if (contents.records[i].pictureFlag == 1) {
                found[static_cast<int>(i)] =
                    readFile(setsFolder / "Kill" / pictureFileName(static_cast<int>(i)));
            }
        }
        EXPECT_EQ(found, expected) << (isNew ? "new set" : "old set");
        std::size_t files = 0;
        for (const auto& entry : fs::directory_iterator(setsFolder / "Kill")) {
            (void)entry;
            ++files;
        }
        EXPECT_EQ(files, 4u) << "the set file and three pictures, nothing else";
        return isNew;
    }

    // What the save and this editor's picture store left beside the sets.
    std::vector<std::string> hiddenLeftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(setsFolder)) {
            const std::string name = entry.path().filename().string();
            if (name.front() == '.' &&
                name.find("pictures-" + std::to_string(::getpid())) == std::string::npos) {
                names.push_back(name);
            }
        }
        return names;
    }

    std::string oldSet;
};

TEST_F(SaveFaultTest, AKillAtEveryStepLeavesTheOldSetOrTheNewOneWhole) {
    for (int kill = 0; kill <= saveStepCount; ++kill) {
        SCOPED_TRACE("killed before step " + std::to_string(kill));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            RecordingUser childUser;
            RecordingView childView;
            Editor e(EditorServices{childUser, childView, pictures, profile}, setsFolder);
            if (!e.startUp()) {
                ::_exit(3);
            }
            editTheSet(e);
            e.setSaveStepHook([kill](SaveStep step) {
                if (static_cast<int>(step) == kill) {
                    ::raise(SIGKILL);
                }
                return true;
            });
            ::_exit(e.save() ? 0 : 4);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        if (kill < saveStepCount) {
            ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
        } else {
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        }
        const bool isNew = expectWholeSet();
        // Up to the swap the old set stands; from then on the new one.
        EXPECT_EQ(isNew, kill > static_cast<int>(SaveStep::Swap));
        EXPECT_TRUE(hiddenLeftovers().empty());
        // Back to the old set for the next round.
        fs::remove_all(setsFolder / "Kill");
        SetUp();
    }
}

TEST_F(SaveFaultTest, AStepThatFailsIsReportedAndKeepsTheOldSet) {
    ASSERT_TRUE(editor.startUp());
    editTheSet(editor);
    for (int stop = 0; stop <= static_cast<int>(SaveStep::Swap); ++stop) {
        SCOPED_TRACE("stopped at step " + std::to_string(stop));
        user.messages.clear();
        editor.setSaveStepHook([stop](SaveStep step) { return static_cast<int>(step) != stop; });
        EXPECT_FALSE(editor.save());
        EXPECT_EQ(user.titles(), std::vector<std::string>{"Question Set Not Saved"});
        EXPECT_TRUE(editor.modified());
        EXPECT_FALSE(expectWholeSet());
        EXPECT_TRUE(hiddenLeftovers().empty());
    }
    // The old folder that could not be removed goes with the next save.
    editor.setSaveStepHook([](SaveStep step) { return step != SaveStep::RemoveOld; });
    EXPECT_TRUE(editor.save());
    EXPECT_EQ(hiddenLeftovers().size(), 1u);
    editor.setSaveStepHook({});
    editor.undo();
    editor.undo();
    EXPECT_TRUE(editor.save());
    EXPECT_TRUE(hiddenLeftovers().empty());
    EXPECT_FALSE(expectWholeSet()); // both changes undone: the old set again
}

TEST_F(SaveFaultTest, AnOldFolderSetAsideComesBackWhenTheSetFolderIsMissing) {
    // Where folders cannot trade places in one rename, a save sets the old
    // folder aside before the new one takes its name; a process killed in
    // between leaves no set folder at all.
    const pid_t gone = ::fork();
    ASSERT_GE(gone, 0);
    if (gone == 0) {
        ::_exit(0);
    }
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const std::string pid = std::to_string(gone);
    fs::rename(setsFolder / "Kill", setsFolder / (".Kill.old-" + pid));
    writeFile(setsFolder / (".Kill.new-" + pid) / "Kill.txt", "half a new set");
    EXPECT_FALSE(expectWholeSet());
    EXPECT_TRUE(hiddenLeftovers().empty());
}

// The whole sets folder on a small file system of its own (root only).
class SmallSetsFolderTest : public SaveFaultTest {
protected:
    void SetUp() override {
        fs::create_directories(setsFolder);
        if (::geteuid() != 0 ||
            ::mount("tmpfs", setsFolder.c_str(), "tmpfs", 0, "size=256k") != 0) {
            GTEST_SKIP() << "needs root to mount a small file system";
        }
        mounted = true;
        SaveFaultTest::SetUp();
        ASSERT_TRUE(editor.startUp());
        editTheSet(editor);
    }
    void TearDown() override {
        if (mounted) {
            ::umount(setsFolder.c_str());
        }
    }
    bool mount(unsigned long flags) {
        return ::mount("tmpfs", setsFolder.c_str(), "tmpfs", MS_REMOUNT | flags, "size=256k") == 0;
    }
    bool mounted = false;
};

TEST_F(SmallSetsFolderTest, AFullFileSystemKeepsTheOldSet) {
    {
        std::ofstream filler(setsFolder / "filler", std::ios::binary);
        const std::string block(1024, 'f');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) &&
               filler.flush()) {
        }
    }
    EXPECT_FALSE(editor.save());
    EXPECT_EQ(user.titles(), std::vector<std::string>{"Question Set Not Saved"});
    fs::remove(setsFolder / "filler");
    EXPECT_FALSE(expectWholeSet());
    EXPECT_TRUE(hiddenLeftovers().empty());
    EXPECT_TRUE(editor.save());
    EXPECT_TRUE(expectWholeSet());
}

TEST_F(SmallSetsFolderTest, AReadOnlyFileSystemKeepsTheOldSet) {
    ASSERT_TRUE(mount(MS_RDONLY));
    EXPECT_FALSE(editor.save());
    EXPECT_EQ(user.titles(), std::vector<std::string>{"Question Set Not Saved"});
    ASSERT_TRUE(mount(0));
    EXPECT_FALSE(expectWholeSet());
    EXPECT_TRUE(editor.save());
    EXPECT_TRUE(expectWholeSet());
}

} // namespace
} // namespace qv::test

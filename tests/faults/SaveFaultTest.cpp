// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>
#include <thread>

#include "common/FileIo.h"
#include "game/quiz/ConfigFile.h"
#include "game/quiz/QuizState.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

// A configuration on disk is one of the two the save loop writes, whole.
void expectWholeConfig(const fs::path& file) {
    std::string bytes;
    ASSERT_TRUE(readWholeFile(file, bytes));
    ConfigData config;
    ASSERT_TRUE(parseConfig(bytes, config)) << "a torn configuration of " << bytes.size() << " bytes";
    ASSERT_TRUE(config.playerCount == 1 || config.playerCount == 9);
    const char16_t letter = config.playerCount == 9 ? u'b' : u'a';
    for (int i = 0; i < config.playerCount; ++i) {
        const auto& name = config.playerNames[static_cast<std::size_t>(i)];
        ASSERT_EQ(name, std::u16string(config.playerCount == 9 ? 4000 : 3, letter));
    }
}

void expectWholePlayState(const fs::path& file) {
    std::string bytes;
    ASSERT_TRUE(readWholeFile(file, bytes));
    ASSERT_EQ(bytes.size(), 4u + 200000u);
    const char first = bytes[4];
    EXPECT_EQ(bytes.find_first_not_of(first, 4), std::string::npos) << "a mixed play state";
}

// A folder of this process's own: suites of several builds may run at once.
fs::path ownFolder(const std::string& stem) {
    return fs::temp_directory_path() / (stem + "-" + std::to_string(::getpid()));
}

// A small file system mounted on `folder` for the life of the object; only
// root can make one, and without one the test is skipped.
class SmallFileSystem {
public:
    explicit SmallFileSystem(fs::path folder) : folder_(std::move(folder)) {
        fs::create_directories(folder_);
        mounted_ = ::geteuid() == 0 &&
                   ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=256k") == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) {
            ::umount(folder_.c_str());
        }
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    bool makeReadOnly() {
        return ::mount("tmpfs", folder_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=256k") == 0;
    }

private:
    fs::path folder_;
    bool mounted_ = false;
};

// A configuration of two players and the play state of 1000 questions, saved.
void saveFirstFiles(QuizState& quiz, std::string& config, std::string& state) {
    quiz.setPlayerCount(2);
    quiz.setPlayerName(0, u"Ann");
    quiz.setPlayerName(1, u"Bo");
    std::vector<Question> questions(1000);
    quiz.bank.setQuestions(questions);
    ASSERT_TRUE(quiz.saveConfig());
    ASSERT_TRUE(quiz.savePlayState());
    ASSERT_TRUE(readWholeFile(quiz.configPath(), config));
    ASSERT_TRUE(readWholeFile(quiz.playStatePath(), state));
}

// Saves far bigger files, which must fail and leave the first ones whole.
void expectFailedSavesKeep(QuizState& quiz, const std::string& oldConfig,
                           const std::string& oldState) {
    quiz.setPlayerCount(9);
    for (int i = 0; i < 9; ++i) {
        quiz.setPlayerName(i, std::u16string(4000, u'z'));
    }
    std::vector<Question> more(200000);
    quiz.bank.setQuestions(more);
    EXPECT_FALSE(quiz.saveConfig());
    EXPECT_FALSE(quiz.savePlayState());

    std::string config;
    std::string state;
    ASSERT_TRUE(readWholeFile(quiz.configPath(), config));
    ASSERT_TRUE(readWholeFile(quiz.playStatePath(), state));
    EXPECT_EQ(config, oldConfig);
    EXPECT_EQ(state, oldState);
    for (const auto& entry : fs::directory_iterator(quiz.configPath().parent_path())) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos)
            << "a temporary file was left behind";
    }
}

TEST(SaveFaults, KilledDuringSavesLeavesOldOrNewFilesNeverTornOnes) {
    const fs::path folder = ownFolder("qv-save-kill");
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (int attempt = 0; attempt < 25; ++attempt) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int devnull = ::open("/dev/null", O_WRONLY);
            ::dup2(devnull, 1);
            ::execl(QV_SAVE_LOOP, QV_SAVE_LOOP, folder.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        // Let it save a few times, then kill it wherever it is.
        std::this_thread::sleep_for(std::chrono::milliseconds(30 + (attempt * 37) % 90));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the save loop stopped by itself";
        if (fs::exists(folder / "Config.txt")) {
            expectWholeConfig(folder / "Config.txt");
        }
        if (fs::exists(folder / "QStateDefault.bin")) {
            expectWholePlayState(folder / "QStateDefault.bin");
        }
    }
    fs::remove_all(folder);
}

// A configuration and a play state saved on a small file system of their own.
class SavedOnSmallFileSystem : public ::testing::Test {
protected:
    void SetUp() override {
        if (!small.mounted()) {
            GTEST_SKIP() << "needs root to mount a small file system";
        }
        ASSERT_NO_FATAL_FAILURE(saveFirstFiles(quiz, oldConfig, oldState));
    }

    fs::path folder = ownFolder("qv-save-small");
    SmallFileSystem small{folder};
    QuizState quiz{folder};
    std::string oldConfig;
    std::string oldState;
};

TEST_F(SavedOnSmallFileSystem, AFullFileSystemKeepsEveryPreviousFile) {
    // Fill the file system to the last block.
    const std::string block(4096, 'f');
    for (int n = 0; writeFileAtomically(folder / ("filler" + std::to_string(n)), block); ++n) {
    }
    expectFailedSavesKeep(quiz, oldConfig, oldState);
}

TEST_F(SavedOnSmallFileSystem, AReadOnlyFileSystemKeepsEveryPreviousFile) {
    ASSERT_TRUE(small.makeReadOnly());
    expectFailedSavesKeep(quiz, oldConfig, oldState);
}

} // namespace
} // namespace qv

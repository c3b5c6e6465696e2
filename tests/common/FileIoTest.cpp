// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/FileIo.h"
#include "common/Paths.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("qv-fileio-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path folder;
};

TEST_F(FileIoTest, AtomicWriteReplacesAndLeavesNoTemporaryFile) {
    fs::path file = folder / "Config.txt";
    ASSERT_TRUE(writeFileAtomically(file, "old"));
    ASSERT_TRUE(writeFileAtomically(file, std::string("new\0bytes", 9)));
    std::string read;
    ASSERT_TRUE(readWholeFile(file, read));
    EXPECT_EQ(read, std::string("new\0bytes", 9));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileIoTest, FailedWriteKeepsThePreviousFile) {
    fs::path file = folder / "keep.bin";
    ASSERT_TRUE(writeFileAtomically(file, "precious"));
    // A folder in the way of the temporary file's rename target.
    fs::path blocked = folder / "blocked";
    fs::create_directory(blocked);
    EXPECT_FALSE(writeFileAtomically(blocked, "x"));
    EXPECT_TRUE(fs::is_directory(blocked));
    // A folder that does not exist.
    EXPECT_FALSE(writeFileAtomically(folder / "missing" / "file", "x"));
    std::string read;
    ASSERT_TRUE(readWholeFile(file, read));
    EXPECT_EQ(read, "precious");
    EXPECT_EQ(entries(), 2u);
}

TEST_F(FileIoTest, ReadRefusesFoldersMissingFilesAndOversizedFiles) {
    std::string read = "stale";
    EXPECT_FALSE(readWholeFile(folder / "none", read));
    EXPECT_FALSE(readWholeFile(folder, read));
    ASSERT_TRUE(writeFileAtomically(folder / "big", std::string(1000, 'b')));
    EXPECT_FALSE(readWholeFile(folder / "big", read, 999));
    EXPECT_TRUE(read.empty());
    EXPECT_TRUE(readWholeFile(folder / "big", read, 1000));
    EXPECT_EQ(read.size(), 1000u);
}

TEST(Paths, EmptyXdgVariablesCountAsUnset) {
    const std::string savedHome = environmentValue("HOME");
    const std::string savedConfig = environmentValue("XDG_CONFIG_HOME");
    ::setenv("HOME", "/home/tester", 1);
    ::setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(userConfigFolder(), fs::path("/home/tester/.config"));
    ::setenv("XDG_CONFIG_HOME", "relative/path", 1);
    EXPECT_EQ(userConfigFolder(), fs::path("/home/tester/.config"));
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(productConfigFolder(), fs::path("/tmp/cfg/Quizvale"));
    ::setenv("XDG_DATA_HOME", "", 1);
    EXPECT_EQ(userDataFolder(), fs::path("/home/tester/.local/share"));
    ::setenv("HOME", savedHome.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    EXPECT_FALSE(programFolder().empty());
}

} // namespace
} // namespace qv

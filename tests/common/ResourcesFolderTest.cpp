// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/FileIo.h"
#include "common/ResourcesFolder.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

TEST(ResourcesFolder, WritableProductFolderIsUsedAsItIs) {
    fs::path root = fs::temp_directory_path() / "qv-res-writable";
    fs::remove_all(root);
    fs::create_directories(root / "product" / "Resources");
    EXPECT_TRUE(canWriteFolder(root / "product" / "Resources"));
    EXPECT_EQ(chooseResourcesFolder(root / "product" / "Resources", root / "data", true),
              root / "product" / "Resources");
    EXPECT_FALSE(fs::exists(root / "data"));
    fs::remove_all(root);
}

TEST(ResourcesFolder, CopyMissingNeverOverwritesWhatTheUserHas) {
    fs::path root = fs::temp_directory_path() / "qv-res-copy";
    fs::remove_all(root);
    fs::path shipped = root / "shipped";
    fs::path own = root / "own";
    fs::create_directories(shipped / "QuestionSets" / "Default");
    ASSERT_TRUE(writeFileAtomically(shipped / "Back.bmp", "art"));
    ASSERT_TRUE(writeFileAtomically(shipped / "QuestionSets" / "Default" / "Default.txt", "new"));
    fs::create_directories(own / "QuestionSets" / "Default");
    ASSERT_TRUE(writeFileAtomically(own / "QuestionSets" / "Default" / "Default.txt", "edited"));
    ASSERT_TRUE(writeFileAtomically(own / "Config.txt", "mine"));

    ASSERT_TRUE(copyMissing(shipped, own));
    std::string text;
    ASSERT_TRUE(readWholeFile(own / "QuestionSets" / "Default" / "Default.txt", text));
    EXPECT_EQ(text, "edited");
    ASSERT_TRUE(readWholeFile(own / "Back.bmp", text));
    EXPECT_EQ(text, "art");
    ASSERT_TRUE(readWholeFile(own / "Config.txt", text));
    EXPECT_EQ(text, "mine");
    fs::remove_all(root);
}

TEST(ResourcesFolder, ReadOnlyProductFolderFallsBackToAUserCopy) {
    fs::path root = fs::temp_directory_path() / "qv-res-readonly";
    fs::remove_all(root);
    fs::path shipped = root / "product" / "Resources";
    fs::create_directories(shipped / "QuestionSets" / "Default");
    ASSERT_TRUE(writeFileAtomically(shipped / "quit.tga", "x"));
    ASSERT_TRUE(writeFileAtomically(shipped / "QuestionSets" / "Default" / "Default.txt", "0"));
    fs::path chosen = chooseResourcesFolder(shipped, root / "data", false);
    EXPECT_EQ(chosen, root / "data" / "Quizvale" / "Resources");
    EXPECT_TRUE(fs::exists(chosen / "quit.tga"));
    EXPECT_TRUE(fs::exists(chosen / "QuestionSets" / "Default" / "Default.txt"));
    // A user without a place of their own reads the shipped folder.
    std::ofstream(root / "file") << "x";
    EXPECT_EQ(chooseResourcesFolder(shipped, root / "file" / "data", false), shipped);
    fs::remove_all(root);
}

} // namespace
} // namespace qv

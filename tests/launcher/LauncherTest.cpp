// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "launcher/Launcher.h"
#include "launcher/QtProcessStarter.h"
#include "launcher/RecordingProcessStarter.h"
#include "launcher/RecordingSystemLibraries.h"
#include "platform/MemorySettingsStore.h"
#include "platform/RecordingMessageBox.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

const char* const expectedMissingText =
    "Although you have DirectX9 installed, you still need to make sure that a particular "
    "DirectX9 file (libSDL2-2.0.so.0) is installed,\n"
    "which may not have been included in your version of DirectX9.\n\n"
    "Please use the following installer to add this file, then restart Quizvale when finished\n"
    "(Note: if for any reason the install fails, you can install manually by running "
    "'install-runtime.sh' from the 'DirectX' folder, located inside your 'Quizvale' folder)";

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        original = fs::current_path();
        root = fs::temp_directory_path() /
               ("qv_launcher_test_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        product = root / "Quizvale";
        elsewhere = root / "elsewhere";
        fs::create_directories(product / "DirectX");
        fs::create_directories(elsewhere);
        root = fs::canonical(root);
        product = fs::canonical(product);
        elsewhere = fs::canonical(elsewhere);
        libraries.present.insert("libSDL2-2.0.so.0");
    }
    void TearDown() override {
        fs::current_path(original);
        fs::remove_all(root);
    }

    LaunchOutcome run(ProcessStarter& starter) {
        Launcher launcher({settings, messages, libraries, starter});
        return launcher.run(product);
    }
    LaunchOutcome run() { return run(processes); }

    fs::path original;
    fs::path root;
    fs::path product;
    fs::path elsewhere;
    MemorySettingsStore settings;
    RecordingMessageBox messages;
    RecordingSystemLibraries libraries;
    RecordingProcessStarter processes;
};

TEST_F(LauncherTest, LibraryPresentStartsTheGameAndShowsNothing) {
    EXPECT_EQ(run(), LaunchOutcome::GameStarted);

    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(libraries.asked.size(), 1u);
    EXPECT_EQ(libraries.asked[0], "libSDL2-2.0.so.0");
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].program, product / "Showfloor");
    EXPECT_TRUE(processes.started[0].arguments.empty());
    EXPECT_EQ(processes.started[0].workingFolder, product);
    std::string recorded;
    ASSERT_TRUE(settings.readText("Quizvale", "Path", recorded));
    EXPECT_EQ(recorded, product.string());
}

TEST_F(LauncherTest, LibraryMissingShowsTheMessageOnceAndStartsOnlyTheInstaller) {
    libraries.present.clear();

    EXPECT_EQ(run(), LaunchOutcome::InstallerStarted);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "DirectX9 Installation");
    EXPECT_EQ(messages.shown[0].text, expectedMissingText);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages.shown[0].owner, nullptr);
    ASSERT_EQ(processes.started.size(), 1u);
    const StartRequest& installer = processes.started[0];
    EXPECT_EQ(installer.program, "/bin/sh");
    ASSERT_EQ(installer.arguments.size(), 1u);
    EXPECT_EQ(installer.arguments[0], (product / "DirectX" / "install-runtime.sh").string());
    EXPECT_EQ(installer.workingFolder, product / "DirectX");
    // Back in the program folder once the installer is on its way.
    EXPECT_EQ(fs::current_path(), product);

    // Once the installer has added the library, the next run starts the game.
    libraries.present.insert("libSDL2-2.0.so.0");
    messages.shown.clear();
    processes.started.clear();
    EXPECT_EQ(run(), LaunchOutcome::GameStarted);
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].program, product / "Showfloor");
}

TEST_F(LauncherTest, NoSystemFolderIsReportedAndTheGameStillStarts) {
    libraries.folderFound = false;
    libraries.present.clear();

    EXPECT_EQ(run(), LaunchOutcome::GameStarted);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "DirectX9 Installation");
    EXPECT_EQ(messages.shown[0].text, "Cannot find your Windows System folder");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_TRUE(libraries.asked.empty());
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].program, product / "Showfloor");
}

TEST_F(LauncherTest, SettingsStoreThatCannotBeWrittenIsIgnored) {
    settings.failWrites = true;

    EXPECT_EQ(run(), LaunchOutcome::GameStarted);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(settings.writes, 0);
    ASSERT_EQ(processes.started.size(), 1u);
}

TEST_F(LauncherTest, PathIsRecordedWithoutTrailingSlash) {
    Launcher launcher({settings, messages, libraries, processes});
    launcher.run(product.string() + "/");
    std::string recorded;
    ASSERT_TRUE(settings.readText("Quizvale", "Path", recorded));
    EXPECT_EQ(recorded, product.string());
}

TEST_F(LauncherTest, StartedFromAnotherFolderTheRealGameStillStartsInItsFolder) {
    // A stand-in game that notes the folder it was started in.
    const fs::path game = product / "Showfloor";
    {
        std::ofstream script(game);
        script << "#!/bin/sh\npwd > started.tmp && mv started.tmp started.txt\n";
    }
    ::chmod(game.c_str(), 0755);
    fs::current_path(elsewhere);

    QtProcessStarter starter;
    EXPECT_EQ(run(starter), LaunchOutcome::GameStarted);
    EXPECT_EQ(fs::current_path(), product);

    const fs::path marker = product / "started.txt";
    for (int tries = 0; tries < 100 && !fs::exists(marker); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::ifstream in(marker);
    std::string folder((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(folder, product.string() + "\n");
    EXPECT_FALSE(fs::exists(elsewhere / "started.txt"));
}

} // namespace
} // namespace qv

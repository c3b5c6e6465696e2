// SPDX-License-Identifier: MIT
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <SDL.h>

#include <gtest/gtest.h>

#include "platform/RecordingMessageBox.h"
#include "platform/SdlMessageBox.h"
#include "platform/SdlRuntimeDiagnostics.h"
#include "platform/XdgShellOpener.h"

namespace qv {
namespace {

TEST(SdlMessageBox, MnemonicMarkersAreNotShown) {
    EXPECT_EQ(withoutMnemonic("&Yes"), "Yes");
    EXPECT_EQ(withoutMnemonic("&Don't show again"), "Don't show again");
    EXPECT_EQ(withoutMnemonic("Salt && pepper"), "Salt & pepper");
    EXPECT_EQ(withoutMnemonic("trailing&"), "trailing&");
}

TEST(SdlMessageBox, ABoxThatCannotBeShownCountsAsClosed) {
    // The tests run without a display, so SDL has nothing to show it on.
    SdlMessageBox box;
    const MessageRequest request{"t", "x", MessageIcon::Information, MessageButtons::YesNo,
                                 nullptr};
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        EXPECT_EQ(box.show(request), MessageAnswer::Closed);
    }
}

TEST(RecordingMessageBox, AnswersFromItsQueueThenByTheButtons) {
    RecordingMessageBox box;
    box.answers.push_back(MessageAnswer::No);
    MessageRequest yesNo;
    yesNo.buttons = MessageButtons::YesNo;
    MessageRequest ok;
    EXPECT_EQ(box.show(yesNo), MessageAnswer::No);
    EXPECT_EQ(box.show(yesNo), MessageAnswer::Yes);
    EXPECT_EQ(box.show(ok), MessageAnswer::Ok);
    EXPECT_EQ(box.shown.size(), 3u);
}

TEST(SdlRuntimeDiagnostics, TheRuntimeInUseReportsTheGenerationTheGameNeeds) {
    SdlRuntimeDiagnostics diagnostics;
    RuntimeReport report;
    ASSERT_TRUE(diagnostics.query(report));
    EXPECT_EQ(report.major, 9u);
    EXPECT_EQ(report.minor, 0u);
    EXPECT_EQ(report.letter, sdlRuntimeNewEnough() ? "c" : "b");
    // The folder it came from holds the runtime library itself.
    const auto folder = diagnostics.systemFolder();
    ASSERT_FALSE(folder.empty());
    FileVersion version{};
    EXPECT_TRUE(diagnostics.fileVersion(folder / graphicsRuntimeLibrary, version));
    EXPECT_GT(version[1], 0u);
}

TEST(SdlRuntimeDiagnostics, FileVersionsComeFromTheNameTheLinkResolvesTo) {
    const auto folder = std::filesystem::temp_directory_path() / "qv-platform-versions";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "libx.so.0.2600.5") << "x";
    std::filesystem::create_symlink("libx.so.0.2600.5", folder / "libx.so.0");
    std::ofstream(folder / "liby.so.1.junk") << "y";
    std::ofstream(folder / "plain.txt") << "z";
    SdlRuntimeDiagnostics diagnostics;
    FileVersion version{};
    ASSERT_TRUE(diagnostics.fileVersion(folder / "libx.so.0", version));
    EXPECT_EQ(version, (FileVersion{0, 2600, 5, 0}));
    EXPECT_FALSE(diagnostics.fileVersion(folder / "liby.so.1.junk", version));
    EXPECT_FALSE(diagnostics.fileVersion(folder / "plain.txt", version));
    EXPECT_FALSE(diagnostics.fileVersion(folder / "missing.so.1", version));
    std::filesystem::remove_all(folder);
}

TEST(XdgShellOpener, StartsXdgOpenDetachedWithTheTarget) {
    // A stand-in xdg-open first on the PATH writes down what it was given.
    const auto folder = std::filesystem::temp_directory_path() / "qv-platform-xdg";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto script = folder / "xdg-open";
    const auto record = folder / "opened.txt";
    std::ofstream(script) << "#!/bin/sh\nprintf '%s' \"$1\" > '" << record.string() << ".tmp'\n"
                          << "mv '" << record.string() << ".tmp' '" << record.string() << "'\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const std::string oldPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    setenv("PATH", (folder.string() + ":" + oldPath).c_str(), 1);
    XdgShellOpener opener;
    const bool started = opener.open("https://example.org/a b?c=1");
    setenv("PATH", oldPath.c_str(), 1);
    EXPECT_TRUE(started);
    std::string opened;
    for (int i = 0; i < 200 && !std::filesystem::exists(record); ++i) {
        SDL_Delay(10);
    }
    std::ifstream in(record);
    std::getline(in, opened);
    EXPECT_EQ(opened, "https://example.org/a b?c=1");
    EXPECT_FALSE(opener.open(""));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace qv

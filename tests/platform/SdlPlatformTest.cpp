#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/RecordingMessageBox.h"
#include "platform/SdlMessageBox.h"
#include "platform/SdlRuntimeDiagnostics.h"

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
    MessageRequest request;
    request.title = "t";
    request.text = "x";
    request.buttons = MessageButtons::YesNo;
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

} // namespace
} // namespace qv

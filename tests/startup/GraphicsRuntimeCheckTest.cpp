// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "game/startup/GraphicsRuntimeCheck.h"
#include "game/startup/GraphicsRuntimeVersion.h"
#include "platform/RecordingMessageBox.h"
#include "platform/RecordingRuntimeDiagnostics.h"
#include "platform/RecordingShellOpener.h"

namespace qv {
namespace {

RuntimeReport report(std::uint32_t major, std::uint32_t minor, std::string letter) {
    return RuntimeReport{major, minor, std::move(letter)};
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

struct Detected {
    std::uint32_t number = 0;
    std::string text;
};

Detected detect(RecordingRuntimeDiagnostics& diagnostics, std::size_t capacity = 10) {
    Detected d;
    EXPECT_TRUE(detectRuntimeVersion(diagnostics, d.number, d.text, capacity));
    return d;
}

TEST(RuntimeVersion, NumberAndTextFromTheReport) {
    RecordingRuntimeDiagnostics diagnostics;
    diagnostics.report = report(9, 0, "c");
    EXPECT_EQ(detect(diagnostics).number, 0x00090003u);
    EXPECT_EQ(detect(diagnostics).text, "9.0c");

    diagnostics.report = report(9, 0, "B");
    EXPECT_EQ(detect(diagnostics).number, 0x00090002u);
    EXPECT_EQ(detect(diagnostics).text, "9.0b");

    // Only the first character of the letter counts; an empty one adds
    // nothing.
    diagnostics.report = report(8, 1, "bz");
    EXPECT_EQ(detect(diagnostics).text, "8.1b");
    diagnostics.report = report(9, 0, "");
    EXPECT_EQ(detect(diagnostics).number, 0x00090000u);
    EXPECT_EQ(detect(diagnostics).text, "9.0");
    diagnostics.report = report(9, 0, " ");
    EXPECT_EQ(detect(diagnostics).text, "9.0");
    // The report alone is asked: no file is looked at.
    EXPECT_TRUE(diagnostics.asked.empty());
}

TEST(RuntimeVersion, TheTextIsCutToItsBuffer) {
    RecordingRuntimeDiagnostics diagnostics;
    diagnostics.report = report(4000000000u, 4000000000u, "c");
    const Detected d = detect(diagnostics);
    EXPECT_EQ(d.text.size(), 9u);
    EXPECT_EQ(detect(diagnostics, 1).text, "");
    EXPECT_EQ(detect(diagnostics, 0).text, "");
}

TEST(RuntimeVersion, WithoutTheReportTheRuntimeLibraryGivesNineWithoutALetter) {
    RecordingRuntimeDiagnostics diagnostics;
    diagnostics.files["libSDL2-2.0.so.0"] = FileVersion{0, 2600, 5, 0};
    const Detected d = detect(diagnostics);
    EXPECT_EQ(d.number, 0x00090000u);
    EXPECT_EQ(d.text, "9.0");
    ASSERT_FALSE(diagnostics.asked.empty());
    EXPECT_EQ(diagnostics.asked.front().parent_path(), diagnostics.folder);
}

TEST(RuntimeVersion, WithNeitherTheVersionIsZero) {
    RecordingRuntimeDiagnostics diagnostics;
    EXPECT_EQ(detect(diagnostics).text, "0.0");
    diagnostics.folder.clear();
    diagnostics.asked.clear();
    EXPECT_EQ(detect(diagnostics).number, 0u);
    EXPECT_TRUE(diagnostics.asked.empty());
}

struct CheckRun {
    RecordingRuntimeDiagnostics diagnostics;
    RecordingMessageBox messages;
    RecordingShellOpener shell;
    bool run() { return checkGraphicsRuntime(diagnostics, messages, shell); }
};

TEST(GraphicsRuntimeCheck, NineCPassesSilently) {
    CheckRun check;
    check.diagnostics.report = report(9, 0, "c");
    EXPECT_TRUE(check.run());
    EXPECT_TRUE(check.messages.shown.empty());
    EXPECT_TRUE(check.shell.opened.empty());
}

TEST(GraphicsRuntimeCheck, NineBNamesItsVersionAndEnds) {
    CheckRun check;
    check.diagnostics.report = report(9, 0, "b");
    check.messages.answers.push_back(MessageAnswer::No);
    EXPECT_FALSE(check.run());
    ASSERT_EQ(check.messages.shown.size(), 1u);
    const MessageRequest& first = check.messages.shown[0];
    EXPECT_EQ(first.title, "Old DirectX Version Detected");
    EXPECT_EQ(first.icon, MessageIcon::Information);
    EXPECT_EQ(first.buttons, MessageButtons::YesNo);
    EXPECT_EQ(first.owner, nullptr);
    EXPECT_EQ(first.text.rfind("There is an old version of Microsoft DirectX (v9.0b) installed "
                               "with Microsoft Windows on your computer\n\n",
                               0),
              0u);
    EXPECT_NE(first.text.find("Would you like to download the latest version of Microsoft "
                              "DirectX from www.libsdl.org?\n\n(Note: "),
              std::string::npos);
    EXPECT_TRUE(endsWith(
        first.text, "site first\nregarding details about DirectX support on their drivers)\n"));
}

TEST(GraphicsRuntimeCheck, NoInTheFirstBoxOpensNothing) {
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Closed}) {
        CheckRun check;
        check.diagnostics.report = report(9, 0, "");
        check.messages.answers.push_back(answer);
        EXPECT_FALSE(check.run());
        EXPECT_EQ(check.messages.shown.size(), 1u);
        EXPECT_TRUE(check.shell.opened.empty());
    }
}

TEST(GraphicsRuntimeCheck, YesWalksThroughTheInstallationAndEnds) {
    CheckRun check;
    // The diagnostics fail and the runtime library is present: 9.0.
    check.diagnostics.files["libSDL2-2.0.so.0"] = FileVersion{0, 2600, 5, 0};
    // Opening fails: the sequence goes on regardless.
    check.shell.result = false;
    EXPECT_FALSE(check.run());
    ASSERT_EQ(check.messages.shown.size(), 4u);
    EXPECT_NE(check.messages.shown[0].text.find("(v9.0)"), std::string::npos);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(check.messages.shown[i].title, "DirectX9 Installation");
        EXPECT_EQ(check.messages.shown[i].buttons, MessageButtons::Ok);
        EXPECT_EQ(check.messages.shown[i].icon, MessageIcon::Information);
    }
    EXPECT_EQ(check.messages.shown[1].text,
              "You will now be guided through the procedure of installing DirectX 9\n\n"
              "Please press OK to continue");
    ASSERT_EQ(check.shell.opened.size(), 1u);
    EXPECT_EQ(check.shell.opened[0], runtimeDownloadPage);
    EXPECT_EQ(check.messages.shown[2].text,
              std::string("The DirectX 9 download page on www.libsdl.org should now open\n\n"
                          "If this doesn't happen, please go there manually by following this "
                          "link:\n") +
                  runtimeDownloadPage +
                  "\n\nPlease click OK when you've successfully downloaded DirectX 9");
    const std::string& steps = check.messages.shown[3].text;
    EXPECT_EQ(steps.rfind("To install DirectX 9 please follow the following steps:\n\n"
                          "1. Open the downloaded file",
                          0),
              0u);
    EXPECT_NE(steps.find("3. Type in the following: c:/temporarydx\n\n4. Press the OK button"),
              std::string::npos);
    EXPECT_TRUE(endsWith(steps, "harm)\n\nOnce rebooted, run Quizvale again to finish the setup "
                                "procedure"));
}

} // namespace
} // namespace qv

// SPDX-License-Identifier: MIT
// Runs the built Showfloor as a user (or a script) would, without a display:
// SDL's dummy video and audio drivers and the software renderer.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/wait.h>

#include "JsonCheck.h"
#include "common/FileIo.h"
#include "tests/support/E2eFiles.h"

namespace qv {
namespace {

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

const auto quoted = test::shellQuoted;

class ShowfloorRun : public ::testing::Test {
protected:
    void SetUp() override {
        folder = test::freshTestFolder("qv-e2e");
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Runs Showfloor from the temporary folder with `arguments`, feeding
    // `input` on standard input. `environment` goes to env before the
    // program ("SDL_VIDEODRIVER=x11", "-u SDL_VIDEODRIVER"); DISPLAY and
    // WAYLAND_DISPLAY are always taken away, so no box can wait for a user.
    RunResult run(const std::string& arguments, const std::string& input = "",
                  const std::string& environment = "") {
        const auto in = folder / "stdin.txt";
        const auto out = folder / "stdout.txt";
        const auto err = folder / "stderr.txt";
        std::ofstream(in) << input;
        const std::string command =
            "cd " + quoted(folder.string()) + " && env -u DISPLAY -u WAYLAND_DISPLAY " +
            environment + " XDG_CONFIG_HOME=" + quoted(folder.string()) + " " +
            quoted(QV_SHOWFLOOR) + " " + arguments + " < " + quoted(in.string()) + " > " +
            quoted(out.string()) + " 2> " + quoted(err.string());
        RunResult result;
        const int status = std::system(command.c_str());
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        readWholeFile(out, result.out);
        readWholeFile(err, result.err);
        return result;
    }

    std::vector<std::string> lines(const std::string& text) {
        std::vector<std::string> out;
        std::istringstream stream(text);
        for (std::string line; std::getline(stream, line);) {
            out.push_back(line);
        }
        return out;
    }

    std::filesystem::path folder;
};

TEST_F(ShowfloorRun, QuitAfterFrameTenEndsWithExitCodeZero) {
    const RunResult r = run("-windowed -quitafterframe 10");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(run("-windowed -quitafterframe:10 -noerrormsgboxes").exitCode, 0);
    // The eleventh frame runs (the first dump comes at its start, after ten
    // frames); a twelfth never starts, so the second dump never comes.
    const RunResult counted =
        run("-windowed -automation -quitafterframe 10", "frames 10\ndump\nframes 1\ndump\n");
    EXPECT_EQ(counted.exitCode, 0) << counted.err;
    const auto dumped = lines(counted.out);
    ASSERT_EQ(dumped.size(), 1u) << counted.out;
    EXPECT_EQ(dumped[0].rfind("{\"frame\": 10, ", 0), 0u) << dumped[0];
}

TEST_F(ShowfloorRun, WithoutADisplayTheExitCodeIsThree) {
    // The X11 driver cannot start without DISPLAY: no compatible device.
    const RunResult silent = run("-windowed -noerrormsgboxes", "", "SDL_VIDEODRIVER=x11");
    EXPECT_EQ(silent.exitCode, 3) << silent.err;
    // With boxes on, the box cannot be shown either; the code is the same.
    EXPECT_EQ(run("", "", "SDL_VIDEODRIVER=x11").exitCode, 3);
    // Left to choose, SDL would draw off screen where nobody sees it.
    const RunResult unasked = run("-noerrormsgboxes -quitafterframe 2", "", "-u SDL_VIDEODRIVER");
    EXPECT_EQ(unasked.exitCode, 3) << unasked.err;
}

TEST_F(ShowfloorRun, ConstantFrameTimeAdvancesEveryFrameByItsStep) {
    const RunResult r = run("-windowed -automation -constantframetime", "frames 30\ndump\nquit\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto dumped = lines(r.out);
    ASSERT_EQ(dumped.size(), 1u);
    EXPECT_NE(dumped[0].find("\"frame\": 30, \"time\": 0.9990,"), std::string::npos) << dumped[0];

    const RunResult other = run("-windowed -automation -constantframetime:0.05", "wait 1\ndump\n");
    ASSERT_EQ(other.exitCode, 0) << other.err;
    EXPECT_NE(other.out.find("\"frame\": 20, \"time\": 1.0000,"), std::string::npos) << other.out;
}

TEST_F(ShowfloorRun, AnAutomationScriptDumpsShootsAndQuits) {
    std::filesystem::create_directories(folder / "shots");
    const RunResult r = run("-windowed -automation",
                            "seed 7\nframes 5\ndump\nshot shots/title.png\nnonsense\nframes 2\n"
                            "move 100 200\nclick\nkey escape\ndump\nquit\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto dumped = lines(r.out);
    ASSERT_EQ(dumped.size(), 2u) << r.out;
    for (const std::string& line : dumped) {
        EXPECT_TRUE(isJson(line)) << line;
        EXPECT_NE(line.find("\"screen\": \"Title\""), std::string::npos);
        EXPECT_NE(line.find("\"players\": []"), std::string::npos);
    }
    EXPECT_EQ(dumped[0].rfind("{\"frame\": 5, ", 0), 0u) << dumped[0];
    EXPECT_EQ(dumped[1].rfind("{\"frame\": 11, ", 0), 0u) << dumped[1];
    EXPECT_EQ(r.err, "error: unknown command: nonsense\n");

    // The shot lands relative to the folder Showfloor was started from.
    std::string png;
    ASSERT_TRUE(readWholeFile(folder / "shots" / "title.png", png));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    // IHDR: 1024 x 768.
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x04\0\0\0\x03\0", 8));
}

TEST_F(ShowfloorRun, TheEndOfInputQuitsAndAShotThatCannotBeWrittenIsAnError) {
    const RunResult r = run("-windowed -automation", "shot no/such/folder/x.png\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.err.find("error: shot could not write"), std::string::npos) << r.err;
}

TEST_F(ShowfloorRun, UnknownSwitchesAreReportedAndIgnored) {
    const RunResult r = run("-windowed -quitafterframe 1 -sparkle");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.err.find("Unrecognized flag: sparkle"), std::string::npos) << r.err;
}

} // namespace
} // namespace qv

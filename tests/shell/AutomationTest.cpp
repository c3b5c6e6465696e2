// SPDX-License-Identifier: MIT
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/engine/InputCodes.h"
#include "game/shell/AutomationCommand.h"
#include "game/shell/AutomationDriver.h"
#include "game/shell/JsonWriter.h"
#include "game/shell/ScriptedInputSource.h"

namespace qv {
namespace {

float at(const DeviceState& state, int code) {
    return state[static_cast<std::size_t>(code - 1)];
}

TEST(ScriptedInputSource, KeyNamesMapToInputCodes) {
    EXPECT_EQ(ScriptedInputSource::codeOf("escape"), 19);
    EXPECT_EQ(ScriptedInputSource::codeOf("return"), 20);
    EXPECT_EQ(ScriptedInputSource::codeOf("backspace"), 83);
    EXPECT_EQ(ScriptedInputSource::codeOf("shift"), 13);
    EXPECT_EQ(ScriptedInputSource::codeOf("a"), 21);
    EXPECT_EQ(ScriptedInputSource::codeOf("z"), 46);
    EXPECT_EQ(ScriptedInputSource::codeOf("1"), 73);
    EXPECT_EQ(ScriptedInputSource::codeOf("9"), 81);
    EXPECT_EQ(ScriptedInputSource::codeOf("0"), 82);
    EXPECT_FALSE(ScriptedInputSource::codeOf("A"));
    EXPECT_FALSE(ScriptedInputSource::codeOf("f1"));
    EXPECT_FALSE(ScriptedInputSource::codeOf(""));
}

TEST(ScriptedInputSource, APressBetweenTwoPollsReadsDownForOnePoll) {
    ScriptedInputSource input;
    DeviceState state{};
    input.keyDown("y");
    input.keyUp("y");
    input.buttonDown();
    input.buttonUp();
    ASSERT_TRUE(input.read(state));
    EXPECT_EQ(at(state, 45), 128.0f);
    EXPECT_EQ(at(state, 9), 128.0f);
    input.read(state);
    EXPECT_EQ(at(state, 45), 0.0f);
    EXPECT_EQ(at(state, 9), 0.0f);
    // Held stays down poll after poll.
    input.keyDown("return");
    input.read(state);
    input.read(state);
    EXPECT_EQ(at(state, 20), 128.0f);
}

TEST(ScriptedInputSource, LettersMoveToTheShiftedCodesWhileShiftIsDown) {
    ScriptedInputSource input;
    DeviceState state{};
    input.keyDown("shift");
    input.keyDown("n");
    input.read(state);
    EXPECT_EQ(at(state, 13), 128.0f);
    EXPECT_EQ(at(state, 60), 128.0f);
    EXPECT_EQ(at(state, 34), 0.0f);
    input.keyUp("shift");
    input.read(state);
    EXPECT_EQ(at(state, 34), 128.0f);
    EXPECT_EQ(at(state, 60), 0.0f);
    // Digits do not move with Shift.
    input.keyDown("shift");
    input.keyDown("5");
    input.read(state);
    EXPECT_EQ(at(state, 77), 128.0f);
}

TEST(ScriptedInputSource, AMoveIsTheMotionToItsTargetOnce) {
    std::array<float, 2> pointer{512.0f, 384.0f};
    ScriptedInputSource input([&] { return pointer; });
    DeviceState state{};
    input.moveTo(100.0f, 400.0f);
    input.read(state);
    EXPECT_EQ(at(state, 5), -412.0f);
    EXPECT_EQ(at(state, 6), 16.0f);
    input.read(state);
    EXPECT_EQ(at(state, 5), 0.0f);
    EXPECT_EQ(at(state, 6), 0.0f);
}

TEST(AutomationCommand, ParsesEveryCommandAndRefusesMalformedOnes) {
    AutomationCommand c;
    std::string error;
    using Kind = AutomationCommand::Kind;
    ASSERT_EQ(parseAutomationCommand("seed 4294967295", c, error), ParseOutcome::Command);
    EXPECT_EQ(c.kind, Kind::Seed);
    EXPECT_EQ(c.seed, 4294967295u);
    ASSERT_EQ(parseAutomationCommand("  wait 2.5\r", c, error), ParseOutcome::Command);
    EXPECT_DOUBLE_EQ(c.seconds, 2.5);
    ASSERT_EQ(parseAutomationCommand("move 10.5 -3", c, error), ParseOutcome::Command);
    EXPECT_FLOAT_EQ(c.x, 10.5f);
    EXPECT_FLOAT_EQ(c.y, -3.0f);
    ASSERT_EQ(parseAutomationCommand("shot out dir/a b.png ", c, error), ParseOutcome::Command);
    EXPECT_EQ(c.name, "out dir/a b.png");
    ASSERT_EQ(parseAutomationCommand("key backspace", c, error), ParseOutcome::Command);
    EXPECT_EQ(c.kind, Kind::Key);
    EXPECT_EQ(parseAutomationCommand("", c, error), ParseOutcome::Blank);
    EXPECT_EQ(parseAutomationCommand("# note", c, error), ParseOutcome::Blank);

    for (const char* bad : {"seed -1", "seed 4294967296", "wait", "wait -1", "wait nan",
                            "frames 1.5", "frames -2", "move 1", "move a b", "key F1", "key",
                            "hold a b", "shot", "quit now", "dump 1", "jump", "Quit"}) {
        error.clear();
        EXPECT_EQ(parseAutomationCommand(bad, c, error), ParseOutcome::Error) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

struct DriverRun {
    std::istringstream commands;
    std::ostringstream out;
    std::ostringstream errors;
    std::array<float, 2> pointer{512.0f, 384.0f};
    ScriptedInputSource input{[this] { return pointer; }};
    std::vector<std::uint32_t> seeds;
    int quits = 0;
    int frames = 0;
    std::unique_ptr<AutomationDriver> driver;

    explicit DriverRun(const std::string& script, float frameSeconds = 0.25f) : commands(script) {
        AutomationDriver::Hooks hooks;
        hooks.seed = [this](std::uint32_t s) { seeds.push_back(s); };
        hooks.dump = [this] { return "{\"frame\": " + std::to_string(frames) + "}"; };
        hooks.quit = [this] { ++quits; };
        driver =
            std::make_unique<AutomationDriver>(commands, out, errors, input, frameSeconds, hooks);
    }
    // Runs one frame: commands, a poll, the end of the frame.
    DeviceState frame() {
        driver->beginFrame();
        DeviceState state{};
        input.read(state);
        driver->endFrame(nullptr);
        ++frames;
        return state;
    }
    // Runs frames until the driver ends the program (at most `limit`).
    void runToQuit(int limit = 1000) {
        while (quits == 0 && frames < limit) {
            frame();
        }
    }
};

TEST(AutomationDriver, FramesAndWaitRunTheirFramesBeforeTheNextCommand) {
    DriverRun run("frames 3\ndump\nwait 1\ndump\nwait 0\ndump\n");
    run.runToQuit();
    EXPECT_EQ(run.out.str(), "{\"frame\": 3}\n{\"frame\": 7}\n{\"frame\": 7}\n");
    // The end of input quits at the end of the next frame.
    EXPECT_EQ(run.frames, 8);
    EXPECT_EQ(run.quits, 1);
}

TEST(AutomationDriver, WaitRoundsUpToWholeFrames) {
    EXPECT_EQ(AutomationDriver::framesFor(1.0, 0.25f), 4);
    EXPECT_EQ(AutomationDriver::framesFor(1.0, 0.0333f), 31);
    EXPECT_EQ(AutomationDriver::framesFor(0.01, 0.0333f), 1);
    EXPECT_EQ(AutomationDriver::framesFor(0.0, 0.0333f), 0);
}

TEST(AutomationDriver, ClickAndKeyHoldForOneFrameEach) {
    DriverRun run("click\nkey escape\nquit\n");
    EXPECT_EQ(at(run.frame(), 9), 128.0f);
    EXPECT_EQ(at(run.frame(), 9), 0.0f);
    EXPECT_EQ(at(run.frame(), 19), 128.0f);
    EXPECT_EQ(at(run.frame(), 19), 0.0f);
    EXPECT_EQ(run.quits, 0);
    run.frame();
    EXPECT_EQ(run.quits, 1);
    EXPECT_EQ(run.frames, 5);
}

TEST(AutomationDriver, HoldReleaseMoveAndDownApplyAtTheNextPoll) {
    DriverRun run("hold shift\nhold a\ndown\nmove 0 0\nframes 1\nrelease a\nup\nframes 1\n");
    const DeviceState first = run.frame();
    EXPECT_EQ(at(first, 47), 128.0f);
    EXPECT_EQ(at(first, 9), 128.0f);
    EXPECT_EQ(at(first, 5), -512.0f);
    const DeviceState second = run.frame();
    EXPECT_EQ(at(second, 47), 0.0f);
    EXPECT_EQ(at(second, 13), 128.0f);
    EXPECT_EQ(at(second, 9), 0.0f);
}

// The presses of each frame in order: a key's press and the text it types,
// text as an input method sends it, and the repeats of a held key (after
// 0.5 s of game time, then every 0.05 s).
TEST(AutomationDriver, PressesComeInOrderWithTextAndRepeatsOfAHeldKey) {
    DriverRun run("hold shift\nhold z\nrelease z\nrelease shift\nhold 7\nrelease 7\n"
                  "text  Ελένη 😀\nhold backspace\nframes 1\nwait 0.6\nrelease backspace\n"
                  "text\ntext \xff\n",
                  0.1f);
    run.input.setFrameSeconds(0.1f);
    const auto pressesOfFrame = [&] {
        run.frame();
        KeyPresses presses;
        run.input.takePresses(presses);
        return presses;
    };
    const KeyPresses first = pressesOfFrame();
    ASSERT_EQ(first.size(), 6u);
    EXPECT_EQ(first[0].code, InputCode::LeftShift);
    EXPECT_EQ(first[1].code, InputCode::shiftedLetter('Z'));
    EXPECT_EQ(first[2].text, u"Z");
    EXPECT_EQ(first[3].code, InputCode::Digit1 + 6);
    EXPECT_EQ(first[4].text, u"7");
    // The text command's first blank separates; the rest is the text.
    EXPECT_EQ(first[5].text, u" Ελένη \U0001F600");
    const KeyPresses second = pressesOfFrame();
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].code, InputCode::Backspace);
    EXPECT_FALSE(second[0].repeat);
    int repeats = 0;
    for (int frame = 0; frame < 6; ++frame) {
        for (const KeyPress& press : pressesOfFrame()) {
            EXPECT_EQ(press.code, InputCode::Backspace);
            EXPECT_TRUE(press.repeat);
            ++repeats;
        }
    }
    // Held 0.6 s: repeats at 0.5 and 0.55 s, then 0.6 s.
    EXPECT_EQ(repeats, 3);
    EXPECT_TRUE(pressesOfFrame().empty());
    run.runToQuit();
    EXPECT_EQ(run.errors.str(), "error: text needs a string: text\n"
                                "error: text is not UTF-8: text \xff\n");
}

TEST(AutomationDriver, SeedQuitAndErrors) {
    DriverRun run("seed 42\nfly away\nframes x\nquit\nframes 100\n");
    run.runToQuit();
    EXPECT_EQ(run.seeds, std::vector<std::uint32_t>{42});
    EXPECT_EQ(run.frames, 1);
    EXPECT_EQ(run.errors.str(), "error: unknown command: fly away\n"
                                "error: frames needs a count from 0 to 10000000: frames x\n");
}

TEST(ScriptedInputSource, TheKeysOfPlayWithoutAMouse) {
    EXPECT_EQ(ScriptedInputSource::codeOf("up"), 1);
    EXPECT_EQ(ScriptedInputSource::codeOf("down"), 2);
    EXPECT_EQ(ScriptedInputSource::codeOf("left"), 3);
    EXPECT_EQ(ScriptedInputSource::codeOf("right"), 4);
    EXPECT_EQ(ScriptedInputSource::codeOf("tab"), 84);
    EXPECT_EQ(ScriptedInputSource::codeOf("space"), 85);
    EXPECT_EQ(ScriptedInputSource::codeOf("pageup"), 86);
    EXPECT_EQ(ScriptedInputSource::codeOf("pagedown"), 87);
    // Enter is Return, as a keypad's Enter is.
    EXPECT_EQ(ScriptedInputSource::codeOf("enter"), 20);
    ScriptedInputSource input;
    DeviceState state{};
    input.keyDown("pagedown");
    input.keyDown("shift");
    input.keyDown("tab");
    input.read(state);
    EXPECT_EQ(at(state, 87), 128.0f);
    EXPECT_EQ(at(state, 84), 128.0f);
    EXPECT_EQ(at(state, 13), 128.0f);
}

TEST(AutomationCommand, PadTakesAttachDetachOrOneButton) {
    AutomationCommand c;
    std::string error;
    for (const char* good :
         {"pad attach", "pad detach", "pad a", "pad b", "pad x", "pad y", "pad start", "pad back",
          "pad up", "pad down", "pad left", "pad right"}) {
        ASSERT_EQ(parseAutomationCommand(good, c, error), ParseOutcome::Command) << good;
        EXPECT_EQ(c.kind, AutomationCommand::Kind::Pad);
        EXPECT_EQ(c.name, std::string(good).substr(4));
    }
    for (const char* bad : {"pad", "pad A", "pad guide", "pad a b", "pad return"}) {
        EXPECT_EQ(parseAutomationCommand(bad, c, error), ParseOutcome::Error) << bad;
    }
}

TEST(AutomationDriver, APadButtonBeforeAttachIsAnErrorLine) {
    DriverRun run("pad a\nquit\n");
    run.runToQuit();
    EXPECT_EQ(run.errors.str(), "error: pad a: no pad is attached\n");
    EXPECT_EQ(run.quits, 1);
}

TEST(AutomationDriver, AnOverlongLineIsOneErrorNotMany) {
    DriverRun run(std::string(100000, 'x') + "\nquit\n");
    run.runToQuit();
    EXPECT_EQ(run.quits, 1);
    std::string errors = run.errors.str();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1);
}

TEST(JsonWriter, EscapesTextAndWritesOneLine) {
    JsonWriter json;
    json.beginObject();
    json.key("text");
    json.value("say \"hi\"\n\\\x01");
    json.key("list");
    json.beginArray();
    json.value(1);
    json.value(2.5);
    json.value(true);
    json.endArray();
    json.key("empty");
    json.beginArray();
    json.endArray();
    json.endObject();
    EXPECT_EQ(json.text(), "{\"text\": \"say \\\"hi\\\"\\n\\\\\\u0001\", \"list\": [1, 2.5000, "
                           "true], \"empty\": []}");
}

} // namespace
} // namespace qv

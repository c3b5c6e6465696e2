// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "game/shell/FrameTimer.h"
#include "game/shell/FrameworkError.h"

namespace qv {
namespace {

struct FakeClock {
    std::int64_t now = 1'000'000'000;
    FrameTimer::Clock clock() {
        return [this] { return now; };
    }
    void seconds(double s) { now += static_cast<std::int64_t>(s * 1e9); }
};

TEST(FrameTimer, TimeAndElapsedFollowTheClock) {
    FakeClock fake;
    FrameTimer timer(fake.clock());
    timer.reset();
    fake.seconds(0.5);
    EXPECT_DOUBLE_EQ(timer.time(), 0.5);
    EXPECT_DOUBLE_EQ(timer.elapsed(), 0.5);
    fake.seconds(0.25);
    EXPECT_DOUBLE_EQ(timer.elapsed(), 0.25);
    EXPECT_DOUBLE_EQ(timer.time(), 0.75);
}

TEST(FrameTimer, APausedTimerStandsStillAndSkipsThePause) {
    FakeClock fake;
    FrameTimer timer(fake.clock());
    timer.reset();
    fake.seconds(1.0);
    timer.elapsed();
    timer.stop();
    fake.seconds(5.0);
    EXPECT_DOUBLE_EQ(timer.elapsed(), 0.0);
    EXPECT_DOUBLE_EQ(timer.time(), 1.0);
    EXPECT_TRUE(timer.stopped());
    // Stopping twice does not move the stop time.
    timer.stop();
    fake.seconds(1.0);
    EXPECT_DOUBLE_EQ(timer.time(), 1.0);
    timer.start();
    EXPECT_FALSE(timer.stopped());
    EXPECT_DOUBLE_EQ(timer.time(), 1.0);
    EXPECT_DOUBLE_EQ(timer.elapsed(), 0.0);
    fake.seconds(0.5);
    EXPECT_DOUBLE_EQ(timer.time(), 1.5);
    EXPECT_DOUBLE_EQ(timer.elapsed(), 0.5);
}

TEST(FrameTimer, AdvanceStepsOnlyAStoppedTimer) {
    FakeClock fake;
    FrameTimer timer(fake.clock());
    timer.reset();
    timer.advance();
    EXPECT_DOUBLE_EQ(timer.time(), 0.0);
    timer.stop();
    timer.advance();
    EXPECT_NEAR(timer.time(), 0.1, 1e-9);
}

TEST(FrameTimer, ResetStartsTimeAgainFromZero) {
    FakeClock fake;
    FrameTimer timer(fake.clock());
    fake.seconds(3.0);
    timer.reset();
    EXPECT_DOUBLE_EQ(timer.time(), 0.0);
    EXPECT_DOUBLE_EQ(timer.elapsed(), 0.0);
}

TEST(FrameworkError, ExitCodesAndTexts) {
    const struct {
        FrameworkError error;
        int code;
        const char* text;
    } table[] = {
        {FrameworkError::NoGraphics, 2, "Could not initialize Direct3D. You may want to check"},
        {FrameworkError::NoCompatibleDevices, 3, "Could not find any compatible Direct3D devices."},
        {FrameworkError::MediaNotFound, 4, "Could not find required media."},
        {FrameworkError::NonZeroRefCount, 5, "The D3D device has a non-zero reference count"},
        {FrameworkError::CreatingDevice, 6, "Failed creating the Direct3D device."},
        {FrameworkError::ResettingDevice, 7, "Failed resetting the Direct3D device."},
        {FrameworkError::CreatingDeviceObjects, 8, "Failed creating Direct3D device objects."},
        {FrameworkError::ResettingDeviceObjects, 9, "Failed resetting Direct3D device objects."},
        {FrameworkError::IncorrectVersion, 10, "Incorrect version of Direct3D and/or D3DX."},
    };
    for (const auto& row : table) {
        EXPECT_EQ(exitCodeOf(row.error), row.code);
        EXPECT_EQ(errorText(row.error).rfind(row.text, 0), 0u) << row.code;
    }
    EXPECT_EQ(exitCodeOf(FrameworkError::Other), 1);
    EXPECT_TRUE(errorText(FrameworkError::Other).empty());
    EXPECT_EQ(errorText(FrameworkError::NoCompatibleDevices, true),
              "Direct3D does not work over a remote session.");
    // Two blanks before "Also", as the text has always had them.
    EXPECT_NE(errorText(FrameworkError::NoGraphics).find("system.  Also make sure"),
              std::string::npos);
}

} // namespace
} // namespace qv

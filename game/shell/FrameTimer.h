// SPDX-License-Identifier: MIT
#pragma once
// The framework's clock: seconds since the last reset, and the seconds that
// passed between two calls of elapsed(). While stopped, the moment of
// stopping stands in for the clock, so a paused game sees no time pass.

#include <cstdint>
#include <functional>

namespace qv {

class FrameTimer {
public:
    // Nanoseconds of a monotonic clock; the steady clock unless a test gives
    // its own.
    using Clock = std::function<std::int64_t()>;

    FrameTimer();
    explicit FrameTimer(Clock clock);

    // Time and elapsed start again from now; a stopped timer stays stopped.
    void reset();
    // Takes up the count again after stop(); the stopped span is not counted.
    void start();
    void stop();
    // Moves a stopped timer on by a tenth of a second (single-stepping).
    void advance();

    bool stopped() const { return stopped_; }
    // Seconds since the last reset.
    double time() const;
    // Seconds since the previous call of elapsed() (or of reset/start).
    double elapsed();

private:
    std::int64_t now() const;

    Clock clock_;
    bool stopped_ = false;
    std::int64_t base_ = 0;
    std::int64_t lastElapsed_ = 0;
    std::int64_t stopTime_ = 0;
};

// The steady clock in nanoseconds.
std::int64_t steadyNanoseconds();

} // namespace qv

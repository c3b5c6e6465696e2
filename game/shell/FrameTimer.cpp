// SPDX-License-Identifier: MIT
#include "game/shell/FrameTimer.h"

#include <chrono>

namespace qv {

std::int64_t steadyNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

FrameTimer::FrameTimer() : FrameTimer(&steadyNanoseconds) {}

FrameTimer::FrameTimer(Clock clock) : clock_(std::move(clock)) {
    base_ = clock_();
    lastElapsed_ = base_;
}

std::int64_t FrameTimer::now() const {
    return stopped_ ? stopTime_ : clock_();
}

void FrameTimer::reset() {
    const std::int64_t t = now();
    base_ = t;
    lastElapsed_ = t;
    stopTime_ = t;
}

void FrameTimer::start() {
    const std::int64_t t = clock_();
    if (stopped_) {
        base_ += t - stopTime_;
    }
    stopped_ = false;
    stopTime_ = 0;
    lastElapsed_ = t;
}

void FrameTimer::stop() {
    if (stopped_) {
        return;
    }
    const std::int64_t t = clock_();
    stopTime_ = t;
    lastElapsed_ = t;
    stopped_ = true;
}

void FrameTimer::advance() {
    if (stopped_) {
        stopTime_ += 100'000'000;
    }
}

double FrameTimer::time() const {
    return static_cast<double>(now() - base_) * 1e-9;
}

double FrameTimer::elapsed() {
    const std::int64_t t = now();
    const double seconds = static_cast<double>(t - lastElapsed_) * 1e-9;
    lastElapsed_ = t;
    return seconds;
}

} // namespace qv

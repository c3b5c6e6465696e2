// SPDX-License-Identifier: MIT
#pragma once
// The fixture of the whole-game tests: a copy of the built product in a
// folder of the test's own, a question set whose correct answers are marked,
// the game running in automation mode, and its last dump.

#include "tests/support/E2eFiles.h"
#include "tests/support/MiniJson.h"
#include "tests/support/ShowfloorSession.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qv::test {

class WholeGameTest : public ::testing::Test {
protected:
    // `stem` names the test's folder; the set `setName` is written by the
    // test's own SetUp, after this one.
    WholeGameTest(std::string stem, std::string setName)
        : stem_(std::move(stem)), setName_(std::move(setName)) {}

    void SetUp() override {
        folder_ = freshTestFolder(stem_);
        // A copy of the product, so the build's own Resources stay untouched.
        copyProductWithoutSavedState(QV_PRODUCT_DIR, folder_);
    }

    void TearDown() override {
        session_.reset();
        if (!HasFailure()) {
            std::filesystem::remove_all(folder_);
        }
    }

    std::filesystem::path resources() const { return folder_ / "product" / "Resources"; }

    // Writes the configuration (the test's set, these players), starts the
    // game (with `switches` besides automation mode), sends `first` (when
    // given) and waits until the title has shown for two seconds.
    void startAtTitle(const std::vector<std::string>& names, const std::string& first = {},
                      const std::vector<std::string>& switches = {}) {
        writeConfigFile(resources(), setName_, names);
        std::vector<std::string> arguments{"-automation", "-windowed", "-constantframetime:0.1"};
        arguments.insert(arguments.end(), switches.begin(), switches.end());
        // QV_E2E_WINDOW=<width>x<height> plays in a window of that size (for
        // stills); the game is driven in board coordinates either way.
        if (const char* size = std::getenv("QV_E2E_WINDOW")) {
            const std::string text = size;
            const auto x = text.find('x');
            if (x != std::string::npos) {
                std::string width = "-width:";
                std::string height = "-height:";
                arguments.push_back(width.append(text, 0, x));
                arguments.push_back(height.append(text, x + 1));
            }
        }
        session_ = std::make_unique<ShowfloorSession>(folder_ / "product" / "Showfloor", folder_,
                                                      arguments);
        ASSERT_TRUE(session_->running());
        if (!first.empty()) {
            session_->send(first);
        }
        ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Title"; }, 10));
        session_->send("wait 2");
    }

    bool waitFor(const std::function<bool(const Json&)>& done, double seconds) {
        return session_->waitFor(done, seconds, last_);
    }

    const Json& player(int index) const {
        return last_["players"][static_cast<std::size_t>(index)];
    }
    int current() const { return last_["currentPlayer"].integer(); }
    int state() const { return player(current())["roundState"].integer(); }

    // Waits until the current player's round is in `roundState`.
    bool waitForState(int roundState, double seconds = 60) {
        return waitFor(
            [roundState](const Json& d) {
                const Json& p =
                    d["players"][static_cast<std::size_t>(d["currentPlayer"].integer())];
                return d["screen"].string == "Playing" && p["roundState"].integer() == roundState;
            },
            seconds);
    }

    std::filesystem::path folder_;
    std::unique_ptr<ShowfloorSession> session_;
    Json last_;

private:
    std::string stem_;
    std::string setName_;
};

} // namespace qv::test

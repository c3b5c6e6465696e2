// SPDX-License-Identifier: MIT
// A set named in Greek, its questions in Greek, on the real Showfloor: the
// question comes from the UTF-8 set file as written, and the configuration
// and the play state keep working with that set chosen.

#include "common/Utf16.h"
#include "tests/support/E2eFiles.h"
#include "tests/support/MiniJson.h"
#include "tests/support/ShowfloorSession.h"
#include "tests/support/WholeGameTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace qv::test {
namespace {

namespace fs = std::filesystem;

// "Ελληνικά" and "Ποια απάντηση;".
const std::string greekName = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC";
const std::string greekTail = ": \xCE\xA0\xCE\xBF\xCE\xB9\xCE\xB1 \xCE\xB1\xCF\x80\xCE\xAC\xCE\xBD"
                              "\xCF\x84\xCE\xB7\xCF\x83\xCE\xB7;";

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A string as the game stores it: an int32 count, then UTF-16LE units.
std::string storedUtf16(const std::string& utf8) {
    std::u16string wide;
    EXPECT_TRUE(utf16FromUtf8(utf8, wide));
    std::string bytes = le32(static_cast<std::uint32_t>(wide.size()));
    for (char16_t unit : wide) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

class AnyScriptSet : public WholeGameTest {
protected:
    AnyScriptSet() : WholeGameTest("qv-e2e-any-script", greekName) {}

    void SetUp() override {
        WholeGameTest::SetUp();
        writeMarkedQuestionSet(resources(), greekName, 1, true, greekTail);
        // Greek letters are beyond Windows-1252: the set is UTF-8 after its mark.
        const fs::path file = resources() / "QuestionSets" / greekName / (greekName + ".txt");
        const std::string text = readAll(file);
        std::ofstream(file, std::ios::binary) << "\xEF\xBB\xBF" << text;
        // One player, Ann, on the Greek set.
        std::ofstream(resources() / "Config.txt", std::ios::binary)
            << std::string("\1\1") << storedUtf16(greekName) << le32(1) << storedUtf16("Ann");
    }
};

TEST_F(AnyScriptSet, TheGreekSetPlaysAndItsPlayStateAndConfigurationAreKept) {
    session_ = std::make_unique<ShowfloorSession>(
        folder_ / "product" / "Showfloor", folder_,
        std::vector<std::string>{"-automation", "-windowed", "-constantframetime:0.1"});
    ASSERT_TRUE(session_->running());
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Title"; }, 10))
        << session_->errors();
    session_->send("wait 2");
    session_->send("move 512 600");
    session_->send("frames 2");
    session_->send("click");
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Playing"; }, 10))
        << session_->errors();

    // The question line, once fully shown, is the set's Greek text.
    auto question = [](const Json& d) {
        for (const Json& item : d["drawables"].items) {
            if (item["kind"].string == "text" && item["x"].number == 50 && item["y"].number == 99) {
                return item["text"].string;
            }
        }
        return std::string();
    };
    ASSERT_TRUE(waitFor(
        [&](const Json& d) {
            const std::string shown = question(d);
            return shown.size() >= greekTail.size() &&
                   shown.compare(shown.size() - greekTail.size(), greekTail.size(), greekTail) == 0;
        },
        60))
        << "the question shown is \"" << question(last_) << "\"";
    EXPECT_EQ(question(last_).substr(0, 11), "Question 1.");
    EXPECT_EQ(last_["players"][0]["name"].string, "Ann");

    // Escape, then Y: the game quits and saves.
    session_->send("key escape\nwait 0.5\nhold shift\nkey y\nrelease shift\nframes 3");
    EXPECT_EQ(session_->finish(), 0) << session_->errors();
    // The play state is kept under the set's Greek name: one of its 30
    // questions used.
    const std::string state = readAll(resources() / ("QState" + greekName + ".bin"));
    ASSERT_EQ(state.size(), 34u);
    EXPECT_EQ(state.substr(0, 4), le32(30));
    int used = 0;
    for (char flag : state.substr(4)) {
        used += flag != 0 ? 1 : 0;
    }
    EXPECT_EQ(used, 1);
    // The configuration still names the Greek set.
    EXPECT_NE(readAll(resources() / "Config.txt").find(storedUtf16(greekName)), std::string::npos);
}

} // namespace
} // namespace qv::test

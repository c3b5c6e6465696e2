// SPDX-License-Identifier: MIT
// The language Showfloor speaks, on the built game through automation mode:
// the session's variables choose it (also for a locale the machine does not
// have), the language kept in the game's INI settings wins at start, the
// pseudo language reaches the host's lines and the settings, English stays
// as it was with no variables, and Config.txt is the same in every language.

#include "common/FileIo.h"
#include "tests/support/E2eFiles.h"
#include "tests/support/MiniJson.h"
#include "tests/support/ShowfloorSession.h"
#include "tests/support/WholeGameTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qv::test {
namespace {

namespace fs = std::filesystem;

// The variables that choose a language, cleared for each test and put back
// after it.
constexpr const char* languageVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

class LanguageRun : public WholeGameTest {
protected:
    LanguageRun() : WholeGameTest("qv-e2e-language", "Trial") {}

    void SetUp() override {
        for (const char* name : languageVariables) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            unsetenv(name);
        }
        WholeGameTest::SetUp();
        writeMarkedQuestionSet(resources(), "Trial", 1, true, ": which answer is marked?");
    }

    void TearDown() override {
        WholeGameTest::TearDown();
        for (const auto& [name, value] : saved_) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }

    // The game's INI settings, where the game keeps the language chosen.
    fs::path iniFile() const { return folder_ / "Quizvale" / "Showfloor.ini"; }

    void click(int x, int y) {
        session_->send("move " + std::to_string(x) + " " + std::to_string(y) + "\nframes 2\nclick");
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Json& d : last_["drawables"].items) {
            if (d["kind"].string == "text") {
                out.push_back(d["text"].string);
            }
        }
        return out;
    }

    // The shown text that starts with `prefix` (fully typed out when it
    // also ends with `suffix`), or empty.
    static std::string textStarting(const Json& dump, const std::string& prefix,
                                    const std::string& suffix = {}) {
        for (const Json& d : dump["drawables"].items) {
            const std::string& text = d["text"].string;
            if (d["kind"].string == "text" && text.rfind(prefix, 0) == 0 &&
                text.size() >= suffix.size() &&
                text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0) {
                return text;
            }
        }
        return {};
    }

    // From the title to Settings, until the sound effects line shows.
    void openSettings(const std::string& effectsPrefix, const std::string& suffix = {}) {
        click(512, 700);
        ASSERT_TRUE(waitFor(
            [&](const Json& d) {
                return d["screen"].string == "Settings" &&
                       !textStarting(d, effectsPrefix, suffix).empty();
            },
            10))
            << session_->dump();
    }

    // From Settings (OK) back to the title, then quits with Shift+Y.
    void closeSettingsAndQuit() {
        click(512, 690);
        ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Title"; }, 10));
        session_->send("key escape\nwait 0.5\nhold shift\nkey y\nrelease shift\nframes 3");
        EXPECT_EQ(session_->finish(), 0);
    }

    std::string configText() {
        std::string text;
        EXPECT_TRUE(readWholeFile(resources() / "Config.txt", text));
        return text;
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(LanguageRun, PseudoLanguageFromTheVariablesReachesTheSettingsAndTheHost) {
    setenv("LC_ALL", "C.UTF-8", 1);
    setenv("LANGUAGE", "qps", 1);
    // The first player typed no name; the second did.
    startAtTitle({"", "Ann"}, "seed 5");
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(last_["language"]["messages"].string, "qps");
    EXPECT_EQ(last_["language"]["chosen"].string, "");
    // Installed beside the built game, so Settings can offer it.
    const auto& installed = last_["language"]["installed"].items;
    ASSERT_FALSE(installed.empty());
    EXPECT_EQ(installed.front().string, "");
    EXPECT_NE(std::find_if(installed.begin(), installed.end(),
                           [](const Json& code) { return code.string == "qps"; }),
              installed.end());

    openSettings("[Šöüñď éfféçţš ", "]");
    ASSERT_FALSE(HasFatalFailure());
    // The set's name is filled in as it is; the words around it are translated.
    EXPECT_NE(textStarting(last_, "[Qüéšţîöñ Šéţ: Trial ~", "]"), "") << session_->dump();
    EXPECT_NE(textStarting(last_, "[Pĥöñéš ÖFF ~", "]"), "") << session_->dump();
    for (const std::string& text : texts()) {
        EXPECT_EQ(text.find("Sound effects"), std::string::npos) << text;
    }

    click(512, 690);
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Title"; }, 10));
    session_->send("wait 1");
    click(512, 600);
    // The host greets the nameless first player in the pseudo language, his
    // kept name said in it too, and the board labels him the same way.
    const std::string shownName = "[Pļåýéŕ 1 ~~~~]";
    ASSERT_TRUE(waitFor(
        [&shownName](const Json& d) {
            for (const Json& t : d["drawables"].items) {
                const std::string& text = t["text"].string;
                if (t["kind"].string == "text" && t["x"].number == 40 && t["y"].number == -112 &&
                    text.size() > shownName.size() + 2 && text.front() == '[' &&
                    text.back() == ']' && text.find(shownName) != std::string::npos) {
                    return true;
                }
            }
            return false;
        },
        30))
        << session_->dump();
    const std::vector<std::string> shown = texts();
    EXPECT_NE(std::find(shown.begin(), shown.end(), shownName), shown.end()) << session_->dump();
}

TEST_F(LanguageRun, LocaleThatIsNotInstalledStillChoosesTheLanguage) {
    // A catalogue of marked texts stands in for the German one, whose
    // translations are not the test's business.
    const fs::path po = folder_ / "marked.po";
    std::ofstream(po) << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
                         "msgid \"Sound effects ON\"\nmsgstr \"(de) Sound effects ON\"\n\n"
                         "msgid \"Sound effects OFF\"\nmsgstr \"(de) Sound effects OFF\"\n";
    const fs::path messages = folder_ / "product" / "locale" / "de" / "LC_MESSAGES";
    fs::create_directories(messages);
    ASSERT_EQ(
        std::system(("msgfmt --check -o " + shellQuoted((messages / "showfloor.mo").string()) +
                     " " + shellQuoted(po.string()))
                        .c_str()),
        0);

    setenv("LANG", "de_DE.UTF-8", 1);
    startAtTitle({"Ann"});
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(last_["language"]["messages"].string, "de_DE:de");
    openSettings("(de) Sound effects O");
    ASSERT_FALSE(HasFatalFailure());
    // Texts the catalogue does not hold stay English.
    EXPECT_NE(textStarting(last_, "Question Set: Trial"), "");
    closeSettingsAndQuit();
}

TEST_F(LanguageRun, KeptLanguageAppliesAtStartAndConfigReadsTheSameInEveryLanguage) {
    // English with no variables: the texts as they always were.
    startAtTitle({"Ann", ""});
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(last_["language"]["messages"].string, "");
    openSettings("Sound effects O");
    ASSERT_FALSE(HasFatalFailure());
    const std::string effects = textStarting(last_, "Sound effects O");
    EXPECT_TRUE(effects == "Sound effects ON" || effects == "Sound effects OFF") << effects;
    EXPECT_NE(textStarting(last_, "Question Set: Trial"), "");
    closeSettingsAndQuit();
    ASSERT_FALSE(HasFatalFailure());
    const std::string english = configText();
    session_.reset();

    // The pseudo language kept in the INI settings, as Settings keeps it.
    fs::create_directories(iniFile().parent_path());
    std::ofstream(iniFile()) << "[Showfloor]\nLanguage=qps\n";
    startAtTitle({"Ann", ""});
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(last_["language"]["chosen"].string, "qps");
    openSettings("[Šöüñď éfféçţš ", "]");
    ASSERT_FALSE(HasFatalFailure());
    closeSettingsAndQuit();
    ASSERT_FALSE(HasFatalFailure());
    // The nameless second player is kept as "Player 2" in every language.
    EXPECT_EQ(configText(), english);
    std::string ini;
    ASSERT_TRUE(readWholeFile(iniFile(), ini));
    EXPECT_NE(ini.find("Language=qps"), std::string::npos) << ini;
    session_.reset();

    // A kept value that is no language code is ignored: the session's
    // language (English here) stays.
    std::ofstream(iniFile()) << "[Showfloor]\nLanguage=../../qps\n";
    startAtTitle({"Ann"});
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(last_["language"]["chosen"].string, "");
    EXPECT_EQ(last_["language"]["messages"].string, "");
    openSettings("Sound effects O");
}

} // namespace
} // namespace qv::test

// SPDX-License-Identifier: MIT
// The set a player starts with before choosing one, on the built Showfloor
// through automation mode: a Spanish or German session is offered the set of
// its language and a set chosen once stays chosen whatever the language
// (the fallback to Default is the quiz tests' business). The sets of the two
// languages here are marked copies, so the checks do not depend on the
// questions shipped in them.

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "common/FileIo.h"
#include "tests/support/E2eFiles.h"
#include "tests/support/MiniJson.h"
#include "tests/support/ShowfloorSession.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

// The locale variables for the game started while it lives; the test's own
// are put back afterwards.
class LocaleVariables {
public:
    explicit LocaleVariables(const std::map<std::string, std::string>& values) {
        for (const char* name : names) {
            const char* old = std::getenv(name);
            if (old != nullptr) {
                saved_[name] = old;
            }
            const auto it = values.find(name);
            if (it == values.end()) {
                unsetenv(name);
            } else {
                setenv(name, it->second.c_str(), 1);
            }
        }
    }
    ~LocaleVariables() {
        for (const char* name : names) {
            const auto it = saved_.find(name);
            if (it == saved_.end()) {
                unsetenv(name);
            } else {
                setenv(name, it->second.c_str(), 1);
            }
        }
    }
    LocaleVariables(const LocaleVariables&) = delete;
    LocaleVariables& operator=(const LocaleVariables&) = delete;

private:
    static constexpr const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::map<std::string, std::string> saved_;
};

bool showsTextEndingWith(const Json& dump, const std::string& tail) {
    for (const Json& d : dump["drawables"].items) {
        const std::string& text = d["text"].string;
        if (d["kind"].string == "text" && text.size() >= tail.size() &&
            text.compare(text.size() - tail.size(), tail.size(), tail) == 0) {
            return true;
        }
    }
    return false;
}

class FirstSetRun : public ::testing::Test {
protected:
    void SetUp() override {
        folder = freshTestFolder("qv-e2e-first-set");
        resources = copyProductWithoutSavedState(QV_PRODUCT_FOLDER, folder);
        writeMarkedQuestionSet(resources, "Cultura general", 1, false, " (es)");
        writeMarkedQuestionSet(resources, "Allgemeinwissen", 1, false, " (de)");
    }
    void TearDown() override {
        if (!HasFailure()) {
            fs::remove_all(folder);
        }
    }

    std::unique_ptr<ShowfloorSession> start(const std::map<std::string, std::string>& locale) {
        const LocaleVariables variables(locale);
        auto game = std::make_unique<ShowfloorSession>(
            folder / "product" / "Showfloor", folder,
            std::vector<std::string>{"-automation", "-windowed", "-constantframetime:0.1"});
        Json last;
        EXPECT_TRUE(
            game->waitFor([](const Json& d) { return d["screen"].string == "Title"; }, 10, last));
        game->send("wait 2");
        return game;
    }

    // Opens the settings and returns the set they name (the end of their
    // set line), then leaves them with OK, which saves the configuration.
    std::string setInSettings(const std::map<std::string, std::string>& locale) {
        auto game = start(locale);
        game->send("move 512 700\nframes 2\nclick\nwait 1.5");
        Json last;
        EXPECT_TRUE(game->waitFor([](const Json& d) { return d["screen"].string == "Settings"; },
                                  10, last));
        std::string shown;
        for (const char* name : {"Cultura general", "Allgemeinwissen", "Default"}) {
            if (showsTextEndingWith(last, name)) {
                shown = name;
            }
        }
        game->send("move 512 690\nframes 2\nclick\nwait 2");
        EXPECT_TRUE(
            game->waitFor([](const Json& d) { return d["screen"].string == "Title"; }, 10, last));
        EXPECT_EQ(game->finish(), 0) << game->errors();
        return shown;
    }

    fs::path folder;
    fs::path resources;
};

TEST_F(FirstSetRun, TheSessionLanguageChoosesTheFirstSetUntilThePlayerHasOne) {
    // Spanish, nothing chosen yet: the Spanish set, saved by OK as it is.
    EXPECT_EQ(setInSettings({{"LANG", "es_ES.UTF-8"}}), "Cultura general");
    std::string config;
    ASSERT_TRUE(readWholeFile(resources / "Config.txt", config));
    EXPECT_EQ(config.substr(2, 4 + 2 * 15), stored("Cultura general"));

    // Now chosen: a German session keeps it and plays its questions.
    {
        auto game = start({{"LANGUAGE", "de:en"}, {"LANG", "de_DE.UTF-8"}});
        game->send("move 512 600\nframes 2\nclick");
        Json last;
        EXPECT_TRUE(game->waitFor(
            [](const Json& d) {
                return d["screen"].string == "Playing" && showsTextEndingWith(d, " (es)");
            },
            60, last))
            << game->errors();
        EXPECT_FALSE(showsTextEndingWith(last, " (de)"));
    }

    // Nothing chosen, German first among the preferences.
    fs::remove(resources / "Config.txt");
    EXPECT_EQ(setInSettings({{"LANGUAGE", "de:en"}, {"LANG", "en_GB.UTF-8"}}), "Allgemeinwissen");
}

} // namespace
} // namespace qv::test

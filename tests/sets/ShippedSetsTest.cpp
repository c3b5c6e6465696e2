// SPDX-License-Identifier: MIT
// The shipped sets are played as they are committed: every question must be
// complete, every rung stocked, and the bytes exactly what the editor writes.

#include "common/Utf16.h"
#include "tests/sets/ShippedSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

using qv::test::loadShippedSet;
using qv::test::ShippedSet;

// What each shipped set must hold. Sets the tree does not carry yet are
// skipped until they arrive; from then on the same checks apply to them.
struct SetRules {
    const char* name;
    int minimumQuestions;
    std::array<int, 16> minimumPerRung; // indexed by rung, 1 to 15
    int minimumPictures;
    bool required;
};

constexpr std::array<int, 16> perRung(int low, int middle, int high) {
    std::array<int, 16> counts{};
    for (int rung = 1; rung <= 15; ++rung) {
        counts[static_cast<std::size_t>(rung)] = rung <= 5 ? low : rung <= 10 ? middle : high;
    }
    return counts;
}

constexpr std::array<SetRules, 5> shippedSets = {{
    {"Default", 600, perRung(50, 40, 30), 0, true},
    {"Pictures", 225, perRung(15, 15, 15), 90, true},
    {"Family", 300, perRung(20, 20, 20), 0, true},
    {"Allgemeinwissen", 300, perRung(20, 20, 20), 0, true},
    {"Cultura general", 300, perRung(20, 20, 20), 0, true},
}};

void PrintTo(const SetRules& rules, std::ostream* out) {
    *out << rules.name;
}

std::string setFilePath(const char* name) {
    return std::string(QV_SETS_SOURCE_DIR) + "/" + name + "/" + name + ".txt";
}

class ShippedSets : public ::testing::TestWithParam<SetRules> {
protected:
    void SetUp() override {
        if (!GetParam().required && !std::filesystem::exists(setFilePath(GetParam().name))) {
            GTEST_SKIP() << GetParam().name << " is not in this tree yet";
        }
        set = loadShippedSet(GetParam().name);
        ASSERT_FALSE(set.bytes.empty()) << GetParam().name << " could not be read";
    }
    ShippedSet set;
};

std::string folded(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

TEST_P(ShippedSets, BytesAreCrLfLinesInTheEightBitCodePage) {
    const std::string& b = set.bytes;
    ASSERT_GE(b.size(), 2u);
    EXPECT_EQ(b.substr(b.size() - 2), "\r\n") << "the last line must end in CR LF too";
    EXPECT_NE(b.substr(0, 3), "\xEF\xBB\xBF") << "no byte-order mark";

    std::size_t lines = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const auto c = static_cast<unsigned char>(b[i]);
        if (c == '\r') {
            ASSERT_TRUE(i + 1 < b.size() && b[i + 1] == '\n') << "bare CR at byte " << i;
            ++lines;
            ++i;
            continue;
        }
        ASSERT_NE(c, '\n') << "bare LF at byte " << i;
        ASSERT_GE(c, 0x20) << "control byte at " << i;
        ASSERT_NE(c, 0x7F) << "control byte at " << i;
        // Lead bytes of UTF-8 sequences (Ã, Â...) followed by continuation
        // bytes would mean the file was saved as UTF-8 by mistake.
        if ((c == 0xC3 || c == 0xC2 || c == 0xE2) && i + 1 < b.size()) {
            const auto next = static_cast<unsigned char>(b[i + 1]);
            ASSERT_FALSE(next >= 0x80 && next <= 0xBF) << "UTF-8 sequence at byte " << i;
        }
        // Bytes the code page leaves undefined have no place in a question.
        ASSERT_TRUE(c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D)
            << "undefined code-page byte at " << i;
    }
    const auto& records = set.contents.records;
    EXPECT_EQ(lines, 1 + 9 * records.size()) << "a count line and nine lines per question";
    EXPECT_FALSE(set.contents.truncated);
    EXPECT_EQ(set.contents.declaredCount, static_cast<int>(records.size()));
    EXPECT_EQ(b, qv::writeSetFile(records)) << "the file must be exactly what the editor writes";
}

TEST_P(ShippedSets, EveryQuestionIsCompleteAndWithinTheEditorLimits) {
    const auto& records = set.contents.records;
    ASSERT_GE(static_cast<int>(records.size()), GetParam().minimumQuestions);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const qv::SetFileRecord& q = records[i];
        SCOPED_TRACE("question " + std::to_string(i + 1) + ": " + q.text);
        EXPECT_FALSE(q.text.empty());
        EXPECT_LE(qv::codePointCount(q.text), 128u);
        EXPECT_GE(q.correctAnswer, 1);
        EXPECT_LE(q.correctAnswer, 4);
        EXPECT_GE(q.value, 1);
        EXPECT_LE(q.value, 15);
        EXPECT_TRUE(q.pictureFlag == 0 || q.pictureFlag == 1);
        std::set<std::string> distinct;
        for (const std::string& answer : q.answers) {
            EXPECT_FALSE(answer.empty());
            EXPECT_LE(qv::codePointCount(answer), 32u);
            EXPECT_EQ(answer.find_first_not_of(' '), 0u) << "leading space in \"" << answer << "\"";
            EXPECT_NE(answer.back(), ' ') << "trailing space in \"" << answer << "\"";
            distinct.insert(folded(answer));
        }
        EXPECT_EQ(distinct.size(), 4u) << "two answers are the same";
    }
}

TEST_P(ShippedSets, EveryRungIsStockedAndNoQuestionRepeats) {
    std::array<int, 16> perValue{};
    std::set<std::string> texts;
    for (const qv::SetFileRecord& q : set.contents.records) {
        if (q.value >= 1 && q.value <= 15) {
            ++perValue[static_cast<std::size_t>(q.value)];
        }
        EXPECT_TRUE(texts.insert(folded(q.text)).second) << "repeated: " << q.text;
    }
    for (int value = 1; value <= 15; ++value) {
        const auto rung = static_cast<std::size_t>(value);
        EXPECT_GE(perValue[rung], GetParam().minimumPerRung[rung]) << "rung " << value;
    }
}

TEST_P(ShippedSets, OnEveryRungTheCorrectLetterIsAsLikelyToBeAnyOfTheFour) {
    // A player who notices that one letter wins more often on a rung could
    // guess; each letter's count on a rung stays within 2 of every other's.
    std::array<std::array<int, 5>, 16> counts{};
    for (const qv::SetFileRecord& q : set.contents.records) {
        if (q.value >= 1 && q.value <= 15 && q.correctAnswer >= 1 && q.correctAnswer <= 4) {
            ++counts[static_cast<std::size_t>(q.value)][static_cast<std::size_t>(q.correctAnswer)];
        }
    }
    for (int value = 1; value <= 15; ++value) {
        const auto& letters = counts[static_cast<std::size_t>(value)];
        const auto [fewest, most] = std::minmax_element(letters.begin() + 1, letters.end());
        EXPECT_LE(*most - *fewest, 2) << "rung " << value << ": A " << letters[1] << ", B "
                                      << letters[2] << ", C " << letters[3] << ", D " << letters[4];
    }
}

TEST_P(ShippedSets, NoQuestionIsFarLikelierToBeDrawnThanTheOthersOfItsRung) {
    // The game draws from a random position forward to the next unused
    // question of the rung, so a rung kept in one block is played in file
    // order. A question is drawn first when the random start falls between it and
    // the previous question of its rung: its chance is that gap over the
    // whole set. Fair is one over the rung's size; allow twice that.
    const auto& records = set.contents.records;
    const int total = static_cast<int>(records.size());
    for (int value = 1; value <= 15; ++value) {
        std::vector<int> positions;
        for (int i = 0; i < total; ++i) {
            if (records[static_cast<std::size_t>(i)].value == value) {
                positions.push_back(i);
            }
        }
        const int count = static_cast<int>(positions.size());
        for (int k = 0; k < count; ++k) {
            const int previous = positions[static_cast<std::size_t>((k + count - 1) % count)];
            const int gap = (positions[static_cast<std::size_t>(k)] - previous + total) % total;
            EXPECT_LE((count == 1 ? total : gap) * count, 2 * total)
                << "rung " << value << ", question " << positions[static_cast<std::size_t>(k)] + 1
                << " follows a gap of " << gap;
        }
    }
}

TEST_P(ShippedSets, EveryPictureFlagHasItsPictureBesideTheBuiltSet) {
    const std::string folder = qv::test::builtSetFolder(set.name);
    int pictures = 0;
    for (std::size_t i = 0; i < set.contents.records.size(); ++i) {
        if (set.contents.records[i].pictureFlag == 0) {
            continue;
        }
        ++pictures;
        const std::filesystem::path file = folder + "/" + qv::pictureFileName(static_cast<int>(i));
        std::error_code error;
        EXPECT_GT(std::filesystem::file_size(file, error), 0u)
            << "question " << i + 1 << " has no picture at " << file;
    }
    EXPECT_GE(pictures, GetParam().minimumPictures);
}

TEST_P(ShippedSets, CorrectAnswersAreSpreadOverAllFourLetters) {
    const auto& records = set.contents.records;
    std::array<int, 5> perLetter{};
    for (const qv::SetFileRecord& q : records) {
        if (q.correctAnswer >= 1 && q.correctAnswer <= 4) {
            ++perLetter[static_cast<std::size_t>(q.correctAnswer)];
        }
    }
    for (int letter = 1; letter <= 4; ++letter) {
        EXPECT_GE(perLetter[static_cast<std::size_t>(letter)] * 100,
                  15 * static_cast<int>(records.size()))
            << "letter " << static_cast<char>('A' + letter - 1);
    }
}

TEST_P(ShippedSets, TheBuildCopiesTheSetUnchanged) {
    std::ifstream in(qv::test::builtSetFolder(set.name) + "/" + set.name + ".txt",
                     std::ios::binary);
    ASSERT_TRUE(in) << "the built Resources tree lacks " << set.name;
    const std::string copied{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(copied, set.bytes);
}

// Test names hold letters, digits and underscores only: "Cultura general"
// runs as Cultura_general.
INSTANTIATE_TEST_SUITE_P(Shipped, ShippedSets, ::testing::ValuesIn(shippedSets),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

TEST(ShippedSetsList, EverySetInTheTreeIsChecked) {
    // A set added to the tree without rules here would ship unchecked.
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(QV_SETS_SOURCE_DIR, error)) {
        if (!entry.is_directory()) {
            continue;
        }
        const std::string name = entry.path().filename().string();
        const bool known = std::any_of(shippedSets.begin(), shippedSets.end(),
                                       [&](const SetRules& rules) { return name == rules.name; });
        EXPECT_TRUE(known) << name << " has no rules in this test";
    }
    EXPECT_FALSE(error) << error.message();
    for (const SetRules& rules : shippedSets) {
        if (rules.required) {
            EXPECT_TRUE(std::filesystem::exists(setFilePath(rules.name))) << rules.name;
        }
    }
}

TEST(DefaultSet, CarriesNoPictures) {
    const ShippedSet set = loadShippedSet("Default");
    for (const qv::SetFileRecord& q : set.contents.records) {
        EXPECT_EQ(q.pictureFlag, 0) << q.text;
    }
}

} // namespace

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>

#include "common/SetFile.h"
#include "game/quiz/QuestionBank.h"

namespace qv {
namespace {

// A bank whose questions have the given value codes, numbered in order.
QuestionBank bankOf(const std::vector<int>& values) {
    std::vector<Question> questions;
    for (std::size_t i = 0; i < values.size(); ++i) {
        Question q;
        q.number = static_cast<int>(i);
        q.value = values[i];
        q.correctAnswer = 1;
        questions.push_back(q);
    }
    QuestionBank bank;
    bank.setQuestions(std::move(questions));
    return bank;
}

TEST(Random, FollowsTheLinearCongruentialSequence) {
    Random random;
    random.seed(1);
    EXPECT_EQ(random.next(), 41);
    EXPECT_EQ(random.next(), 18467);
    EXPECT_EQ(random.next(), 6334);
    random.seed(1);
    // lo + r * (hi - lo) / 32768 with r = 41.
    EXPECT_DOUBLE_EQ(random.between(10.0, 20.0), 10.0 + 41 * 10.0 / 32768);
    for (int i = 0; i < 1000; ++i) {
        int index = random.index(0.0, 6.9999);
        EXPECT_GE(index, 0);
        EXPECT_LE(index, 6);
    }
}

TEST(QuestionBankLoad, KeepsOnlyValidCodesAndShufflesWithTheCorrectText) {
    SetFileRecord good;
    good.text = "Which is red?";
    good.answers = {"Tomato", "Sky", "Grass", "Snow"};
    good.correctAnswer = 1;
    good.value = 15;
    good.pictureFlag = 3;
    SetFileRecord bad = good;
    bad.correctAnswer = 5;
    bad.value = 16;
    bad.pictureFlag = -1;
    SetFileRecord negative = good;
    negative.value = -1;
    negative.text = "";

    Random random;
    random.seed(7);
    QuestionBank bank;
    bank.loadFromSetFile(writeSetFile({good, bad, negative}), random);
    ASSERT_EQ(bank.questionCount(), 3);
    const Question& q0 = bank.questions()[0];
    EXPECT_EQ(q0.number, 0);
    EXPECT_EQ(q0.value, 15);
    EXPECT_TRUE(q0.hasPicture);
    ASSERT_GE(q0.correctAnswer, 1);
    EXPECT_EQ(q0.answers[static_cast<std::size_t>(q0.correctAnswer - 1)], u"Tomato");
    EXPECT_EQ(bank.questions()[1].correctAnswer, 0);
    EXPECT_EQ(bank.questions()[1].value, 0);
    EXPECT_FALSE(bank.questions()[1].hasPicture);
    EXPECT_EQ(bank.questions()[2].value, 0);
    EXPECT_EQ(bank.questions()[2].text, u""); // an empty line is an empty text

    // Over many shuffles the correct answer lands on every letter and always
    // names the same text.
    std::set<int> positions;
    for (int i = 0; i < 200; ++i) {
        bank.shuffleAnswers(random);
        const Question& q = bank.questions()[0];
        EXPECT_EQ(q.answers[static_cast<std::size_t>(q.correctAnswer - 1)], u"Tomato");
        positions.insert(q.correctAnswer);
    }
    EXPECT_EQ(positions.size(), 4u);
}

TEST(QuestionBankLoad, TextsAreBytesOfTheCodePageAndEndAtNul) {
    static const char raw[] =
        "1\r\n\r\nCaf\xE9 \x80\r\nA\0hidden\r\nB\r\nC\r\nD\r\n1\r\n1\r\n0\r\n";
    Random random;
    QuestionBank bank;
    bank.loadFromSetFile(std::string(raw, sizeof raw - 1), random);
    ASSERT_EQ(bank.questionCount(), 1);
    const Question& q = bank.questions()[0];
    EXPECT_EQ(q.text, u"Caf\u00E9 \u20AC");
    EXPECT_EQ(q.answers[static_cast<std::size_t>(q.correctAnswer - 1)], u"A");
}

TEST(QuestionBankLoad, Utf8SetsGiveEveryScriptCutAt255CharactersAndBadBytesInPlace) {
    // A Greek question, a Cyrillic answer, an emoji answer of 300 characters
    // (600 UTF-16 units), and a second question whose text is damaged.
    std::string emoji;
    for (int i = 0; i < 300; ++i) {
        emoji += "\xF0\x9F\x98\x80";
    }
    const std::string data = "\xEF\xBB\xBF"
                             "2\r\n\r\n\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1;\r\n"
                             "\xD0\xAE\xD0\xBB\xD0\xB8\xD1\x8F\r\n" +
                             emoji +
                             "\r\nC\r\nD\r\n1\r\n1\r\n0\r\n"
                             "\r\nX\xFFY\r\nA\r\nB\r\nC\r\nD\r\n1\r\n2\r\n0\r\n";
    Random random;
    QuestionBank bank;
    bank.loadFromSetFile(data, random);
    ASSERT_EQ(bank.questionCount(), 2);
    const Question& greek = bank.questions()[0];
    EXPECT_EQ(greek.text, u"\u0391\u03B8\u03AE\u03BD\u03B1;");
    EXPECT_EQ(greek.answers[static_cast<std::size_t>(greek.correctAnswer - 1)],
              u"\u042E\u043B\u0438\u044F");
    bool cut = false;
    for (const std::u16string& answer : greek.answers) {
        if (answer.size() > 4) {
            EXPECT_EQ(answer.size(), 510u) << "255 characters, each a surrogate pair";
            EXPECT_EQ(answer.substr(508), u"\U0001F600");
            cut = true;
        }
    }
    EXPECT_TRUE(cut);
    EXPECT_EQ(bank.questions()[1].text, u"X\uFFFDY");
    EXPECT_EQ(bank.questions()[1].value, 2);
}

TEST(QuestionDraw, ARungGivesEachQuestionOnceBeforeRecycling) {
    // Rung index 2 holds three questions; rungs 3 to 9 hold none.
    QuestionBank bank = bankOf({1, 3, 3, 2, 3, 11});
    Random random;
    random.seed(42);
    std::set<int> seen;
    for (int i = 0; i < 3; ++i) {
        const Question* q = bank.drawQuestion(2, random);
        ASSERT_NE(q, nullptr);
        EXPECT_EQ(q->value, 3);
        seen.insert(q->number);
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2, 4}));
    // The fourth draw recycles the rung and still gives one of the three.
    const Question* fourth = bank.drawQuestion(2, random);
    ASSERT_NE(fourth, nullptr);
    EXPECT_EQ(fourth->value, 3);
    EXPECT_FALSE(bank.questions()[0].used);
}

TEST(QuestionDraw, LowerRungsBorrowUpwardsInOrder) {
    // Rung index 5 is spent; 6 is empty; 7 and 8 have one question each.
    QuestionBank bank = bankOf({6, 8, 9, 10});
    Random random;
    random.seed(3);
    ASSERT_EQ(bank.drawQuestion(5, random)->value, 6);
    EXPECT_EQ(bank.drawQuestion(5, random)->value, 8);
    EXPECT_EQ(bank.drawQuestion(5, random)->value, 9);
    EXPECT_EQ(bank.drawQuestion(5, random)->value, 10);
    // Everything it may borrow is spent: the rung itself is recycled.
    const Question* recycled = bank.drawQuestion(5, random);
    ASSERT_NE(recycled, nullptr);
    EXPECT_EQ(recycled->value, 6);
    EXPECT_TRUE(bank.questions()[1].used); // borrowed ones stay used
}

TEST(QuestionDraw, TopRungsBorrowFromJustBelowAndMiddleRungsFromNowhere) {
    QuestionBank bank = bankOf({15, 14, 14, 11, 12});
    Random random;
    random.seed(9);
    EXPECT_EQ(bank.drawQuestion(14, random)->value, 15);
    EXPECT_EQ(bank.drawQuestion(14, random)->value, 14);
    EXPECT_EQ(bank.drawQuestion(14, random)->value, 14);
    EXPECT_EQ(bank.drawQuestion(14, random)->value, 15); // recycled
    // Rung index 10 never borrows from 11 even when 10 is spent.
    EXPECT_EQ(bank.drawQuestion(10, random)->value, 11);
    EXPECT_EQ(bank.drawQuestion(10, random)->value, 11);
    EXPECT_FALSE(bank.questions()[4].used);
}

TEST(QuestionDraw, AlwaysEndsAndReportsAnEmptyDraw) {
    Random random;
    QuestionBank empty;
    EXPECT_EQ(empty.drawQuestion(0, random), nullptr);
    // No question of value 10 and nothing to borrow for rung index 9.
    QuestionBank gap = bankOf({1, 2, 11, 0, 0});
    EXPECT_EQ(gap.drawQuestion(9, random), nullptr);
    EXPECT_EQ(gap.drawQuestion(-1, random), nullptr);
    EXPECT_EQ(gap.drawQuestion(15, random), nullptr);
    // An empty rung of the lower nine borrows after the whole bank is recycled.
    QuestionBank lender = bankOf({2});
    ASSERT_NE(lender.drawQuestion(0, random), nullptr);
    ASSERT_NE(lender.drawQuestion(0, random), nullptr);
    // Questions with value 0 are never drawn.
    QuestionBank unvalued = bankOf({0, 0, 0});
    EXPECT_EQ(unvalued.drawQuestion(0, random), nullptr);
}

// The draw probes record after record from a random cursor; the bank's
// indexed draw must stop at the same record and leave the cursor there.
TEST(QuestionDraw, IndexedDrawMatchesAProbeOfEveryRecord) {
    Random shape;
    shape.seed(2024);
    for (int trial = 0; trial < 40; ++trial) {
        const int count = 1 + shape.index(0, 60);
        std::vector<Question> questions(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            questions[static_cast<std::size_t>(i)].number = i;
            questions[static_cast<std::size_t>(i)].value = shape.index(0, 17) - 1; // some invalid
            questions[static_cast<std::size_t>(i)].used = shape.index(0, 3) == 0;
        }
        QuestionBank bank;
        bank.setQuestions(questions);
        Random a;
        Random b;
        a.seed(static_cast<std::uint32_t>(trial));
        b.seed(static_cast<std::uint32_t>(trial));
        for (int draw = 0; draw < 80; ++draw) {
            const int rung = shape.index(0, 15);
            // The reference: probe count + 3 records from the cursor.
            int cursor = b.index(0.0, count - 0.0001);
            int expected = -1;
            for (int probe = 0; probe < count + 3; ++probe) {
                Question& q = questions[static_cast<std::size_t>(cursor)];
                if (!q.used && q.value - 1 == rung) {
                    q.used = true;
                    expected = cursor;
                    break;
                }
                cursor = (cursor + 1) % count;
            }
            const Question* got = bank.drawFromRung(rung, a);
            ASSERT_EQ(got ? got->number : -1, expected) << "trial " << trial << " draw " << draw;
            ASSERT_EQ(bank.drawCursor(), cursor);
            if (draw % 20 == 19) {
                bank.resetRung(rung);
                for (Question& q : questions) {
                    q.used = q.value - 1 == rung ? false : q.used;
                }
            }
        }
    }
}

TEST(PlayState, RoundTripsAndAppliesByPosition) {
    QuestionBank bank = bankOf({1, 1, 2, 2});
    Random random;
    bank.drawFromRung(0, random);
    std::string saved = bank.playState();
    ASSERT_EQ(saved.size(), 8u);
    EXPECT_EQ(saved.substr(0, 4), std::string("\x04\0\0\0", 4));

    QuestionBank other = bankOf({1, 1, 2, 2});
    ASSERT_TRUE(other.applyPlayState(saved));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(other.questions()[static_cast<std::size_t>(i)].used,
                  bank.questions()[static_cast<std::size_t>(i)].used);
    }

    // Written for more questions than the bank holds: the rest is ignored.
    QuestionBank small = bankOf({1, 1});
    EXPECT_TRUE(small.applyPlayState(std::string("\x05\0\0\0\x01\x01\x01\x01\x01", 9)));
    EXPECT_TRUE(small.questions()[0].used && small.questions()[1].used);
    // Claims two billion but holds two bytes: only those apply.
    QuestionBank big = bankOf({1, 1, 1, 1});
    EXPECT_TRUE(big.applyPlayState(std::string("\x00\x94\x35\x77\x01\x01", 6)));
    EXPECT_TRUE(big.questions()[1].used);
    EXPECT_FALSE(big.questions()[2].used);
    // Zero and negative counts leave every question unused.
    QuestionBank zero = bankOf({1, 1});
    EXPECT_TRUE(zero.applyPlayState(std::string("\x00\x00\x00\x00\x01\x01", 6)));
    EXPECT_TRUE(zero.applyPlayState(std::string("\xFF\xFF\xFF\xFF\x01\x01", 6)));
    EXPECT_FALSE(zero.questions()[0].used);
    EXPECT_FALSE(zero.applyPlayState("\x01\x00"));
}

} // namespace
} // namespace qv

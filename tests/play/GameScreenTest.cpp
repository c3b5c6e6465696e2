// SPDX-License-Identifier: MIT
#include "PlayFixture.h"

#include "game/play/GameScreen.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace qv::test {
namespace {

TEST(QuestionLine, BreaksOnceAtTheFirstSpaceFromPosition45) {
    const std::u16string exactly45(45, u'x');
    EXPECT_EQ(GameScreen::breakQuestionLine(exactly45), exactly45);
    std::u16string sixty = std::u16string(40, u'a') + u" bbbbbbbbb cccc" + u" dddd";
    sixty.resize(60, u'e');
    ASSERT_EQ(sixty.find(u' ', 45), 50u);
    const std::u16string broken = GameScreen::breakQuestionLine(sixty);
    EXPECT_EQ(broken[40], u' ');
    EXPECT_EQ(broken[50], u'\n');
    EXPECT_EQ(broken.find(u'\n', 51), std::u16string::npos);
    const std::u16string spaceAt45 = std::u16string(45, u'a') + u" end of it";
    EXPECT_EQ(GameScreen::breakQuestionLine(spaceAt45)[45], u'\n');
    const std::u16string noSpace(80, u'z');
    EXPECT_EQ(GameScreen::breakQuestionLine(noSpace), noSpace);
}

TEST(PlayerLabel, DefaultNamesAreNumberedByTheirSlot) {
    EXPECT_EQ(GameScreen::playerLabel(u"Player 3", 2, 3), u"Player 3");
    EXPECT_EQ(GameScreen::playerLabel(u"Ann", 0, 1), u"Ann");
    EXPECT_EQ(GameScreen::playerLabel(u"Ann", 0, 2), u"P1: Ann");
    // The second player named as the fifth's default keeps the slot's number.
    EXPECT_EQ(GameScreen::playerLabel(u"Player 5", 1, 2), u"Player 2");
    EXPECT_EQ(GameScreen::playerLabel(u"Player 10", 1, 2), u"P2: Player 10");
    EXPECT_EQ(GameScreen::playerLabel(u"player 4", 3, 1), u"player 4");
}

using GameScreenRound = PlayFixture;

std::vector<const Drawable*> drawList(const SpriteLayer& layer) {
    std::vector<const Drawable*> list;
    layer.forEach([&list](const Drawable& d) { list.push_back(&d); });
    return list;
}

TEST_F(GameScreenRound, ResumingPutsTheScreenBackInItsOrder) {
    startGame({u"Ann"});
    GameScreen& s = *round_->screen();
    const auto list = drawList(*layer_);
    // Newest first: the ladder's 100 rung was added last, the pointer first.
    ASSERT_GE(list.size(), 30u);
    EXPECT_EQ(list.front(), &s.rung(1));
    EXPECT_EQ(list[14], &s.rung(15));
    EXPECT_EQ(list[15], &s.correctMarker);
    EXPECT_EQ(list.back(), pointer_.get());
    EXPECT_EQ(list[list.size() - 2], &s.background);
    EXPECT_EQ(list[list.size() - 3], &s.backFrame);
    EXPECT_EQ(list[list.size() - 4], &s.playerLabelText);
    EXPECT_FALSE(layer_->contains(s.winImage));
    EXPECT_FALSE(layer_->contains(s.wheelBack));
    EXPECT_TRUE(layer_->contains(*s.takeButton.hilightImage()));
    EXPECT_TRUE(pointer_->enabled);
    EXPECT_TRUE(s.background.enabled);
    EXPECT_TRUE(layer_->skipNextElapsed);
}

TEST_F(GameScreenRound, RevealedAndTurningPartsAreSeen) {
    startGame({u"Ann"});
    GameScreen& s = *round_->screen();
    // Smaller depths are nearer: the pointer turns in front of its disc.
    EXPECT_LT(s.wheelPointer.position.z, s.wheelBack.position.z);
    answer(true);
    ASSERT_TRUE(runUntil(RoundState::RevealCorrect));
    const int correct = correctOf(current());
    const Vec3 at = s.answerButtons[static_cast<std::size_t>(correct - 1)].position;
    EXPECT_FLOAT_EQ(s.correctMarker.position.x, at.x);
    EXPECT_FLOAT_EQ(s.correctMarker.position.y, at.y);
    // Between the button's pressed image and the answer text.
    EXPECT_GT(s.correctMarker.position.z, s.answerTexts[0].position.z);
    EXPECT_LT(s.correctMarker.position.z, at.z - 0.02f);
    EXPECT_TRUE(s.correctMarker.enabled);
}

TEST_F(GameScreenRound, LongTextsStayOnTheirPlatesAndPanels) {
    fonts_ = std::make_unique<FontSet>(renderer_);
    const std::array<std::u16string, 4> answers{u"Antidisestablishmentarianism now",
                                                u"MMMMMMMMMMWWWWWWWWWWMMMMMMMMMMWW",
                                                u"The quick brown fox jumps over a", u"Paris"};
    auto questions = makeQuestions(1);
    for (auto& q : questions) {
        q.text = std::u16string(255, u'x');
        std::copy(answers.begin(), answers.end(), q.answers.begin());
    }
    quiz_->bank.setQuestions(questions);
    const std::u16string name = u"Bartholomew Fitzwilliam-Smythe";
    startGame({name});
    ASSERT_TRUE(runUntil(RoundState::AwaitAnswer));
    GameScreen& s = *round_->screen();

    // Plates are 370 wide on their centres, drawn 4 in, rounded over 22.
    for (std::size_t i = 0; i < 4; ++i) {
        TextDrawable& text = s.answerTexts[i];
        const float right = TextDrawable::screenLeft(text.position) + text.layout().width;
        EXPECT_LE(right, s.answerButtons[i].position.x + 185.0f - 4.0f - 11.0f) << i;
        EXPECT_EQ(text.text(), answers[i]);
    }
    EXPECT_EQ(s.answerTexts[3].layout().squeeze, 1.0f);
    EXPECT_EQ(s.answerTexts[3].layout().font, fonts_->font(0));

    // Panels end at 774 (question, 92 high), 584 (name) and 772 (host).
    const auto& question = s.questionText.layout();
    EXPECT_LE(TextDrawable::screenLeft(s.questionText.position) + question.width, 774.0f - 20.0f);
    EXPECT_LE(question.lines * question.font->cellHeight(), 92 - 20);
    ASSERT_GT(TextDrawable::inkWidth(*fonts_->font(1), name), 584 - 100);
    EXPECT_LE(TextDrawable::screenLeft(s.playerLabelText.position) +
                  s.playerLabelText.layout().width,
              584.0f - 13.0f);
    s.hostText.setText(u"Hi " + name + u", sit down and relax, let's go for a million!");
    EXPECT_LE(TextDrawable::screenLeft(s.hostText.position) + s.hostText.layout().width,
              772.0f - 12.0f);
}

} // namespace
} // namespace qv::test

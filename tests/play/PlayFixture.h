// SPDX-License-Identifier: MIT
#pragma once
// A game of one or more players driven frame by frame without a window: the
// software renderer on a surface, the sprite layer on it, a seeded generator,
// a sound device that records what was played, and a bank of questions whose
// correct answers the tests know. Turns pass as the game's own dispatcher
// passes them.

#include "game/engine/FontSet.h"
#include "game/engine/SoundSet.h"
#include "game/engine/SpriteLayer.h"
#include "game/play/Player.h"
#include "game/play/QuestionRound.h"
#include "game/quiz/QuizState.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace qv::test {

// Records which slot of the sound set played, in order. Slots load in their
// order, so the n-th sound loaded is slot n.
class RecordingSounds : public SoundOutput {
public:
    std::unique_ptr<SoundClip> loadClip(const std::string&, int) override {
        return std::make_unique<Clip>(*this, loaded++);
    }
    int count(SoundSet::Slot slot) const {
        int n = 0;
        for (int played : plays) {
            n += played == static_cast<int>(slot) ? 1 : 0;
        }
        return n;
    }
    std::vector<int> plays;
    int loaded = 0;

private:
    class Clip : public SoundClip {
    public:
        Clip(RecordingSounds& owner, int slot) : owner_(owner), slot_(slot) {}
        void playOnce() override { owner_.plays.push_back(slot_); }

    private:
        RecordingSounds& owner_;
        int slot_;
    };
};

class PlayFixture : public ::testing::Test {
protected:
    static constexpr float frameSeconds = 1.0f / 30.0f;

    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("qv-play-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder_);
        surface_ = SDL_CreateRGBSurfaceWithFormat(0, 1024, 768, 32, SDL_PIXELFORMAT_ARGB8888);
        ASSERT_NE(surface_, nullptr) << SDL_GetError();
        renderer_ = SDL_CreateSoftwareRenderer(surface_);
        ASSERT_NE(renderer_, nullptr) << SDL_GetError();
        layer_ = std::make_unique<SpriteLayer>(renderer_);
        quiz_ = std::make_unique<QuizState>(folder_);
        quiz_->random.seed(1234);
        quiz_->bank.setQuestions(makeQuestions(3));
        sounds_ = std::make_unique<SoundSet>(quiz_->soundEffectsOn);
        sounds_->load(&recorder_);
        pointer_ = std::make_unique<Sprite>();
    }

    void TearDown() override {
        round_.reset();
        players_.clear();
        fonts_.reset();
        pointer_.reset();
        layer_.reset();
        if (renderer_ != nullptr) {
            SDL_DestroyRenderer(renderer_);
        }
        if (surface_ != nullptr) {
            SDL_FreeSurface(surface_);
        }
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // `perRung` questions on every rung; question text "Q<rung>.<i>", the
    // correct answer is the one whose text starts with '*'.
    static std::vector<Question> makeQuestions(int perRung) {
        std::vector<Question> questions;
        for (int rung = 0; rung < 15; ++rung) {
            for (int i = 0; i < perRung; ++i) {
                Question q;
                q.number = static_cast<int>(questions.size());
                const std::string id = std::to_string(rung) + "." + std::to_string(i);
                q.text = u16("Q" + id);
                const int correct = 1 + (rung + i) % 4;
                for (int a = 0; a < 4; ++a) {
                    q.answers[static_cast<std::size_t>(a)] =
                        u16(std::string(a + 1 == correct ? "*" : "")
                                .append(1, char('A' + a))
                                .append(id));
                }
                q.correctAnswer = correct;
                q.value = rung + 1;
                questions.push_back(q);
            }
        }
        return questions;
    }

    static std::u16string u16(const std::string& s) { return {s.begin(), s.end()}; }

    // Starts a game of `names.size()` players as the dispatcher does.
    void startGame(const std::vector<std::u16string>& names) {
        quiz_->playerCount = static_cast<int>(names.size());
        players_.clear();
        for (std::size_t i = 0; i < names.size(); ++i) {
            quiz_->playerNames[i] = names[i];
            players_.push_back(std::make_unique<Player>());
            players_.back()->playerIndex = static_cast<int>(i);
        }
        if (!round_) {
            PlayServices services{*quiz_, *sounds_, *layer_, fonts_.get(), nullptr, {}, {}};
            services.pointer = pointer_.get();
            services.quitConfirm = [this] { return quitConfirm_; };
            services.nextPlayer = [this] { nextPlayer(); };
            round_ = std::make_unique<QuestionRound>(std::move(services));
        }
        for (auto& p : players_) {
            round_->buildGameScreen(*p);
        }
        current_ = 0;
        gameOver_ = false;
        round_->resumePlayer(*players_[0]);
    }

    void nextPlayer() {
        const int count = static_cast<int>(players_.size());
        for (int step = 1; step <= count; ++step) {
            const int index = (current_ + step) % count;
            if (!players_[static_cast<std::size_t>(index)]->finished) {
                current_ = index;
                round_->resumePlayer(*players_[static_cast<std::size_t>(index)]);
                return;
            }
        }
        gameOver_ = true;
        layer_->removeAll();
    }

    // One frame as the dispatcher runs it: the layer steps and draws, then
    // the current player's round.
    void frame(float seconds = frameSeconds) {
        layer_->drawAll(seconds, std::nullopt, false);
        if (!gameOver_) {
            round_->frameRound(current(), seconds);
        }
    }

    // Frames until the current player is in `state` (or the game is over);
    // false when that takes longer than `limit` seconds.
    bool runUntil(RoundState state, float limit = 60.0f) {
        for (float t = 0.0f; t < limit; t += frameSeconds) {
            if (gameOver_ || current().roundState == state) {
                return !gameOver_;
            }
            frame();
        }
        return false;
    }

    // Chooses an answer (1 to 4) the way a click does: the button's latch.
    void choose(int answer) {
        round_->screen()->answerButtons[static_cast<std::size_t>(answer - 1)].clicked = true;
        frame();
    }

    int correctOf(const Player& p) const { return p.question->correctAnswer; }

    // Plays the current player's question to the end with the right or a
    // wrong answer.
    void answer(bool right) {
        ASSERT_TRUE(runUntil(RoundState::AwaitAnswer));
        const int correct = correctOf(current());
        choose(right ? correct : correct % 4 + 1);
    }

    std::u16string hostLine() const { return round_->screen()->hostText.text(); }

    Player& current() { return *players_[static_cast<std::size_t>(current_)]; }
    Player& player(int i) { return *players_[static_cast<std::size_t>(i)]; }

    std::filesystem::path folder_;
    SDL_Surface* surface_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    std::unique_ptr<SpriteLayer> layer_;
    std::unique_ptr<QuizState> quiz_;
    RecordingSounds recorder_;
    std::unique_ptr<SoundSet> sounds_;
    std::unique_ptr<Sprite> pointer_;
    // Null unless a test makes it: a text without a font never ages, so its
    // envelope (and with it the host's line on screen) stands still.
    std::unique_ptr<FontSet> fonts_;
    std::unique_ptr<QuestionRound> round_;
    std::vector<std::unique_ptr<Player>> players_;
    int current_ = 0;
    bool gameOver_ = false;
    bool quitConfirm_ = false;
};

} // namespace qv::test

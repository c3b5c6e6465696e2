// SPDX-License-Identifier: MIT
// Saves the configuration and the play state over and over, alternating
// between two recognisable contents, until it is killed.
//   qv_save_loop <resources folder>
#include <cstdio>

#include "game/quiz/QuizState.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: qv_save_loop <resources folder>\n");
        return 2;
    }
    qv::QuizState quiz{std::filesystem::path(argv[1])};
    std::vector<qv::Question> many(200000);
    for (unsigned round = 0;; ++round) {
        const bool odd = round % 2 == 1;
        // Odd rounds: nine players with long names, every question used.
        quiz.setPlayerCount(odd ? 9 : 1);
        for (int i = 0; i < quiz.playerCount; ++i) {
            quiz.setPlayerName(i, std::u16string(odd ? 4000 : 3, odd ? u'b' : u'a'));
        }
        for (auto& q : many) {
            q.used = odd;
        }
        quiz.bank.setQuestions(many);
        if (!quiz.saveConfig() || !quiz.savePlayState()) {
            std::fprintf(stderr, "save failed\n");
            return 1;
        }
        std::printf("%u\n", round);
        std::fflush(stdout);
    }
}

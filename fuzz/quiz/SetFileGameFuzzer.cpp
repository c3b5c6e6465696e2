// SPDX-License-Identifier: MIT
// The game's reading of a set file, then draws on every rung of what it read.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "game/quiz/QuestionBank.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qv::Random random;
    random.seed(static_cast<std::uint32_t>(size));
    qv::QuestionBank bank;
    bank.loadFromSetFile(std::string_view(reinterpret_cast<const char*>(data), size), random);
    for (const qv::Question& q : bank.questions()) {
        if (q.text.size() > qv::questionTextLimit || q.correctAnswer < 0 || q.correctAnswer > 4 ||
            q.value < 0 || q.value > qv::rungCount) {
            __builtin_trap();
        }
    }
    for (int round = 0; round < 3; ++round) {
        for (int rung = 0; rung < qv::rungCount; ++rung) {
            const qv::Question* q = bank.drawQuestion(rung, random);
            if (q && (q->value < 1 || q->value > qv::rungCount)) {
                __builtin_trap();
            }
        }
    }
    return 0;
}

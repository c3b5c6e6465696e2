// SPDX-License-Identifier: MIT
// The game's reading of a set file (Windows-1252, or UTF-8 after its mark),
// then draws on every rung of what it read.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "game/quiz/QuestionBank.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qv::Random random;
    random.seed(static_cast<std::uint32_t>(size));
    qv::QuestionBank bank;
    bank.loadFromSetFile(std::string_view(reinterpret_cast<const char*>(data), size), random);
    // The limit counts characters: a surrogate pair is one.
    auto characters = [](const std::u16string& text) {
        std::size_t count = 0;
        for (char16_t unit : text) {
            count += (unit >= 0xDC00 && unit <= 0xDFFF) ? 0 : 1;
        }
        return count;
    };
    for (const qv::Question& q : bank.questions()) {
        bool tooLong = characters(q.text) > qv::questionTextLimit;
        for (const std::u16string& answer : q.answers) {
            tooLong = tooLong || characters(answer) > qv::questionTextLimit;
        }
        if (tooLong || q.correctAnswer < 0 || q.correctAnswer > 4 || q.value < 0 ||
            q.value > qv::rungCount) {
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

// SPDX-License-Identifier: MIT
// The play-state reader over banks of several sizes.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "game/quiz/QuestionBank.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (int count : {0, 1, 7, 300}) {
        std::vector<qv::Question> questions(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            questions[static_cast<std::size_t>(i)].value = 1 + i % 15;
        }
        qv::QuestionBank bank;
        bank.setQuestions(std::move(questions));
        bank.applyPlayState(bytes);
        if (bank.playState().size() != 4u + static_cast<std::size_t>(count)) {
            __builtin_trap();
        }
    }
    return 0;
}

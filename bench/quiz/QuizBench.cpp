// SPDX-License-Identifier: MIT
// Loading a large question set and drawing from it.
//   quiz_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

#include "common/SetFile.h"
#include "game/quiz/QuestionBank.h"

namespace {

// A set of `count` questions of realistic length spread over every rung.
std::string makeSetFile(int count) {
    std::vector<qv::SetFileRecord> records;
    records.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        qv::SetFileRecord r;
        r.text = "Which of these rivers flows through the city that hosted event number " +
                 std::to_string(i) + "?";
        r.answers = {"The long river " + std::to_string(i), "Another river", "A third stream",
                     "None of these"};
        r.correctAnswer = 1 + i % 4;
        r.value = 1 + i % 15;
        r.pictureFlag = i % 10 == 0;
        records.push_back(std::move(r));
    }
    return qv::writeSetFile(records);
}

const std::string& tenThousand() {
    static const std::string file = makeSetFile(10000);
    return file;
}

void loadTenThousand(benchmark::State& state) {
    const std::string& file = tenThousand();
    qv::Random random;
    for (auto _ : state) {
        qv::QuestionBank bank;
        bank.loadFromSetFile(file, random);
        benchmark::DoNotOptimize(bank.questionCount());
    }
    // The heap the loaded bank holds, measured once outside the timing.
    struct mallinfo2 before = mallinfo2();
    auto bank = std::make_unique<qv::QuestionBank>();
    bank->loadFromSetFile(file, random);
    struct mallinfo2 after = mallinfo2();
    state.counters["bank_MB"] = static_cast<double>(after.uordblks - before.uordblks) / 1e6;
    state.counters["file_MB"] = static_cast<double>(file.size()) / 1e6;
}
BENCHMARK(loadTenThousand)->Unit(benchmark::kMillisecond);

void draw100k(benchmark::State& state) {
    qv::Random random;
    random.seed(12345);
    qv::QuestionBank bank;
    bank.loadFromSetFile(tenThousand(), random);
    for (auto _ : state) {
        for (int i = 0; i < 100000; ++i) {
            benchmark::DoNotOptimize(bank.drawQuestion(i % 15, random));
        }
    }
    // Seconds per draw, shown with its SI prefix ("114n" is 114 ns).
    state.counters["s_per_draw"] = benchmark::Counter(
        100000.0 * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(draw100k)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// SPDX-License-Identifier: MIT
// Importing a spreadsheet of 10,000 questions, as a quiz night's organiser
// brings it: quoted commas, accents, every column filled, no pictures; and
// the same number of rows as an .xlsx workbook written by openpyxl.

#include "editor/interchange/Format.h"
#include "editor/interchange/SetImport.h"
#include "editor/interchange/TextInput.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using namespace qv::interchange;

constexpr int rowCount = 10000;

std::string tenThousandRows() {
    std::string csv = "\xEF\xBB\xBFquestion,a,b,c,d,correct,rung\r\n";
    for (int i = 0; i < rowCount; ++i) {
        const std::string n = std::to_string(i);
        csv += "\"Question " + n + ": which of these, in caf\xC3\xA9 terms, is the " + n +
               "th \xE2\x80\x9Cright\xE2\x80\x9D one?\",Answer A " + n + ",Answer B " + n +
               ",\"Answer, C " + n + "\",Answer D " + n + "," + "ABCD"[i % 4] + "," +
               std::to_string(i % 15 + 1) + "\r\n";
    }
    return csv;
}

struct Sample {
    Sample() {
        folder = fs::temp_directory_path() / ("qv-interchange-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        csv = folder / "ten-thousand.csv";
        std::ofstream(csv, std::ios::binary) << tenThousandRows();
        const std::string command = "/usr/bin/python3 '" QV_SOURCE_DIR
                                    "/tests/interchange/workbooks/make_workbooks.py' '" +
                                    folder.string() + "' rows " + std::to_string(rowCount);
        if (std::system(command.c_str()) == 0) {
            xlsx = folder / "bench.xlsx";
        }
    }
    ~Sample() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
    fs::path csv;
    // Empty when python3-openpyxl is missing.
    fs::path xlsx;
};

Sample& sample() {
    static Sample instance;
    return instance;
}

// Reading, decoding and checking every row: what the preview costs.
void readAndPlan(benchmark::State& state) {
    for (auto _ : state) {
        SourceRecords records;
        std::string error;
        readImportFile(sample().csv, std::nullopt, records, error);
        const ImportPlan plan = previewImport(records, {}, sample().folder, {});
        if (plan.questions.size() != rowCount) {
            state.SkipWithError("rows were skipped");
        }
        benchmark::DoNotOptimize(plan.questions.data());
    }
}
BENCHMARK(readAndPlan)->Unit(benchmark::kMillisecond);

// The whole import: a new set, its file written and flushed, the folder
// renamed into place.
void importIntoNewSet(benchmark::State& state) {
    const fs::path sets = sample().folder / "QuestionSets";
    int n = 0;
    for (auto _ : state) {
        ImportRequest request;
        request.file = sample().csv;
        request.setName = "Bench" + std::to_string(n++);
        const ImportResult result = importIntoSet(sets, request);
        if (!result.written || result.plan.questions.size() != rowCount) {
            state.SkipWithError("the import failed");
        }
        state.PauseTiming();
        std::error_code ignored;
        fs::remove_all(sets / request.setName, ignored);
        state.ResumeTiming();
    }
}
BENCHMARK(importIntoNewSet)->Unit(benchmark::kMillisecond);

// The whole import of a 10,000-row workbook: unzipping, the table of texts,
// the sheet, the plan and the set written.
void importWorkbookIntoNewSet(benchmark::State& state) {
    if (sample().xlsx.empty()) {
        state.SkipWithError("python3-openpyxl is needed to write the workbook");
        return;
    }
    const fs::path sets = sample().folder / "WorkbookSets";
    int n = 0;
    for (auto _ : state) {
        ImportRequest request;
        request.file = sample().xlsx;
        request.setName = "Book" + std::to_string(n++);
        const ImportResult result = importIntoSet(sets, request);
        if (!result.written || result.plan.questions.size() != rowCount) {
            state.SkipWithError("the import failed");
        }
        state.PauseTiming();
        std::error_code ignored;
        fs::remove_all(sets / request.setName, ignored);
        state.ResumeTiming();
    }
}
BENCHMARK(importWorkbookIntoNewSet)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

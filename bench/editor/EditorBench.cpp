// SPDX-License-Identifier: MIT
// Opening and saving a large question set through the editor, without and
// with pictures.

#include "common/SetFile.h"
#include "editor/model/Editor.h"
#include "editor/model/FilePictureHook.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

constexpr int questionCount = 2000;

class QuietUser : public qv::EditorUser {
public:
    qv::MessageAnswer showMessage(const qv::Message&) override { return qv::MessageAnswer::Ok; }
    std::optional<std::string>
    askNewSetName(const std::function<bool(const std::string&)>&) override {
        return std::nullopt;
    }
};

class QuietView : public qv::EditorView {
public:
    void showFields(const qv::QuestionFields& fields) override {
        benchmark::DoNotOptimize(fields.text.data());
    }
    void setQuestionLabel(const std::string&) override {}
    void setDeleteEnabled(bool) override {}
};

class NoPictures : public qv::PictureHook {
public:
    bool importPicture(const std::filesystem::path&, const std::filesystem::path&) override {
        return false;
    }
    bool showPicture(const std::filesystem::path&) override { return true; }
    void clearPicture() override {}
};

class NoProfile : public qv::Profile {
public:
    std::string read(const std::string&, const std::string&) override { return {}; }
    bool write(const std::string&, const std::string&, const std::string&) override { return true; }
};

constexpr int pictureCount = 300;

// A sets folder holding "Large": 2,000 questions with texts at their longest,
// the first `pictures` of every seventh question with a picture of 40 KB.
struct LargeSet {
    explicit LargeSet(int pictures = 0) {
        root = std::filesystem::temp_directory_path() /
               ("qv-editor-bench-" + std::to_string(::getpid()));
        sets = root / "Resources" / "QuestionSets";
        std::filesystem::create_directories(sets / "Large");
        std::vector<qv::SetFileRecord> records(questionCount);
        for (int i = 0; i < questionCount; ++i) {
            qv::SetFileRecord& r = records[static_cast<std::size_t>(i)];
            r.text = std::string(120, 'q') + std::to_string(i);
            for (std::string& answer : r.answers) {
                answer = std::string(28, 'a') + std::to_string(i % 1000);
            }
            r.correctAnswer = 1 + i % 4;
            r.value = 1 + i % 15;
            if (i % 7 == 0 && i / 7 < pictures) {
                r.pictureFlag = 1;
                std::ofstream(sets / "Large" / qv::pictureFileName(i), std::ios::binary)
                    << std::string(40000, static_cast<char>(i));
            }
        }
        std::ofstream(sets / "Large" / "Large.txt", std::ios::binary) << qv::writeSetFile(records);
    }
    ~LargeSet() {
        std::error_code error;
        std::filesystem::remove_all(root, error);
    }
    std::filesystem::path root;
    std::filesystem::path sets;
};

struct Services {
    QuietUser user;
    QuietView view;
    NoPictures pictures;
    NoProfile profile;
    qv::EditorServices all{user, view, pictures, profile};
};

void openLargeSet(benchmark::State& state) {
    LargeSet set;
    Services services;
    for (auto _ : state) {
        qv::Editor editor(services.all, set.sets);
        editor.setSetName("Large");
        if (!editor.loadSet() || editor.questionCount() != questionCount) {
            state.SkipWithError("the set did not load");
            break;
        }
        editor.showQuestion();
    }
}

void saveLargeSet(benchmark::State& state) {
    LargeSet set;
    Services services;
    qv::Editor editor(services.all, set.sets);
    editor.setSetName("Large");
    if (!editor.loadSet()) {
        state.SkipWithError("the set did not load");
        return;
    }
    editor.showQuestion();
    for (auto _ : state) {
        if (!editor.save()) {
            state.SkipWithError("the set did not save");
            break;
        }
    }
}

// The set with 300 pictures, one question changed before each save: the
// pictures that did not change are linked into the new folder, never copied.
void saveLargeSetWithPicturesAfterOneChange(benchmark::State& state) {
    LargeSet set(pictureCount);
    QuietUser user;
    QuietView view;
    qv::FilePictureHook pictures;
    NoProfile profile;
    qv::Editor editor(qv::EditorServices{user, view, pictures, profile}, set.sets);
    editor.setSetName("Large");
    if (!editor.loadSet()) {
        state.SkipWithError("the set did not load");
        return;
    }
    editor.setCurrentIndex(1000);
    editor.showQuestion();
    int round = 0;
    for (auto _ : state) {
        qv::QuestionFields fields = editor.fields();
        fields.text = "Changed " + std::to_string(round++);
        editor.storeFields(fields);
        if (!editor.save()) {
            state.SkipWithError("the set did not save");
            break;
        }
    }
}

BENCHMARK(openLargeSet)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(saveLargeSet)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(saveLargeSetWithPicturesAfterOneChange)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();

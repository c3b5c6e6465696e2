// SPDX-License-Identifier: MIT
// The heaviest frame of a game: the final screen of the 1000000 prize with
// its five bursts (2,400 sparks) flying over every element of the game
// screen (background, ladder, help and answer buttons with their crossed
// images, the question picture's frame, the wheel, question, answers, host
// line and player label), with the product's own art and fonts, drawn by the
// software renderer at 1024 x 768 and at larger outputs (1920 x 1080,
// 2560 x 1440, 3840 x 2160), where the screen is drawn at its scale with the
// sharp glyphs, the twice-sized pictures and the backdrop in the side bars.
// Reports the median frame in milliseconds: the sprite layer's step and
// draw plus the round's frame.
//
// QV_PLAY_SHOT=<file.png> also writes the last frame drawn (of each size,
// the size put before the name).
// QV_PLAY_RENDERER=opengl draws through an OpenGL renderer in a hidden
// window instead (needs a display, such as Xvfb), reading the frame back
// so the time includes the GPU's work.

#include "game/engine/FontSet.h"
#include "game/engine/SoundSet.h"
#include "game/engine/SpriteLayer.h"
#include "game/play/GameScreen.h"
#include "game/play/Player.h"
#include "game/play/QuestionRound.h"
#include "game/quiz/QuizState.h"

#include <SDL.h>
#include <SDL_image.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr float frameTime = 1.0f / 60.0f;

double medianOf(std::vector<double>& values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

class FinalScreenScene {
public:
    FinalScreenScene(int width, int height) : width_(width), height_(height) {
        std::filesystem::current_path(QV_PRODUCT_DIR);
        const char* driver = std::getenv("QV_PLAY_RENDERER");
        if (driver != nullptr && std::string(driver) == "opengl") {
            SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
            window_ = SDL_CreateWindow("bench", 0, 0, width, height, SDL_WINDOW_HIDDEN);
            if (window_ != nullptr) {
                renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
            }
        }
        if (renderer_ == nullptr) {
            surface_ =
                SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
            renderer_ = SDL_CreateSoftwareRenderer(surface_);
        }
        SDL_RendererInfo info{};
        SDL_GetRendererInfo(renderer_, &info);
        rendererName_ = info.name != nullptr ? info.name : "";
        SDL_RenderSetLogicalSize(renderer_, 1024, 768);
        float scaleX = 1.0f;
        float scaleY = 1.0f;
        SDL_RenderGetScale(renderer_, &scaleX, &scaleY);
        layer_ = std::make_unique<qv::SpriteLayer>(renderer_);
        layer_->textures().setDrawScale(scaleX);
        fonts_ = std::make_unique<qv::FontSet>(renderer_);
        fonts_->setDrawScale(scaleX);
        quiz_ = std::make_unique<qv::QuizState>(std::filesystem::temp_directory_path() /
                                                "qv-play-bench");
        quiz_->random.seed(42);
        std::vector<qv::Question> questions;
        for (int rung = 0; rung < 15; ++rung) {
            qv::Question q;
            q.number = rung;
            q.text = u"Which of these cities lies furthest north of the equator on a map?";
            q.answers = {u"Oslo", u"Madrid", u"Cairo", u"Lima"};
            q.correctAnswer = 1;
            q.value = rung + 1;
            questions.push_back(q);
        }
        quiz_->bank.setQuestions(questions);
        quiz_->playerNames[0] = u"Ann";
        sounds_ = std::make_unique<qv::SoundSet>(quiz_->soundEffectsOn);
        pointer_ = std::make_unique<qv::Sprite>();
        pointer_->load(layer_->textures(), "Resources//mousearrow.tga");
        pointer_->position = {512.0f, 384.0f, 0.0f};

        qv::PlayServices services{*quiz_, *sounds_, *layer_, fonts_.get(), pointer_.get(), {}, {}};
        services.quitConfirm = [] { return false; };
        services.nextPlayer = [] {};
        round_ = std::make_unique<qv::QuestionRound>(std::move(services));
        player_.playerIndex = 0;
        round_->buildGameScreen(player_);
        round_->resumePlayer(player_);

        // Every element of the screen on at once, then the top prize.
        qv::GameScreen& s = *round_->screen();
        for (qv::Drawable* d : std::initializer_list<qv::Drawable*>{
                 &s.questionText, &s.answerTexts[0], &s.answerTexts[1], &s.answerTexts[2],
                 &s.answerTexts[3], &s.jokerCrossed, &s.clueCrossed, &s.gambleCrossed,
                 &s.correctMarker}) {
            qv::show(*d);
        }
        for (auto& rung : s.rungs) {
            rung.hold = -1.0f;
            qv::startAfresh(rung);
        }
        layer_->add(s.wheelBack);
        layer_->add(s.wheelPointer);
        qv::show(s.wheelBack);
        qv::show(s.wheelPointer);
        s.addPictureGroup(*layer_);
        s.showPictureGroup();
        s.hostText.setText(u"Great! You've just won 1000000!");
        qv::startAfresh(s.hostText);
        player_.level = 15;
        player_.taking = true;
        player_.currentRung = &s.rung(15);
        round_->setRoundState(player_, qv::RoundState::Final);
        // The final screen puts the wheel, the picture frame and the marker
        // away; they are drawn here too, for the heaviest frame.
        for (qv::Drawable* d : std::initializer_list<qv::Drawable*>{
                 &s.wheelBack, &s.wheelPointer, &s.correctMarker, &s.pictureBack,
                 &s.pictureCorners[0], &s.pictureCorners[1], &s.pictureCorners[2],
                 &s.pictureCorners[3]}) {
            qv::show(*d);
        }
        // Past every fade-in, with the bursts in the air.
        for (int i = 0; i < 120; ++i) {
            frame();
        }
    }

    ~FinalScreenScene() {
        round_.reset();
        pointer_.reset();
        fonts_.reset();
        layer_.reset();
        SDL_DestroyRenderer(renderer_);
        if (surface_ != nullptr) {
            SDL_FreeSurface(surface_);
        }
        if (window_ != nullptr) {
            SDL_DestroyWindow(window_);
        }
    }

    void frame() {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        layer_->drawAll(frameTime, qv::Vec3{512.0f, 384.0f, 0.0f}, false);
        round_->frameRound(player_, frameTime);
        SDL_RenderFlush(renderer_);
        if (surface_ == nullptr) {
            // Waits for the GPU to finish the frame.
            std::uint32_t pixel = 0;
            const SDL_Rect one{0, 0, 1, 1};
            SDL_RenderReadPixels(renderer_, &one, SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
            SDL_RenderPresent(renderer_);
        }
    }

    const std::string& rendererName() const { return rendererName_; }

    int flyingBursts() const {
        int n = 0;
        for (const auto& burst : round_->screen()->fireworks) {
            n += burst->flying() ? 1 : 0;
        }
        return n;
    }

    void shot(const std::string& path) const {
        if (surface_ != nullptr) {
            IMG_SavePNG(surface_, path.c_str());
        }
    }

private:
    int width_;
    int height_;
    std::string rendererName_;
    SDL_Window* window_ = nullptr;
    SDL_Surface* surface_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    std::unique_ptr<qv::SpriteLayer> layer_;
    std::unique_ptr<qv::FontSet> fonts_;
    std::unique_ptr<qv::QuizState> quiz_;
    std::unique_ptr<qv::SoundSet> sounds_;
    std::unique_ptr<qv::Sprite> pointer_;
    std::unique_ptr<qv::QuestionRound> round_;
    qv::Player player_;
};

// Milliseconds of CPU this thread has used: on a shared machine the wall
// clock also counts the time other processes ran.
double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1.0e6;
}

void finalScreenFrame(benchmark::State& state) {
    const auto width = static_cast<int>(state.range(0));
    const auto height = static_cast<int>(state.range(1));
    FinalScreenScene scene(width, height);
    state.SetLabel(scene.rendererName());
    std::vector<double> frames;
    std::vector<double> cpu;
    for (auto _ : state) {
        const auto start = Clock::now();
        const double cpuStart = threadCpuMs();
        scene.frame();
        cpu.push_back(threadCpuMs() - cpuStart);
        frames.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    state.counters["median_ms"] = medianOf(frames);
    state.counters["median_cpu_ms"] = medianOf(cpu);
    state.counters["bursts_flying"] = scene.flyingBursts();
    if (const char* path = std::getenv("QV_PLAY_SHOT")) {
        const std::filesystem::path file(path);
        scene.shot((file.parent_path() / (std::to_string(width) + "x" + std::to_string(height) +
                                          "-" + file.filename().string()))
                       .string());
    }
}
BENCHMARK(finalScreenFrame)
    ->Args({1024, 768})
    ->Args({1920, 1080})
    ->Args({2560, 1440})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0);

} // namespace

BENCHMARK_MAIN();

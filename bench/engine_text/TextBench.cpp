// SPDX-License-Identifier: MIT
// Two costs of the presentation engine, on the software renderer at
// 1024 x 768:
// - the game screen's seven texts (player label, host line, question, four
//   answers) for 1,000 frames at 60 Hz while the host line types itself out
//   again and again: the text's share of a frame, with the batch building
//   its vertices but not handing them to the renderer, and the same frames
//   with the glyphs rasterised by the software renderer;
// - configuring the five bursts of the top prize (100, 600, 200, 700 and
//   800 particles) with the spark texture shared through the cache, against
//   a variant in which every particle reads the image file itself.
// - the same seven texts in Arabic and Japanese (shaped, from fallback
//   faces, the question wrapped between Japanese characters), with the
//   heaviest frame of the run beside the median; and making the fonts with
//   the fallback faces such a set needs opened.
// Medians are of this thread's CPU time (the machine is shared).

#include "game/engine/FireworkBurst.h"
#include "game/engine/FontSet.h"
#include "game/engine/SpriteLayer.h"
#include "game/engine/TextDrawable.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using qv::FireworkBurst;
using qv::TextDrawable;
using qv::Vec3;

constexpr float frameTime = 1.0f / 60.0f;
constexpr int framesPerRun = 1000;
constexpr std::array<int, 5> burstCounts{100, 600, 200, 700, 800};

double threadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double medianOf(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A 16 x 16 spark, 32-bit TGA with a soft round edge, as the game's.
std::string writeSpark(const std::filesystem::path& folder) {
    std::vector<unsigned char> bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 16, 0, 16, 0, 32, 0x28};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const double d = std::hypot(x - 7.5, y - 7.5) / 8.0;
            const auto alpha = static_cast<unsigned char>(255.0 * std::clamp(1.0 - d, 0.0, 1.0));
            bytes.insert(bytes.end(), {200, 230, 255, alpha});
        }
    }
    const std::filesystem::path path = folder / "Firework.tga";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

class Stage {
public:
    // `scripts`: the texts are in Arabic and Japanese instead of English.
    explicit Stage(bool scripts = false) : scripts_(scripts) {
        if (scripts_) {
            hostLines_ = {
                u"خذ وقتك. لا توجد ساعة، فقط المال على المحك.",
                u"هذه هي الإجابة الصحيحة! لقد ربحت للتو 32000.",
                u"ゆっくり考えてください。時計はありません。",
                u"本当にそれでいいですか？一度決めたら戻れません。",
            };
        }
        surface_ = SDL_CreateRGBSurfaceWithFormat(0, 1024, 768, 32, SDL_PIXELFORMAT_ARGB8888);
        renderer_ = SDL_CreateSoftwareRenderer(surface_);
        layer_ = std::make_unique<qv::SpriteLayer>(renderer_);
        fonts_ = std::make_unique<qv::FontSet>(renderer_);
        if (scripts_) {
            std::u32string characters;
            for (const auto& line : hostLines_) {
                qv::FontSet::gatherCharacters(line, characters);
            }
            for (const auto& text : scriptTexts()) {
                qv::FontSet::gatherCharacters(text, characters);
            }
            fonts_->prepare(std::move(characters));
        }
        folder_ = std::filesystem::temp_directory_path() / "qv-text-bench";
        std::filesystem::create_directories(folder_);
        spark_ = writeSpark(folder_);
        buildTexts();
    }
    ~Stage() {
        texts_.clear();
        fonts_->release();
        fonts_.reset();
        layer_.reset();
        SDL_DestroyRenderer(renderer_);
        SDL_FreeSurface(surface_);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    bool ready() const { return fonts_->font(0) != nullptr && fonts_->font(1) != nullptr; }

    // One frame of the seven texts; the host starts a new line every four
    // seconds, so it is typing most of the time.
    void frame(bool submit) {
        if (++frameNumber_ % 240 == 0) {
            TextDrawable& host = *texts_[1];
            host.setText(
                hostLines_[static_cast<std::size_t>(frameNumber_ / 240) % hostLines_.size()]);
            host.start();
        }
        layer_->batch()->setSubmit(submit);
        if (submit) {
            SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
            SDL_RenderClear(renderer_);
        }
        layer_->drawAll(frameTime, std::nullopt, false);
        if (submit) {
            SDL_RenderFlush(renderer_);
        }
    }
    int quads() const { return layer_->batch()->quadCount(); }

    qv::TextureCache& textures() { return layer_->textures(); }
    qv::Random& random() { return random_; }
    const std::string& spark() const { return spark_; }

    static std::array<std::u16string, 6> scriptTexts() {
        return {u"ユリア: 32000",
                u"海に注ぐまでに最も多くの国を流れる川はどれですか？ヨーロッパで二番目に長い川で、"
                u"十か国を流れて黒海に注ぎます。",
                u"أ: نهر الدانوب",
                u"ب: نهر الراين",
                u"ج: ヴォルガ川",
                u"د: ロワール川"};
    }

private:
    void buildTexts() {
        struct Element {
            int font;
            Vec3 at;
            float fadeIn;
            float hold;
            bool typewriter;
            std::u16string text;
        };
        const std::array<Element, 7> elements{{
            {1, {50, -159, 0.5f}, 1.5f, -1.0f, false, u"Margaret: 32000"},
            {0, {40, -112, 0.5f}, 0.25f, 10.0f, true, hostLines_[0]},
            {0,
             {50, 99, 0.3f},
             0.5f,
             -1.0f,
             true,
             u"Which of these rivers flows through the most countries on its way\nto the sea?"},
            {0, {40, 138, 0.3f}, 2.5f, -1.0f, false, u"A: The Danube"},
            {0, {231, 138, 0.3f}, 2.5f, -1.0f, false, u"B: The Rhine"},
            {0, {40, 167, 0.3f}, 2.5f, -1.0f, false, u"C: The Volga"},
            {0, {231, 167, 0.3f}, 2.5f, -1.0f, false, u"D: The Loire"},
        }};
        const auto translated = scriptTexts();
        for (std::size_t i = 0; i < elements.size(); ++i) {
            const Element& e = elements[i];
            auto t = std::make_unique<TextDrawable>();
            t->font = fonts_->font(e.font);
            t->position = e.at;
            t->fadedColour = {0, 0, 0, 0};
            t->fadeIn = e.fadeIn;
            t->hold = e.hold;
            t->fadeOut = 3.0f;
            t->typewriter = e.typewriter;
            if (scripts_) {
                // The plates' widths and line counts of the game screen.
                static constexpr std::array<float, 7> widths{468, 676, 650, 294, 294, 294, 294};
                t->maxWidth = widths[i];
                t->fitFont = fonts_->fitFont(e.font);
                t->fitLines = i == 2 ? 3 : 1;
            }
            if (!scripts_) {
                t->setText(e.text);
            } else if (i == 1) {
                t->setText(hostLines_[0]);
            } else {
                t->setText(translated[i == 0 ? 0 : i - 1]);
            }
            t->attach();
            t->start();
            texts_.push_back(std::move(t));
        }
    }

    SDL_Surface* surface_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    std::unique_ptr<qv::SpriteLayer> layer_;
    std::unique_ptr<qv::FontSet> fonts_;
    std::filesystem::path folder_;
    std::string spark_;
    qv::Random random_;
    std::vector<std::unique_ptr<TextDrawable>> texts_;
    bool scripts_ = false;
    int frameNumber_ = 0;
    std::vector<std::u16string> hostLines_{
        u"Take your time. There is no clock running, only the money on the line.",
        u"That is the right answer! You have just won yourself a nice sum.",
        u"Are you quite sure? Once it is locked in, there is no way back.",
        u"An interesting choice. Let us see whether the audience agrees with you.",
    };
};

Stage* stage = nullptr;
// A small renderer of its own for the variants that make many textures.
SDL_Renderer* sparkRenderer = nullptr;
// Made at its first benchmark, after the English stage's have run: each
// stage's sprite layer is the process-wide one from its making on.
std::unique_ptr<Stage> scriptStage;
double textEngineMedian = 0.0;
double textEngineHeaviest = 0.0;
double scriptEngineMedian = 0.0;
double scriptEngineHeaviest = 0.0;
double scriptRenderedMedian = 0.0;
double scriptRenderedHeaviest = 0.0;
double textRenderedMedian = 0.0;
double sharedMedian = 0.0;
double perParticleMedian = 0.0;

void textEngineShare(benchmark::State& state) {
    std::vector<double> cpu;
    for (auto _ : state) {
        const double began = threadMs();
        stage->frame(false);
        cpu.push_back(threadMs() - began);
    }
    textEngineMedian = medianOf(cpu);
    textEngineHeaviest = cpu.empty() ? 0.0 : *std::max_element(cpu.begin(), cpu.end());
    state.counters["median_cpu_ms"] = textEngineMedian;
    state.counters["heaviest_cpu_ms"] = textEngineHeaviest;
    state.counters["glyph_quads"] = stage->quads();
}

void textRendered(benchmark::State& state) {
    std::vector<double> cpu;
    for (auto _ : state) {
        const double began = threadMs();
        stage->frame(true);
        cpu.push_back(threadMs() - began);
    }
    textRenderedMedian = medianOf(cpu);
    state.counters["median_cpu_ms"] = textRenderedMedian;
}

// The Arabic and Japanese stage: median and heaviest frame.
void scriptFrames(benchmark::State& state, bool submit, double& median, double& heaviest) {
    if (!scriptStage) {
        scriptStage = std::make_unique<Stage>(true);
    }
    std::vector<double> cpu;
    for (auto _ : state) {
        const double began = threadMs();
        scriptStage->frame(submit);
        cpu.push_back(threadMs() - began);
    }
    median = medianOf(cpu);
    heaviest = cpu.empty() ? 0.0 : *std::max_element(cpu.begin(), cpu.end());
    state.counters["median_cpu_ms"] = median;
    state.counters["heaviest_cpu_ms"] = heaviest;
    state.counters["glyph_quads"] = scriptStage->quads();
}

void scriptEngineShare(benchmark::State& state) {
    scriptFrames(state, false, scriptEngineMedian, scriptEngineHeaviest);
}

void scriptRendered(benchmark::State& state) {
    scriptFrames(state, true, scriptRenderedMedian, scriptRenderedHeaviest);
}

// The fonts made with the fallback faces of an Arabic and Japanese set
// opened (the start-up cost such a set adds to createFontSet).
void createFontSetForScripts(benchmark::State& state) {
    std::vector<double> cpu;
    std::u32string characters;
    for (const auto& text : Stage::scriptTexts()) {
        qv::FontSet::gatherCharacters(text, characters);
    }
    for (auto _ : state) {
        const double began = threadMs();
        qv::FontSet fonts(sparkRenderer);
        fonts.prepare(characters);
        benchmark::DoNotOptimize(fonts.font(0));
        fonts.release();
        cpu.push_back(threadMs() - began);
    }
    state.counters["median_cpu_ms"] = medianOf(cpu);
}

void configureShared(benchmark::State& state) {
    std::vector<double> cpu;
    std::array<std::unique_ptr<FireworkBurst>, 5> bursts;
    for (auto& b : bursts) {
        b = std::make_unique<FireworkBurst>(stage->random());
        b->imagePath = stage->spark();
    }
    for (auto _ : state) {
        const double began = threadMs();
        for (std::size_t i = 0; i < bursts.size(); ++i) {
            bursts[i]->configure(stage->textures(), 4.0f, burstCounts[i], 1.0f);
        }
        cpu.push_back(threadMs() - began);
    }
    sharedMedian = medianOf(cpu);
    state.counters["median_cpu_ms"] = sharedMedian;
}

// The same work as configure, except that every particle reads and uploads
// the image on its own (a cache of its own per particle).
struct PerParticleBurst {
    std::vector<std::unique_ptr<qv::TextureCache>> caches;
    std::unique_ptr<qv::Sprite[]> particles;
    std::unique_ptr<Vec3[]> velocities;

    void configure(SDL_Renderer* renderer, const std::string& path, int count, float fadeTime,
                   qv::Random& random) {
        particles.reset();
        caches.clear();
        particles = std::make_unique<qv::Sprite[]>(static_cast<std::size_t>(count));
        velocities = std::make_unique<Vec3[]>(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            caches.push_back(std::make_unique<qv::TextureCache>(renderer));
            qv::Sprite& p = particles[static_cast<std::size_t>(i)];
            p.load(*caches.back(), path);
            p.hold = 0.0f;
            p.fullColour = qv::opaqueWhite;
            p.fadedColour = qv::transparentWhite;
            p.fadeIn = 0.0f;
            p.fadeOut = fadeTime + static_cast<float>(random.between(0.0, 0.5));
        }
    }
};

void configurePerParticle(benchmark::State& state) {
    std::vector<double> cpu;
    std::array<PerParticleBurst, 5> bursts;
    for (auto _ : state) {
        const double began = threadMs();
        for (std::size_t i = 0; i < bursts.size(); ++i) {
            bursts[i].configure(sparkRenderer, stage->spark(), burstCounts[i], 1.0f,
                                stage->random());
        }
        cpu.push_back(threadMs() - began);
    }
    perParticleMedian = medianOf(cpu);
    state.counters["median_cpu_ms"] = perParticleMedian;
}

// Made once per device: three faces looked up and their Windows-1252
// repertoire rasterised into the atlases.
void createFontSet(benchmark::State& state) {
    std::vector<double> cpu;
    for (auto _ : state) {
        const double began = threadMs();
        qv::FontSet fonts(sparkRenderer);
        benchmark::DoNotOptimize(fonts.font(0));
        fonts.release();
        cpu.push_back(threadMs() - began);
    }
    state.counters["median_cpu_ms"] = medianOf(cpu);
}

BENCHMARK(createFontSet)
    ->Name("text/create_font_set")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(textEngineShare)
    ->Name("text/seven_texts_engine_share")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(framesPerRun);
BENCHMARK(textRendered)
    ->Name("text/seven_texts_software_rendered")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(framesPerRun);
BENCHMARK(createFontSetForScripts)
    ->Name("text/create_font_set_arabic_japanese")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(scriptEngineShare)
    ->Name("text/seven_texts_arabic_japanese_engine_share")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(framesPerRun);
BENCHMARK(scriptRendered)
    ->Name("text/seven_texts_arabic_japanese_software_rendered")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(framesPerRun);
BENCHMARK(configureShared)
    ->Name("fireworks/configure_five_bursts_shared_texture")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);
BENCHMARK(configurePerParticle)
    ->Name("fireworks/configure_five_bursts_image_per_particle")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    {
        Stage built;
        if (!built.ready()) {
            std::fprintf(stderr, "no font for \"Arial\" through fontconfig\n");
            return 1;
        }
        stage = &built;
        SDL_Surface* sparkSurface =
            SDL_CreateRGBSurfaceWithFormat(0, 64, 64, 32, SDL_PIXELFORMAT_ARGB8888);
        sparkRenderer = SDL_CreateSoftwareRenderer(sparkSurface);
        benchmark::RunSpecifiedBenchmarks();
        SDL_DestroyRenderer(sparkRenderer);
        SDL_FreeSurface(sparkSurface);
        scriptStage.reset();
        stage = nullptr;
    }
    std::printf("seven texts, median CPU per frame: engine share %.3f ms (limit 0.3; heaviest "
                "frame %.3f ms), with software rasterisation %.3f ms\n",
                textEngineMedian, textEngineHeaviest, textRenderedMedian);
    std::printf("the same in Arabic and Japanese, CPU per frame: engine share median %.3f ms, "
                "heaviest %.3f ms; with software rasterisation median %.3f ms, heaviest %.3f ms\n",
                scriptEngineMedian, scriptEngineHeaviest, scriptRenderedMedian,
                scriptRenderedHeaviest);
    if (sharedMedian > 0.0 && perParticleMedian > 0.0) {
        std::printf("five bursts (2,400 particles), median CPU to configure: shared texture "
                    "%.3f ms (limit 5), image per particle %.3f ms, ratio %.1fx\n",
                    sharedMedian, perParticleMedian, perParticleMedian / sharedMedian);
    }
    benchmark::Shutdown();
    SDL_Quit();
    return 0;
}

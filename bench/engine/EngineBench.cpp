// SPDX-License-Identifier: MIT
// The heaviest frame the game draws: 4,000 firework sparks sharing one
// texture over a screen of 40 other sprites (backdrop, panels, buttons and a
// turning wheel), on the software renderer at 1024 x 768. Each benchmark
// reports the median frame in milliseconds; the last lines compare the batch
// with a plain loop of SDL_RenderCopyExF over the same quads.

#include "game/engine/Sprite.h"
#include "game/engine/SpriteLayer.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr float frameTime = 1.0f / 60.0f;

// An uncompressed 32-bit TGA, top-left origin.
void writeTga(const std::string& path, int width, int height,
              const std::function<SDL_Color(int, int)>& paint) {
    std::vector<unsigned char> bytes = {0,
                                        0,
                                        2,
                                        0,
                                        0,
                                        0,
                                        0,
                                        0,
                                        0,
                                        0,
                                        0,
                                        0,
                                        static_cast<unsigned char>(width & 0xFF),
                                        static_cast<unsigned char>(width >> 8),
                                        static_cast<unsigned char>(height & 0xFF),
                                        static_cast<unsigned char>(height >> 8),
                                        32,
                                        0x28};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const SDL_Color c = paint(x, y);
            bytes.insert(bytes.end(), {c.b, c.g, c.r, c.a});
        }
    }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

SDL_Color flat(int x, int y) {
    return {static_cast<Uint8>(x * 7), static_cast<Uint8>(y * 3), 160, 255};
}

// Which parts of the scene are built (--scene=sparks or --scene=screen
// measure one part alone).
bool withSparks = true;
bool withScreen = true;
// --target=surface draws into a 1024 x 768 ARGB surface instead of a hidden
// window.
bool onSurface = false;

class Scene {
public:
    Scene() {
        if (onSurface) {
            target_ = SDL_CreateRGBSurfaceWithFormat(0, 1024, 768, 32, SDL_PIXELFORMAT_ARGB8888);
            renderer_ = SDL_CreateSoftwareRenderer(target_);
        } else {
            window_ = SDL_CreateWindow("bench", 0, 0, 1024, 768, SDL_WINDOW_HIDDEN);
            renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
            if (SDL_Surface* surface = SDL_GetWindowSurface(window_)) {
                std::printf("window surface format %s\n",
                            SDL_GetPixelFormatName(surface->format->format));
            }
        }
        if (renderer_ == nullptr) {
            std::fprintf(stderr, "no software renderer: %s\n", SDL_GetError());
            std::exit(1);
        }
        layer_ = std::make_unique<qv::SpriteLayer>(renderer_);
        folder_ = std::filesystem::temp_directory_path() / "qv-engine-bench";
        std::filesystem::create_directories(folder_);

        const std::string spark = file("Firework.tga", 16, 16, [](int x, int y) {
            const float d =
                std::hypot(static_cast<float>(x) - 7.5f, static_cast<float>(y) - 7.5f) / 8.0f;
            const float a = std::clamp(1.0f - d, 0.0f, 1.0f);
            return SDL_Color{255, 255, 255, static_cast<Uint8>(255.0f * a)};
        });
        std::mt19937 random(7);
        std::uniform_real_distribution<float> unit(0.0f, 1.0f);
        for (int i = 0; i < (withSparks ? 4000 : 0); ++i) {
            auto s = std::make_unique<qv::Sprite>();
            s->load(layer_->textures(), spark);
            const int burst = i / 800;
            const float angle = unit(random) * 6.2831853f;
            const float reach = unit(random) * 180.0f;
            s->position = {200.0f + static_cast<float>(burst) * 150.0f + std::sin(angle) * reach,
                           300.0f + std::cos(angle) * reach, 0.1f};
            s->hold = 0.0f;
            s->fadeIn = 0.0f;
            s->fadeOut = 1.0e6f;
            s->fadedColour = qv::transparentWhite;
            s->fullColour = {255, 255, 255, static_cast<Uint8>(unit(random) < 0.5f ? 100 : 255)};
            add(std::move(s));
        }

        if (!withScreen) {
            return;
        }
        add(plain(file("Back.tga", 1024, 768, flat), {512, 384, 0.9f}));
        for (int i = 0; i < 15; ++i) {
            auto button = std::make_unique<qv::Sprite>();
            const std::string name = "button" + std::to_string(i % 3);
            button->load(layer_->textures(), file(name + "off.tga", 300, 60, flat),
                         file(name + "on.tga", 300, 60, flat),
                         file(name + "down.tga", 300, 60, flat));
            button->position = {180.0f + static_cast<float>(i % 3) * 330.0f,
                                450.0f + static_cast<float>(i / 3) * 62.0f, 0.5f};
            add(std::move(button));
        }
        for (int i = 0; i < 20; ++i) {
            add(plain(file("rung" + std::to_string(i % 4) + ".tga", 220, 28, flat),
                      {900.0f, 40.0f + static_cast<float>(i) * 30.0f, 0.6f}));
        }
        auto wheel = plain(file("wheel.tga", 300, 300, flat), {512, 300, 0.4f});
        wheelSprite_ = wheel.get();
        add(std::move(wheel));
        add(plain(file("frame.tga", 420, 320, flat), {512, 300, 0.7f}));
        add(plain(file("logo.tga", 256, 128, flat), {512, 80, 0.3f}));
        add(plain(file("mousearrow.tga", 32, 32, flat), {600, 500, 0.0f}));
        // 4,000 sparks + backdrop + 15 buttons + 20 rungs + 4 = 4,040 sprites.
    }

    ~Scene() {
        sprites_.clear();
        layer_.reset();
        SDL_DestroyRenderer(renderer_);
        if (window_ != nullptr) {
            SDL_DestroyWindow(window_);
        }
        if (target_ != nullptr) {
            SDL_FreeSurface(target_);
        }
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // One frame as the game runs it: clear, step and draw everything, present.
    void frame(bool submit, bool copies = true) {
        turnWheel();
        layer_->batch()->setSubmit(submit);
        layer_->batch()->setSoftwareCopies(copies);
        if (submit) {
            SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
            SDL_RenderClear(renderer_);
        }
        layer_->drawAll(frameTime, pointer_, false);
        if (submit) {
            SDL_RenderPresent(renderer_);
        }
    }

    // The same quads drawn one call each, in the batch's order.
    void copyExFrame() {
        turnWheel();
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        for (const qv::Sprite* s : drawOrder_) {
            SDL_Texture* texture = s->texture()->get();
            SDL_SetTextureColorMod(texture, s->colour.r, s->colour.g, s->colour.b);
            SDL_SetTextureAlphaMod(texture, s->colour.a);
            const SDL_Rect source{0, 0, s->sourceRect.right, s->sourceRect.bottom};
            const SDL_FRect target{
                s->position.x - s->centre.x * s->scale, s->position.y - s->centre.y * s->scale,
                static_cast<float>(source.w) * s->scale, static_cast<float>(source.h) * s->scale};
            const SDL_FPoint centre{s->centre.x * s->scale, s->centre.y * s->scale};
            SDL_RenderCopyExF(renderer_, texture, &source, &target,
                              static_cast<double>(s->angle) * 57.29577951308232, &centre,
                              SDL_FLIP_NONE);
        }
        SDL_RenderPresent(renderer_);
    }

    int quads() const { return layer_->batch()->quadCount(); }
    int calls() const { return layer_->batch()->callCount(); }

private:
    void turnWheel() {
        if (wheelSprite_ != nullptr) {
            wheelSprite_->setTargetAngle(wheelSprite_->targetAngle + 0.05f);
        }
    }
    std::string file(const std::string& name, int w, int h,
                     const std::function<SDL_Color(int, int)>& paint) {
        const std::string path = (folder_ / name).string();
        if (!std::filesystem::exists(path)) {
            writeTga(path, w, h, paint);
        }
        return path;
    }
    std::unique_ptr<qv::Sprite> plain(const std::string& path, qv::Vec3 at) {
        auto s = std::make_unique<qv::Sprite>();
        s->load(layer_->textures(), path);
        s->position = at;
        return s;
    }
    void add(std::unique_ptr<qv::Sprite> s) {
        s->attach();
        s->start();
        sprites_.push_back(std::move(s));
        // Far to near, then newest first: the batch's order for equal depths.
        drawOrder_.clear();
        for (auto it = sprites_.rbegin(); it != sprites_.rend(); ++it) {
            drawOrder_.push_back(it->get());
        }
        std::stable_sort(drawOrder_.begin(), drawOrder_.end(),
                         [](const qv::Sprite* a, const qv::Sprite* b) {
                             return std::max(a->position.z, 0.05f) > std::max(b->position.z, 0.05f);
                         });
    }

    SDL_Window* window_ = nullptr;
    SDL_Surface* target_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    std::unique_ptr<qv::SpriteLayer> layer_;
    std::filesystem::path folder_;
    std::vector<std::unique_ptr<qv::Sprite>> sprites_;
    std::vector<const qv::Sprite*> drawOrder_;
    qv::Sprite* wheelSprite_ = nullptr;
    qv::Vec3 pointer_{600, 500, 0};
};

Scene* scene = nullptr;
double batchMedian = 0.0;
double copyExMedian = 0.0;

double threadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double medianOf(std::vector<double>& values) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Medians of wall time and of this thread's CPU time per frame (the machine is
// shared, so wall time also counts waiting for a core). Returns the CPU one.
template <typename Frame> double timeFrames(benchmark::State& state, Frame&& frame) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (auto _ : state) {
        const auto began = Clock::now();
        const double cpuBegan = threadMs();
        frame();
        cpu.push_back(threadMs() - cpuBegan);
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - began).count());
    }
    const double cpuMedian = medianOf(cpu);
    state.counters["median_wall_ms"] = medianOf(wall);
    state.counters["median_cpu_ms"] = cpuMedian;
    return cpuMedian;
}

// The batch and the plain loop frame by frame in turn, so both see the same
// load on a shared machine; the ratio printed at the end comes from here.
void paired(benchmark::State& state) {
    std::vector<double> batch;
    std::vector<double> loop;
    for (auto _ : state) {
        double began = threadMs();
        scene->frame(true);
        batch.push_back(threadMs() - began);
        began = threadMs();
        scene->copyExFrame();
        loop.push_back(threadMs() - began);
    }
    batchMedian = medianOf(batch);
    copyExMedian = medianOf(loop);
    state.counters["batch_median_cpu_ms"] = batchMedian;
    state.counters["loop_median_cpu_ms"] = copyExMedian;
}

void wholeFrame(benchmark::State& state) {
    timeFrames(state, [] { scene->frame(true); });
    state.counters["quads"] = scene->quads();
    state.counters["render_calls"] = scene->calls();
}

void geometryFrame(benchmark::State& state) {
    timeFrames(state, [] { scene->frame(true, false); });
    state.counters["render_calls"] = scene->calls();
}

void engineOnly(benchmark::State& state) {
    timeFrames(state, [] { scene->frame(false); });
    scene->frame(true);
}

void renderCopyExLoop(benchmark::State& state) {
    timeFrames(state, [] { scene->copyExFrame(); });
}

BENCHMARK(wholeFrame)
    ->Name("frame/batch_step_draw_present")
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0);
BENCHMARK(geometryFrame)
    ->Name("frame/batch_all_geometry_step_draw_present")
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0);
BENCHMARK(engineOnly)
    ->Name("frame/engine_step_and_batch_only")
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0);
BENCHMARK(renderCopyExLoop)
    ->Name("frame/plain_RenderCopyExF_loop")
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0);
BENCHMARK(paired)
    ->Name("frame/batch_and_RenderCopyExF_loop_in_turn")
    ->Unit(benchmark::kMillisecond)
    ->MinTime(6.0);

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--scene=sparks") {
            withScreen = false;
        } else if (arg == "--scene=screen") {
            withSparks = false;
        } else if (arg == "--target=surface") {
            onSurface = true;
        }
    }
    {
        Scene built;
        scene = &built;
        benchmark::RunSpecifiedBenchmarks();
        scene = nullptr;
    }
    if (batchMedian > 0.0 && copyExMedian > 0.0) {
        std::printf("frames in turn, median CPU: batch %.3f ms, RenderCopyExF loop %.3f ms, "
                    "loop / batch %.2f\n",
                    batchMedian, copyExMedian, copyExMedian / batchMedian);
    }
    benchmark::Shutdown();
    SDL_Quit();
    return 0;
}

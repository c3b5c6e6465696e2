// SPDX-License-Identifier: MIT
// What playing without a mouse costs: the keyboard pointer's work in a frame
// where Tab is pressed on a game screen of eight buttons among 40 other
// drawables (the poll of the input devices included), and starting and
// stopping SDL's game-controller subsystem, which the game does once at
// start-up.

#include "game/engine/GameControllers.h"
#include "game/engine/InputDevices.h"
#include "game/engine/KeyboardPointer.h"
#include "game/engine/Sprite.h"
#include "game/engine/SpriteLayer.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace {

using namespace qv;

struct TabEveryOtherPoll : InputSource {
    bool read(DeviceState& state) override {
        state.fill(0.0f);
        down = !down;
        state[InputCode::Tab - 1] = down ? 128.0f : 0.0f;
        return true;
    }
    bool down = false;
};

void keyboardPointerStep(benchmark::State& state) {
    SpriteLayer layer(nullptr);
    std::array<Sprite, 40> scenery;
    for (std::size_t i = 0; i < scenery.size(); ++i) {
        scenery[i].position = {static_cast<float>(20 * i), 300.0f, 0.5f};
        layer.add(scenery[i]);
        scenery[i].enabled = true;
    }
    std::array<Sprite, 8> buttons;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i].load(layer.textures(), {}, "none-h.tga", "none-p.tga");
        buttons[i].position = {static_cast<float>(100 * (i % 4) + 200),
                               static_cast<float>(i < 4 ? 69 : 661), 0.4f};
        buttons[i].attach();
        buttons[i].enabled = true;
    }
    InputDevices devices(std::make_unique<TabEveryOtherPoll>());
    InputMapper shell;
    shell.claimSlot(0, false);
    KeyboardPointer keys(shell, 10, 2);
    Vec3 pointer{512.0f, 384.0f, 0.0f};
    for (auto _ : state) {
        devices.poll();
        const KeyboardPointer::Step step = keys.step(layer, pointer, 1.0f / 60.0f);
        if (step.moveTo) {
            pointer = *step.moveTo;
        }
        benchmark::DoNotOptimize(pointer);
    }
}
BENCHMARK(keyboardPointerStep)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void controllersStartAndStop(benchmark::State& state) {
    SDL_InitSubSystem(SDL_INIT_EVENTS);
    for (auto _ : state) {
        GameControllers controllers;
        benchmark::DoNotOptimize(controllers.started());
    }
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}
BENCHMARK(controllersStartAndStop)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();

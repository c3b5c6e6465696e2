// SPDX-License-Identifier: MIT
#include "game/quiz/PrizeLadder.h"

#include "game/quiz/Question.h"

#include <array>

namespace qv {

namespace {

struct FinalScreenEntry {
    int amount;
    std::array<EmitterSetting, 5> emitters;
    int emitterCount;
};

// The bigger the prize, the more and the faster the bursts.
constexpr std::array<FinalScreenEntry, 11> finalScreens{{
    {1000, {{{10, 100, 1.0f}}}, 1},
    {2000, {{{10, 200, 1.7f}, {15, 150, 1.3f}}}, 2},
    {4000, {{{15, 200, 1.2f}, {15, 250, 1.7f}}}, 2},
    {8000, {{{15, 300, 1.7f}, {20, 300, 1.0f}}}, 2},
    {16000, {{{20, 400, 1.5f}, {20, 300, 1.7f}, {20, 400, 1.1f}}}, 3},
    {32000, {{{15, 400, 1.0f}, {20, 500, 0.8f}, {25, 600, 1.7f}}}, 3},
    {64000, {{{20, 500, 1.0f}, {25, 600, 0.5f}, {30, 200, 1.2f}}}, 3},
    {125000, {{{30, 600, 0.5f}, {35, 600, 1.7f}, {35, 700, 1.2f}, {30, 300, 1.6f}}}, 4},
    {250000,
     {{{20, 300, 0.7f}, {25, 400, 1.6f}, {30, 500, 0.4f}, {35, 600, 1.3f}, {35, 200, 1.2f}}},
     5},
    {500000,
     {{{25, 300, 1.2f}, {30, 400, 0.3f}, {35, 200, 1.1f}, {30, 600, 0.2f}, {40, 100, 1.4f}}},
     5},
    {1000000,
     {{{35, 100, 0.9f}, {40, 600, 1.6f}, {45, 200, 0.7f}, {50, 700, 0.8f}, {50, 800, 1.4f}}},
     5},
}};

const FinalScreenEntry* finalScreenOf(int amount) {
    for (const FinalScreenEntry& entry : finalScreens) {
        if (entry.amount == amount) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace

int questionValue(int n) {
    if (n < 1 || n > rungCount) {
        return 0;
    }
    return prizeLadder[static_cast<std::size_t>(n - 1)];
}

bool isLevelWithoutRisk(int level) {
    return level == 0 || guaranteedRungBelow(level) == level;
}

int guaranteedRungBelow(int level) {
    int below = 0;
    for (const int rung : guaranteedRungs) {
        if (rung <= level) {
            below = rung;
        }
    }
    return below;
}

int guaranteedAmount(int level) {
    if (level < 0 || level > topRung) {
        return 0;
    }
    return questionValue(guaranteedRungBelow(level));
}

std::span<const EmitterSetting> fireworksFor(int amount) {
    const FinalScreenEntry* entry = finalScreenOf(amount);
    if (entry == nullptr) {
        return {};
    }
    return {entry->emitters.data(), static_cast<std::size_t>(entry->emitterCount)};
}

bool hasFinalScreen(int amount) {
    return finalScreenOf(amount) != nullptr;
}

std::string winImagePath(int amount) {
    return "Resources//" + std::to_string(amount) + "win.tga";
}

std::string rungImagePath(int q) {
    return "Resources//" + std::to_string(questionValue(q)) + ".tga";
}

} // namespace qv

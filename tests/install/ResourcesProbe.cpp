// SPDX-License-Identifier: MIT
// qv_resources_probe <shipped Resources> <user data folder> [--read-only]
//
// Picks the Resources folder as every program of the product does, saves the
// game's configuration there with the game's own writer and prints the folder
// it chose. --read-only treats the shipped folder as not writable, for runs
// that cannot drop the rights that would let them write it anyway.

#include <filesystem>
#include <iostream>
#include <string_view>

#include "common/ResourcesFolder.h"
#include "game/quiz/QuizState.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: qv_resources_probe <shipped Resources> <user data> [--read-only]\n";
        return 2;
    }
    const std::filesystem::path shipped = argv[1];
    const std::filesystem::path userData = argv[2];
    const bool readOnly = argc > 3 && std::string_view(argv[3]) == "--read-only";
    const std::filesystem::path chosen =
        qv::chooseResourcesFolder(shipped, userData, !readOnly && qv::canWriteFolder(shipped));
    qv::QuizState quiz(chosen);
    quiz.findQuestionSets();
    const bool saved = quiz.saveConfig();
    std::cout << chosen.string() << '\n';
    return saved ? 0 : 1;
}

// SPDX-License-Identifier: MIT
#pragma once
// What the game knows about questions and keeps between runs: the installed
// question sets, the current set's bank, the configuration and the players'
// names, with the files they live in under the Resources folder.

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/Random.h"
#include "game/quiz/ConfigFile.h"
#include "game/quiz/QuestionBank.h"

namespace qv {

class QuizState {
public:
    // `resourcesFolder` holds Config.txt, the play states and QuestionSets/.
    explicit QuizState(std::filesystem::path resourcesFolder);

    // Called by setPlayerCount after the count changed, so that the owner can
    // rebuild what depends on it (the player records and their screen).
    std::function<void(int count)> onPlayerCountChanged;
    // Called by setPlayerName for a player that exists.
    std::function<void(int index)> onPlayerNamed;

    // Lists the set folders: real folders (not links), not hidden, in
    // case-insensitive name order. The list position starts at the chosen
    // set (questionSetName), or at "Default" when that is not listed.
    void findQuestionSets();
    // Reads the named set into the bank and shuffles the answers; a set file
    // that cannot be read leaves the bank as it is (shuffled again). False
    // then.
    bool loadQuestionSet(const std::u16string& name);
    // Makes the next listed set current and loads it with its play state;
    // false when fewer than two sets exist.
    bool nextQuestionSet();

    // The current set's play state. load: false when the file is missing.
    // save: atomic; false, with the previous file whole, when it fails.
    bool loadPlayState();
    bool savePlayState() const;

    // Configuration. load: false when the file is missing or fails its checks
    // (nothing is changed then). save: atomic; false when it fails.
    bool loadConfig();
    bool saveConfig() const;

    // Bounded to 1..9.
    void setPlayerCount(int count);
    // Only for index < playerCount: an empty name becomes "Player <index + 1>".
    void setPlayerName(int index, const std::u16string& name);

    // Shortcuts to the bank with the game's generator.
    const Question* drawQuestion(int rung) { return bank.drawQuestion(rung, random); }

    std::filesystem::path configPath() const;
    std::filesystem::path playStatePath() const;
    std::filesystem::path setFilePath(const std::u16string& name) const;
    // The picture of the current set's question at `number` (0-based).
    std::filesystem::path picturePath(int number) const;

    const std::filesystem::path& resourcesFolder() const { return resources_; }
    const std::filesystem::path& questionSetsDir() const { return setsDir_; }

    Random random;
    QuestionBank bank;

    std::vector<std::u16string> questionSetNames;
    int questionSetCount = 1;
    int currentSetIndex = 0;
    std::u16string questionSetName = u"Default";

    bool soundEffectsOn = true;
    bool voiceOn = true;
    int playerCount = 1;
    std::array<std::u16string, maxPlayers> playerNames;
    bool configMissing = false;

private:
    std::filesystem::path resources_;
    std::filesystem::path setsDir_;
};

// "Player 3" for index 2: the name kept for a player who typed none. It is
// stored in English, so Config.txt reads the same in every language.
std::u16string defaultPlayerName(int index);
// The name as people see it: a kept default name in the player's language
// ("Player 3" becomes what the catalogue says for "Player %d"), any typed
// name as typed.
std::u16string shownPlayerName(const std::u16string& name, int index);

} // namespace qv

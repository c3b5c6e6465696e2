// SPDX-License-Identifier: MIT
#include "game/quiz/QuizState.h"

#include <algorithm>
#include <system_error>

#include "common/FileIo.h"
#include "common/SetFile.h"
#include "common/Translate.h"
#include "common/Utf16.h"

namespace qv {
namespace {

constexpr std::size_t maxPlayStateBytes = std::size_t{64} << 20;
constexpr std::size_t maxConfigBytes = 1 << 20;

char16_t foldCase(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<char16_t>(c + 32);
    }
    return c;
}

bool lessIgnoringCase(const std::u16string& a, const std::u16string& b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        char16_t x = foldCase(a[i]);
        char16_t y = foldCase(b[i]);
        if (x != y) {
            return x < y;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    return a < b; // names that differ only in case keep a stable order
}

std::filesystem::path pathOf(const std::u16string& name) {
    return std::filesystem::path(utf8FromUtf16(name));
}

} // namespace

std::u16string defaultPlayerName(int index) {
    std::string digits = std::to_string(index + 1);
    return u"Player " + std::u16string(digits.begin(), digits.end());
}

std::u16string shownPlayerName(const std::u16string& name, int index) {
    if (name != defaultPlayerName(index)) {
        return name;
    }
    const std::string digits = std::to_string(index + 1);
    // TRANSLATORS: the name of a player who typed none; %d is the player's number (1 to 9).
    return fillPlaceholders(tr("Player %d"), std::u16string(digits.begin(), digits.end()));
}

QuizState::QuizState(std::filesystem::path resourcesFolder)
    : resources_(std::move(resourcesFolder)), setsDir_(resources_ / "QuestionSets") {}

std::filesystem::path QuizState::configPath() const {
    return resources_ / "Config.txt";
}

std::filesystem::path QuizState::playStatePath() const {
    return resources_ / pathOf(u"QState" + questionSetName + u".bin");
}

std::filesystem::path QuizState::setFilePath(const std::u16string& name) const {
    return setsDir_ / pathOf(name) / pathOf(name + u".txt");
}

std::filesystem::path QuizState::picturePath(int number) const {
    std::string file = "pic_for_q_" + std::to_string(number + 1) + ".jpg";
    return setsDir_ / pathOf(questionSetName) / file;
}

void QuizState::findQuestionSets() {
    questionSetNames.clear();
    questionSetCount = 0;
    std::error_code error;
    std::filesystem::directory_iterator it(setsDir_, error);
    if (!error) {
        for (const auto& entry : it) {
            std::error_code statusError;
            // symlink_status: a link to a folder is not a set folder.
            if (!std::filesystem::is_directory(entry.symlink_status(statusError)) || statusError) {
                continue;
            }
            std::string name = entry.path().filename().string();
            if (name.empty() || name.front() == '.') {
                continue;
            }
            std::u16string wide;
            if (!utf16FromUtf8(name, wide) || wide.size() > nameLimit) {
                continue; // a name the game could not write back into its files
            }
            questionSetNames.push_back(std::move(wide));
        }
    }
    std::sort(questionSetNames.begin(), questionSetNames.end(), lessIgnoringCase);
    questionSetCount = static_cast<int>(questionSetNames.size());
    // The list position is the chosen set's, so that the next set offered
    // is the one after it; "Default" when the chosen set is not listed.
    int chosen = -1;
    int fallback = -1;
    for (int i = 0; i < questionSetCount; ++i) {
        const std::u16string& name = questionSetNames[static_cast<std::size_t>(i)];
        if (name == questionSetName) {
            chosen = i;
        }
        if (name == u"Default") {
            fallback = i;
        }
    }
    if (chosen >= 0) {
        currentSetIndex = chosen;
    } else if (fallback >= 0) {
        currentSetIndex = fallback;
    }
}

bool QuizState::loadQuestionSet(const std::u16string& name) {
    std::string bytes;
    if (!isPlainSetName(name) || !readWholeFile(setFilePath(name), bytes, maxSetFileBytes)) {
        bank.shuffleAnswers(random);
        return false;
    }
    bank.loadFromSetFile(bytes, random);
    return true;
}

bool QuizState::nextQuestionSet() {
    if (questionSetCount < 2 || questionSetNames.size() < 2) {
        return false;
    }
    currentSetIndex = (currentSetIndex + 1) % questionSetCount;
    if (currentSetIndex < 0) {
        currentSetIndex = 0;
    }
    questionSetName = questionSetNames[static_cast<std::size_t>(currentSetIndex)];
    loadQuestionSet(questionSetName);
    loadPlayState();
    return true;
}

bool QuizState::loadPlayState() {
    std::string bytes;
    if (!isPlainSetName(questionSetName) ||
        !readWholeFile(playStatePath(), bytes, maxPlayStateBytes)) {
        return false;
    }
    bank.applyPlayState(bytes);
    return true;
}

bool QuizState::savePlayState() const {
    if (!isPlainSetName(questionSetName)) {
        return false;
    }
    return writeFileAtomically(playStatePath(), bank.playState());
}

bool QuizState::loadConfig() {
    std::string bytes;
    ConfigData data;
    if (!readWholeFile(configPath(), bytes, maxConfigBytes) || !parseConfig(bytes, data)) {
        return false;
    }
    soundEffectsOn = data.soundEffectsOn;
    voiceOn = data.voiceOn;
    questionSetName = data.questionSetName;
    setPlayerCount(data.playerCount);
    for (int i = 0; i < data.playerCount; ++i) {
        setPlayerName(i, data.playerNames[static_cast<std::size_t>(i)]);
    }
    return true;
}

bool QuizState::saveConfig() const {
    ConfigData data;
    data.soundEffectsOn = soundEffectsOn;
    data.voiceOn = voiceOn;
    data.questionSetName = questionSetName;
    data.playerCount = playerCount;
    data.playerNames = playerNames;
    return writeFileAtomically(configPath(), serializeConfig(data));
}

void QuizState::setPlayerCount(int count) {
    playerCount = std::clamp(count, 1, maxPlayers);
    if (onPlayerCountChanged) {
        onPlayerCountChanged(playerCount);
    }
}

void QuizState::setPlayerName(int index, const std::u16string& name) {
    if (index < 0 || index >= playerCount) {
        return;
    }
    std::u16string& slot = playerNames[static_cast<std::size_t>(index)];
    slot = name.empty() ? defaultPlayerName(index) : name.substr(0, nameLimit);
    if (onPlayerNamed) {
        onPlayerNamed(index);
    }
}

} // namespace qv

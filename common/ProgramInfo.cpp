// SPDX-License-Identifier: MIT
#include "common/ProgramInfo.h"

#include <algorithm>

namespace qv {

std::string_view productVersion() {
    return QV_VERSION;
}

std::string helpText(const ProgramInfo& info, const HelpWords& words) {
    std::vector<ProgramOption> all = info.options;
    all.push_back({"--help", words.helpMeaning});
    all.push_back({"--version", words.versionMeaning});
    std::size_t width = 0;
    for (const ProgramOption& option : all) {
        width = std::max(width, option.name.size());
    }
    std::string text = std::string(words.usage) + std::string(info.name);
    if (!info.usage.empty()) {
        text += ' ';
        text += info.usage;
    }
    text += '\n';
    text += info.summary;
    text += "\n\n";
    text += words.options;
    text += '\n';
    for (const ProgramOption& option : all) {
        text += "  ";
        text += option.name;
        text.append(width - option.name.size() + 2, ' ');
        text += option.meaning;
        text += '\n';
    }
    if (!info.epilogue.empty()) {
        text += '\n';
        text += info.epilogue;
        text += '\n';
    }
    return text;
}

std::string versionText(std::string_view name) {
    return std::string(name) + " (Quizvale) " + std::string(productVersion()) +
           "\nLicensed under the MIT licence.\n";
}

bool answerInfoOption(const ProgramInfo& info, std::span<const std::string_view> arguments,
                      std::ostream& out, const HelpWords& words) {
    for (const std::string_view argument : arguments) {
        if (argument == "--help") {
            out << helpText(info, words) << std::flush;
            return true;
        }
        if (argument == "--version") {
            out << versionText(info.name) << std::flush;
            return true;
        }
    }
    return false;
}

} // namespace qv

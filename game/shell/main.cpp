// SPDX-License-Identifier: MIT
// Showfloor: wires the platform's services into the game and runs it.

#include <deque>
#include <iostream>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/ProgramInfo.h"
#include "common/Translate.h"
#include "game/shell/GameLanguage.h"
#include "game/shell/LargeBlocks.h"
#include "game/shell/ShowfloorMain.h"
#include "platform/IniSettingsStore.h"
#include "platform/SdlMessageBox.h"
#include "platform/SdlRuntimeDiagnostics.h"
#include "platform/XdgShellOpener.h"

namespace {

struct OptionText {
    const char* name;
    const char* meaning;
};

constexpr OptionText showfloorOptions[] = {
    // TRANSLATORS: a switch's meaning in --help; one line of about 55 letters.
    {"-windowed", N_("play in a 1024 x 768 window instead of full screen")},
    // TRANSLATORS: a switch's meaning in --help; one line of about 55 letters.
    {"-fullscreen", N_("play in full screen (the default)")},
    // TRANSLATORS: a switch's meaning in --help; one line of about 55 letters.
    {"-width N, -height N", N_("the size of the window")},
    // TRANSLATORS: a switch's meaning in --help; one line of about 55 letters.
    {"-startx N, -starty N", N_("where the window opens")},
    // TRANSLATORS: a switch's meaning in --help; one line of about 55 letters.
    {"-adapter N", N_("the display to play on")},
    // TRANSLATORS: a switch's meaning in --help; one line of about 55 letters.
    {"-forceref", N_("draw with the software renderer")},
    // TRANSLATORS: a switch's meaning in --help; one line of about 55 letters.
    {"-constantframetime[:S]", N_("advance the game S seconds a frame (0.0333)")},
    // TRANSLATORS: a switch's meaning in --help; one line of about 55 letters.
    {"-quitafterframe N", N_("end after N frames")},
    // TRANSLATORS: a switch's meaning in --help; one line of about 55 letters.
    {"-noerrormsgboxes", N_("report fatal errors by exit code only, without a box")},
    // TRANSLATORS: a switch's meaning in --help; one line of about 55 letters.
    {"-automation", N_("read commands from standard input (see the manual page)")},
};

// Answers --help and --version in the reader's language.
bool answerInfo(std::span<const std::string_view> arguments) {
    // The translated texts live here while the answer is written.
    std::deque<std::string> texts;
    const auto keep = [&texts](std::string text) -> std::string_view {
        return texts.emplace_back(std::move(text));
    };
    qv::ProgramInfo info{
        "Showfloor",
        // TRANSLATORS: --help's usage line after the program's name.
        keep(qv::tr8("[-SWITCH]...")),
        // TRANSLATORS: --help's summary under the usage line; a line break where it fits.
        keep(qv::tr8("The full-screen quiz game for one to nine players. Switches start with - "
                     "or / and may\nbe shortened; a value follows a colon or comes as the next "
                     "argument.")),
        {},
        // TRANSLATORS: the last line of --help; "quizvale" is the launcher's command.
        keep(qv::tr8("Normally started by the launcher, quizvale.")),
    };
    for (const OptionText& option : showfloorOptions) {
        info.options.push_back({option.name, keep(qv::tr8(option.meaning))});
    }
    qv::HelpWords words;
    // TRANSLATORS: --help's first line begins with this, then the program's name
    // (keep the space at the end).
    words.usage = keep(qv::tr8("Usage: "));
    // TRANSLATORS: --help's heading above the list of switches.
    words.options = keep(qv::tr8("Options:"));
    // TRANSLATORS: the meaning of --help in the --help text.
    words.helpMeaning = keep(qv::tr8("print this help and exit"));
    // TRANSLATORS: the meaning of --version in the --help text.
    words.versionMeaning = keep(qv::tr8("print the version and exit"));
    return qv::answerInfoOption(info, arguments, std::cout, words);
}

} // namespace

int main(int argc, char** argv) {
    // First of all, before anything allocates through SDL.
    qv::useLargeBlocksForSdl();
    // Before any text is looked up: the language of the session, then the
    // one the player chose in Settings, if any.
    qv::i18n::setUp(qv::i18n::localeFolder(), qv::i18n::gameDomain);
    qv::IniSettingsStore frameworkSettings(qv::frameworkSettingsFile());
    qv::chooseSavedLanguage(frameworkSettings);
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (answerInfo(arguments)) {
        return 0;
    }
    qv::SdlMessageBox messages;
    qv::XdgShellOpener shell;
    qv::SdlRuntimeDiagnostics diagnostics;
    return qv::runShowfloor({messages, shell, diagnostics, frameworkSettings}, arguments);
}

// SPDX-License-Identifier: MIT
#include "game/shell/AutomationCommand.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

#include "common/Utf16.h"
#include "game/shell/ScriptedInputSource.h"
#include "game/shell/VirtualPad.h"

namespace qv {

namespace {

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t' || line[at] == '\r')) {
            ++at;
        }
        std::size_t end = at;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r') {
            ++end;
        }
        if (end > at) {
            out.push_back(line.substr(at, end - at));
        }
        at = end;
    }
    return out;
}

template <typename T> bool number(std::string_view text, T& value) {
    const char* end = text.data() + text.size();
    const auto [last, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc{} && last == end;
}

// The file name of shot is the rest of the line, so that it may hold blanks.
std::string_view restAfterWord(std::string_view line, std::string_view word) {
    std::string_view rest =
        line.substr(static_cast<std::size_t>(word.data() - line.data()) + word.size());
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) {
        rest.remove_prefix(1);
    }
    while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t' || rest.back() == '\r')) {
        rest.remove_suffix(1);
    }
    return rest;
}

} // namespace

ParseOutcome parseAutomationCommand(std::string_view line, AutomationCommand& command,
                                    std::string& error) {
    const std::vector<std::string_view> w = words(line);
    if (w.empty() || w.front().front() == '#') {
        return ParseOutcome::Blank;
    }
    using Kind = AutomationCommand::Kind;
    const std::string_view verb = w.front();
    const std::size_t args = w.size() - 1;
    AutomationCommand c;
    const auto bad = [&](const std::string& why) {
        error = why + ": " + std::string(line.substr(0, 200));
        return ParseOutcome::Error;
    };
    const auto noArguments = [&](Kind kind) {
        if (args != 0) {
            return bad("takes no arguments");
        }
        c.kind = kind;
        command = c;
        return ParseOutcome::Command;
    };
    if (verb == "seed") {
        if (args != 1 || !number(w[1], c.seed)) {
            return bad("seed needs a number from 0 to 4294967295");
        }
        c.kind = Kind::Seed;
    } else if (verb == "wait") {
        if (args != 1 || !number(w[1], c.seconds) || !std::isfinite(c.seconds) || c.seconds < 0 ||
            c.seconds > 86400) {
            return bad("wait needs seconds from 0 to 86400");
        }
        c.kind = Kind::Wait;
    } else if (verb == "frames") {
        if (args != 1 || !number(w[1], c.frames) || c.frames < 0 || c.frames > 10'000'000) {
            return bad("frames needs a count from 0 to 10000000");
        }
        c.kind = Kind::Frames;
    } else if (verb == "move") {
        if (args != 2 || !number(w[1], c.x) || !number(w[2], c.y) || !std::isfinite(c.x) ||
            !std::isfinite(c.y)) {
            return bad("move needs two numbers");
        }
        c.kind = Kind::Move;
    } else if (verb == "key" || verb == "hold" || verb == "release") {
        if (args != 1 || !ScriptedInputSource::codeOf(w[1])) {
            return bad("unknown key");
        }
        c.kind = verb == "key" ? Kind::Key : verb == "hold" ? Kind::Hold : Kind::Release;
        c.name = std::string(w[1]);
    } else if (verb == "pad") {
        if (args != 1 || (w[1] != "attach" && w[1] != "detach" && !VirtualPad::buttonOf(w[1]))) {
            return bad("pad needs attach, detach or a button (a, b, x, y, start, back, up, "
                       "down, left, right)");
        }
        c.kind = Kind::Pad;
        c.name = std::string(w[1]);
    } else if (verb == "text") {
        // The rest of the line after one blank, blanks kept, so that a space
        // can be typed; only the line end's CR goes.
        std::string_view text =
            line.substr(static_cast<std::size_t>(verb.data() - line.data()) + verb.size());
        if (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
            text.remove_prefix(1);
        }
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        std::u16string checked;
        if (text.empty()) {
            return bad("text needs a string");
        }
        if (!utf16FromUtf8(text, checked)) {
            return bad("text is not UTF-8");
        }
        c.kind = Kind::Text;
        c.name = std::string(text);
    } else if (verb == "shot") {
        const std::string_view file = args == 0 ? std::string_view{} : restAfterWord(line, w[0]);
        if (file.empty()) {
            return bad("shot needs a file");
        }
        c.kind = Kind::Shot;
        c.name = std::string(file);
    } else if (verb == "down") {
        return noArguments(Kind::Down);
    } else if (verb == "up") {
        return noArguments(Kind::Up);
    } else if (verb == "click") {
        return noArguments(Kind::Click);
    } else if (verb == "dump") {
        return noArguments(Kind::Dump);
    } else if (verb == "quit") {
        return noArguments(Kind::Quit);
    } else {
        return bad("unknown command");
    }
    command = c;
    return ParseOutcome::Command;
}

} // namespace qv

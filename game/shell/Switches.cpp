// SPDX-License-Identifier: MIT
#include "game/shell/Switches.h"

#include <array>
#include <charconv>
#include <optional>
#include <system_error>

namespace qv {

namespace {

enum class Kind { Flag, Number, OptionalSeconds, Place };

enum class Name {
    Adapter,
    Windowed,
    FullScreen,
    ForceHal,
    ForceRef,
    ForcePureHwvp,
    ForceHwvp,
    ForceSwvp,
    Width,
    Height,
    StartX,
    StartY,
    ConstantFrameTime,
    QuitAfterFrame,
    NoErrorMessageBoxes,
    Automation,
    Phones,
};

struct SwitchDef {
    std::string_view text;
    Name name;
    Kind kind;
};

// Matching is by beginning, in this order.
constexpr std::array<SwitchDef, 17> table{{
    {"adapter", Name::Adapter, Kind::Number},
    {"windowed", Name::Windowed, Kind::Flag},
    {"fullscreen", Name::FullScreen, Kind::Flag},
    {"forcehal", Name::ForceHal, Kind::Flag},
    {"forceref", Name::ForceRef, Kind::Flag},
    {"forcepurehwvp", Name::ForcePureHwvp, Kind::Flag},
    {"forcehwvp", Name::ForceHwvp, Kind::Flag},
    {"forceswvp", Name::ForceSwvp, Kind::Flag},
    {"width", Name::Width, Kind::Number},
    {"height", Name::Height, Kind::Number},
    {"startx", Name::StartX, Kind::Number},
    {"starty", Name::StartY, Kind::Number},
    {"constantframetime", Name::ConstantFrameTime, Kind::OptionalSeconds},
    {"quitafterframe", Name::QuitAfterFrame, Kind::Number},
    {"noerrormsgboxes", Name::NoErrorMessageBoxes, Kind::Flag},
    {"automation", Name::Automation, Kind::Flag},
    {"phones", Name::Phones, Kind::Place},
}};

char lowered(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithName(std::string_view token, std::string_view name) {
    if (token.size() < name.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (lowered(token[i]) != name[i]) {
            return false;
        }
    }
    return true;
}

// The whole text must be the number: "12abc" is no value.
std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [last, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || last != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<float> seconds(std::string_view text) {
    float value = 0;
    const char* end = text.data() + text.size();
    const auto [last, ec] = std::from_chars(text.data(), end, value);
    // Time that stands still or runs backwards would freeze or unwind every
    // timed state of the game.
    if (text.empty() || ec != std::errc{} || last != end || !(value > 0.0f) || value > 10.0f) {
        return std::nullopt;
    }
    return value;
}

void apply(Switches& s, Name name, int number) {
    switch (name) {
    case Name::Adapter:
        s.adapter = number;
        break;
    case Name::Width:
        s.width = number > 0 ? number : 0;
        break;
    case Name::Height:
        s.height = number > 0 ? number : 0;
        break;
    case Name::StartX:
        s.startX = number;
        s.startXGiven = true;
        break;
    case Name::StartY:
        s.startY = number;
        s.startYGiven = true;
        break;
    case Name::QuitAfterFrame:
        s.quitAfterFrame = number > 0 ? number : 0;
        break;
    default:
        break;
    }
}

void applyFlag(Switches& s, Name name) {
    switch (name) {
    case Name::Windowed:
        s.windowed = true;
        break;
    case Name::FullScreen:
        s.fullScreen = true;
        break;
    case Name::ForceHal:
        s.forceHal = true;
        break;
    case Name::ForceRef:
        s.forceRef = true;
        break;
    case Name::ForcePureHwvp:
        s.forcePureHwvp = true;
        break;
    case Name::ForceHwvp:
        s.forceHwvp = true;
        break;
    case Name::ForceSwvp:
        s.forceSwvp = true;
        break;
    case Name::NoErrorMessageBoxes:
        s.noErrorMessageBoxes = true;
        break;
    case Name::Automation:
        s.automation = true;
        break;
    default:
        break;
    }
}

// "-phones", "-phones:PORT", "-phones:ADDRESS:PORT" (an IPv6 address in
// brackets). A value that is no such place leaves phones off.
void applyPlace(Switches& s, std::string_view value) {
    std::string address;
    int port = 7373;
    if (!value.empty()) {
        const std::size_t colon = value.rfind(':');
        std::string_view portText = value;
        if (colon != std::string_view::npos) {
            address = std::string(value.substr(0, colon));
            portText = value.substr(colon + 1);
            if (address.size() > 2 && address.front() == '[' && address.back() == ']') {
                address = address.substr(1, address.size() - 2);
            }
            if (address.empty()) {
                return;
            }
        }
        const std::optional<int> number = wholeNumber(portText);
        if (!number || *number < 0 || *number > 65535) {
            return;
        }
        port = *number;
    }
    s.phones = true;
    s.phonesAddress = address;
    s.phonesPort = port;
}

} // namespace

Switches parseSwitches(std::span<const std::string_view> arguments,
                       const std::function<void(const std::string&)>& debugLine) {
    Switches result;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view token = arguments[i];
        if (!token.empty() && (token.front() == '-' || token.front() == '/')) {
            token.remove_prefix(1);
        }
        const SwitchDef* found = nullptr;
        for (const SwitchDef& def : table) {
            if (startsWithName(token, def.text)) {
                found = &def;
                break;
            }
        }
        if (found == nullptr) {
            if (debugLine) {
                debugLine("Unrecognized flag: " + std::string(token));
            }
            continue;
        }
        const std::size_t colon = token.find(':', found->text.size());
        const bool hasColon = colon == found->text.size();
        std::string_view value = hasColon ? token.substr(colon + 1) : std::string_view{};
        // "-quitafterframe 10": the number is the next argument.
        const bool nextIsValue =
            !hasColon && i + 1 < arguments.size() &&
            (found->kind == Kind::Number
                 ? wholeNumber(arguments[i + 1]).has_value()
                 : found->kind == Kind::OptionalSeconds && seconds(arguments[i + 1]).has_value());
        if (nextIsValue) {
            value = arguments[++i];
        }
        switch (found->kind) {
        case Kind::Flag:
            applyFlag(result, found->name);
            break;
        case Kind::Number:
            if (const auto number = wholeNumber(value)) {
                apply(result, found->name, *number);
            }
            break;
        case Kind::Place:
            applyPlace(result, value);
            break;
        case Kind::OptionalSeconds:
            result.constantFrameTime = true;
            if (const auto s = seconds(value)) {
                result.constantFrameSeconds = *s;
            }
            break;
        }
    }
    return result;
}

} // namespace qv

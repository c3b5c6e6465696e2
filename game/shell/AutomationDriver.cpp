// SPDX-License-Identifier: MIT
#include "game/shell/AutomationDriver.h"

#include "game/engine/ScreenViewport.h"

#include <cmath>
#include <istream>
#include <memory>
#include <ostream>

#include <SDL.h>
#include <SDL_image.h>

#include "common/Utf16.h"
#include "game/shell/ScriptedInputSource.h"
#include "game/shell/VirtualPad.h"

namespace qv {

namespace {

// A line longer than this is no command; the rest of it is dropped.
constexpr std::size_t maxLineLength = 4096;

bool readLine(std::istream& in, std::string& line) {
    line.clear();
    char c = 0;
    bool any = false;
    while (in.get(c)) {
        any = true;
        if (c == '\n') {
            return true;
        }
        if (line.size() < maxLineLength) {
            line += c;
        }
    }
    return any;
}

} // namespace

AutomationDriver::AutomationDriver(std::istream& commands, std::ostream& out, std::ostream& errors,
                                   ScriptedInputSource& input, float frameSeconds, Hooks hooks,
                                   std::filesystem::path baseFolder)
    : commands_(commands), out_(out), errors_(errors), input_(input),
      frameSeconds_(frameSeconds > 0 ? frameSeconds : 0.0333f), hooks_(std::move(hooks)),
      baseFolder_(std::move(baseFolder)) {}

AutomationDriver::~AutomationDriver() = default;

void AutomationDriver::reportError(const std::string& message) {
    errors_ << "error: " << message << '\n';
    errors_.flush();
}

long long AutomationDriver::framesFor(double seconds, float frameSeconds) {
    if (seconds <= 0 || frameSeconds <= 0) {
        return 0;
    }
    // A hair of tolerance, so that 1.0 s at 0.25 s a frame is 4 frames and not
    // 5 because of rounding in the float step.
    return static_cast<long long>(std::ceil(seconds / frameSeconds - 1e-6));
}

void AutomationDriver::beginFrame() {
    while (true) {
        if (framesLeft_ > 0) {
            --framesLeft_;
            return;
        }
        if (!steps_.empty()) {
            Step step = std::move(steps_.front());
            steps_.pop_front();
            if (step.action) {
                step.action();
            }
            framesLeft_ = step.frames;
            continue;
        }
        if (quitting_) {
            return;
        }
        std::string line;
        if (!readLine(commands_, line)) {
            quitting_ = true;
            return;
        }
        AutomationCommand command;
        std::string error;
        switch (parseAutomationCommand(line, command, error)) {
        case ParseOutcome::Command:
            carryOut(command);
            break;
        case ParseOutcome::Error:
            reportError(error);
            break;
        case ParseOutcome::Blank:
            break;
        }
    }
}

void AutomationDriver::carryOut(const AutomationCommand& c) {
    using Kind = AutomationCommand::Kind;
    ScriptedInputSource& input = input_;
    const std::string name = c.name;
    switch (c.kind) {
    case Kind::Seed:
        if (hooks_.seed) {
            hooks_.seed(c.seed);
        }
        break;
    case Kind::Wait:
        steps_.push_back({{}, framesFor(c.seconds, frameSeconds_)});
        break;
    case Kind::Frames:
        steps_.push_back({{}, c.frames});
        break;
    case Kind::Move:
        input.moveTo(c.x, c.y);
        break;
    case Kind::Down:
        input.buttonDown();
        break;
    case Kind::Up:
        input.buttonUp();
        break;
    case Kind::Click:
        steps_.push_back({[&input] { input.buttonDown(); }, 1});
        steps_.push_back({[&input] { input.buttonUp(); }, 1});
        break;
    case Kind::Key:
        // The key is up again in the frame after the one it went down in;
        // the command is done once that frame has run too.
        steps_.push_back({[&input, name] { input.keyDown(name); }, 1});
        steps_.push_back({[&input, name] { input.keyUp(name); }, 1});
        break;
    case Kind::Hold:
        input.keyDown(name);
        break;
    case Kind::Release:
        input.keyUp(name);
        break;
    case Kind::Pad:
        carryOutPad(name);
        break;
    case Kind::Text:
        // Typed in one go, as an input method commits its text; the command
        // is done once the frame that takes it has run.
        steps_.push_back({[&input, name] { input.typeText(utf16FromUtf8Lossy(name)); }, 1});
        break;
    case Kind::Dump:
        out_ << (hooks_.dump ? hooks_.dump() : std::string("{}")) << '\n';
        out_.flush();
        break;
    case Kind::Shot:
        shotFile_ = (baseFolder_ / std::filesystem::path(c.name)).string();
        break;
    case Kind::Quit:
        quitting_ = true;
        break;
    }
}

void AutomationDriver::carryOutPad(const std::string& what) {
    if (what == "attach") {
        if (!pad_) {
            pad_ = std::make_unique<VirtualPad>();
        }
        std::string why;
        if (!pad_->attach(why)) {
            reportError("pad attach failed: " + why);
            return;
        }
        // The game takes the pad up from SDL's device event, which the events
        // before the next frame bring.
        steps_.push_back({{}, 1});
        return;
    }
    if (what == "detach") {
        if (pad_) {
            pad_->detach();
        }
        steps_.push_back({{}, 1});
        return;
    }
    const auto button = VirtualPad::buttonOf(what);
    if (!button || !pad_ || !pad_->attached()) {
        reportError("pad " + what + ": no pad is attached");
        return;
    }
    // SDL reports a virtual button with the events before the next frame:
    // the press reaches the game in the command's second frame, and the
    // release after it.
    VirtualPad& pad = *pad_;
    const SDL_GameControllerButton b = *button;
    steps_.push_back({[&pad, b] { pad.set(b, true); }, 1});
    steps_.push_back({[&pad, b] { pad.set(b, false); }, 1});
}

void AutomationDriver::endFrame(SDL_Renderer* renderer) {
    if (shotFile_ && renderer != nullptr) {
        if (!saveRendererPng(renderer, *shotFile_)) {
            reportError("shot could not write " + *shotFile_);
        }
        shotFile_.reset();
    }
    if (quitting_ && !quitDone_ && framesLeft_ == 0 && steps_.empty()) {
        quitDone_ = true;
        if (hooks_.quit) {
            hooks_.quit();
        }
    }
}

bool saveRendererPng(SDL_Renderer* renderer, const std::string& file) {
    // The whole window in its own pixels, the bars beside the logical
    // screen included.
    int width = 0;
    int height = 0;
    if (SDL_GetRendererOutputSize(renderer, &width, &height) != 0 || width <= 0 || height <= 0) {
        return false;
    }
    struct SurfaceDeleter {
        void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
    };
    std::unique_ptr<SDL_Surface, SurfaceDeleter> surface(
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!surface) {
        return false;
    }
    // Null reads the viewport: opened to the whole output for the read.
    SDL_Rect viewport{};
    SDL_RenderGetViewport(renderer, &viewport);
    bool read = SDL_RenderSetViewport(renderer, nullptr) == 0 &&
                SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, surface->pixels,
                                     surface->pitch) == 0;
    restoreViewport(renderer, viewport);
    return read && IMG_SavePNG(surface.get(), file.c_str()) == 0;
}

} // namespace qv

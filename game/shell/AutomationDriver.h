// SPDX-License-Identifier: MIT
#pragma once
// Runs the automation command stream against the frames of the game. At the
// start of each frame it reads and carries out commands until one of them
// needs frames to pass; at the end of a drawn frame it takes a screenshot
// that was asked for and ends the program after a quit. The game's time
// moves only with those frames, so reading a command may block as long as it
// likes.

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "game/shell/AutomationCommand.h"

struct SDL_Renderer;

namespace qv {

class ScriptedInputSource;
class VirtualPad;

class AutomationDriver {
public:
    struct Hooks {
        std::function<void(std::uint32_t)> seed;
        // One JSON object without line breaks.
        std::function<std::string()> dump;
        // Called at the end of the frame after quit (or after the input ended).
        std::function<void()> quit;
    };

    // Everything is used, not owned. `frameSeconds` is the constant step of
    // one frame; relative screenshot files are taken from `baseFolder`.
    AutomationDriver(std::istream& commands, std::ostream& out, std::ostream& errors,
                     ScriptedInputSource& input, float frameSeconds, Hooks hooks,
                     std::filesystem::path baseFolder = {});
    // Unplugs the pad the script attached.
    ~AutomationDriver();
    AutomationDriver(const AutomationDriver&) = delete;
    AutomationDriver& operator=(const AutomationDriver&) = delete;

    void beginFrame();
    // `renderer` holds the frame just drawn and not yet presented; null when
    // nothing was drawn.
    void endFrame(SDL_Renderer* renderer);

    bool quitting() const { return quitting_; }

    // Frames that `wait seconds` runs at `frameSeconds` a frame.
    static long long framesFor(double seconds, float frameSeconds);

private:
    struct Step {
        std::function<void()> action;
        long long frames = 0;
    };
    void carryOut(const AutomationCommand& command);
    void carryOutPad(const std::string& what);
    void reportError(const std::string& message);

    std::istream& commands_;
    std::ostream& out_;
    std::ostream& errors_;
    ScriptedInputSource& input_;
    float frameSeconds_;
    Hooks hooks_;
    std::deque<Step> steps_;
    long long framesLeft_ = 0;
    bool quitting_ = false;
    bool quitDone_ = false;
    std::filesystem::path baseFolder_;
    std::optional<std::string> shotFile_;
    // Made by the first "pad attach".
    std::unique_ptr<VirtualPad> pad_;
};

// Writes what the renderer drew (before present) to a PNG file. False when
// the pixels could not be read or the file not written.
bool saveRendererPng(SDL_Renderer* renderer, const std::string& file);

} // namespace qv

#pragma once
// One run of the real Showfloor in automation mode, talked to line by line:
// commands go to its standard input, each dump comes back as one line of
// JSON on its standard output. Headless: SDL's dummy video and audio drivers,
// no display variables, a private XDG config folder.

#include "MiniJson.h"

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qv::test {

class ShowfloorSession {
public:
    ShowfloorSession() = default;
    // Ends the program if it still runs.
    ~ShowfloorSession();
    ShowfloorSession(const ShowfloorSession&) = delete;
    ShowfloorSession& operator=(const ShowfloorSession&) = delete;

    // Starts `program` in `folder` (its product folder) with the arguments.
    bool start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& configHome);
    void send(const std::string& command);
    // The game's state now; nothing when the program does not answer within
    // a minute or answers with something that is not JSON.
    std::optional<Json> dump();
    // Sends quit and waits for the exit code (-1 when it did not exit).
    int finish();
    // What the program wrote on standard error so far.
    std::string errors() const;

private:
    bool readLine(std::string& line);

    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
    std::string pending_;
    std::filesystem::path errorFile_;
};

} // namespace qv::test

#pragma once
// A running Showfloor in automation mode that a test talks to line by line:
// commands go to its standard input, dumps come back from its standard
// output, so the test can act on what the game shows.

#include <sys/types.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace qv::test {

class ShowfloorSession {
public:
    // Starts `program` (-automation -windowed) in `folder` on the dummy
    // drivers; its standard error goes to `folder`/err.txt.
    ShowfloorSession(const std::filesystem::path& program, const std::filesystem::path& folder);
    // Ends the input (which quits the game) and waits for it.
    ~ShowfloorSession();
    ShowfloorSession(const ShowfloorSession&) = delete;
    ShowfloorSession& operator=(const ShowfloorSession&) = delete;

    bool running() const { return pid_ > 0; }
    // Sends one or more lines.
    void send(const std::string& lines);
    // Sends "dump" and returns the line it prints; empty when the game has
    // gone.
    std::string dump();
    // Closes the input and returns the exit code (-1 when it did not exit).
    int finish();

private:
    pid_t pid_ = -1;
    std::FILE* toGame_ = nullptr;
    std::FILE* fromGame_ = nullptr;
};

} // namespace qv::test

#pragma once
// A running Showfloor in automation mode that a test talks to line by line:
// commands go to its standard input, dumps come back from its standard
// output, so the test can act on what the game shows.

#include <sys/types.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace qv::test {

// The little-endian int32 of a stored count.
inline std::string le32(std::uint32_t n) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((n >> (8 * i)) & 0xFF);
    }
    return bytes;
}

// An ASCII text as the game stores strings: a count, then UTF-16LE units.
inline std::string stored(const std::string& ascii) {
    std::string bytes = le32(static_cast<std::uint32_t>(ascii.size()));
    for (char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

// The number after `"key": ` in `json` from `from` on; -1 when absent.
inline long long numberAfter(const std::string& json, const std::string& key,
                             std::size_t from = 0) {
    const std::string tag = "\"" + key + "\": ";
    const std::size_t at = json.find(tag, from);
    if (at == std::string::npos) {
        return -1;
    }
    return std::strtoll(json.c_str() + at + tag.size(), nullptr, 10);
}

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

// SPDX-License-Identifier: MIT
#pragma once
// The phone server: the phone page and one WebSocket per phone, served on the
// local network from threads of its own. The game never waits for it: each
// frame it takes the phones' presses and joins (takeEvents) and hands over
// what the phones should show (publish); the server sends that to every
// phone from its own thread.
//
// What reaches the game is checked first: a connection must come from the
// page's own origin and name the room (or a token it was given); every
// message is at most 1 KB and parsed strictly; a phone sending more than a
// few messages a second is cut off; at most nine players and sixteen
// watchers. Only the page's three files and its words are served, from
// memory.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/phones/PhoneMessage.h"
#include "game/phones/PhoneRoom.h"

namespace qv {

// What the phones show, made by the game.
struct PhoneView {
    // "title", "names", "playing", "results" or "settings".
    std::string screen = "title";
    int turnPlayer = -1;              // whose turn it is while playing
    std::string turnName;             // that player's name
    std::string question;             // while a question is shown
    std::vector<std::string> answers; // the four answers while shown
    // The buttons that would work on the television now.
    std::vector<PhoneButton> enabled;
    // The language the page's words are in ("en", "de"...): a phone whose
    // words are in another fetches them again.
    std::string language = "en";
    struct Result {
        std::string name;
        std::string money;
        bool operator==(const Result&) const = default;
    };
    std::vector<Result> results; // on the results screen, best first
    bool operator==(const PhoneView&) const = default;
};

struct PhoneEvent {
    enum class Kind { Joined, Press };
    Kind kind = Kind::Joined;
    std::size_t seat = 0;
    PhoneButton button = PhoneButton::A;
};

class PhoneServer {
public:
    struct Options {
        // Empty: every address of this machine.
        std::string address;
        int port = 7373;
        // Messages a phone may send in one second before it is cut off.
        int messagesPerSecond = 20;
    };

    // Starts listening. Nothing (and the reason in `error`) when the port
    // cannot be had; the game carries on without phones.
    static std::unique_ptr<PhoneServer> start(const Options& options, std::string& error);
    ~PhoneServer();
    PhoneServer(const PhoneServer&) = delete;
    PhoneServer& operator=(const PhoneServer&) = delete;

    // The port listened on (the one asked for, or the one the system gave
    // for port 0).
    int port() const;
    // "http://ADDRESS:PORT": the first address of the local network, or the
    // address listened on.
    std::string pageAddress() const;
    // Every address a phone may use, for the settings screen.
    std::vector<std::string> pageAddresses() const;

    // The game's side, from its own thread.
    std::vector<PhoneEvent> takeEvents();
    void publish(const PhoneView& view);
    // The page's own words in the game's language, served as /words.json
    // (a JSON object made by the game).
    void setPageWords(std::string json);
    // A copy of the room, for the game to read seats and names.
    PhoneRoom room() const;
    std::string roomCode() const;
    void seatAsPlayer(std::size_t seat, int player);
    void waitingWatch();
    // A new game from the menu: a new code, the phones named again.
    void newGame();
    // Play Again: a new code, every phone keeps its player.
    void newCode();

    // Counters, for tests and the benchmark.
    struct Counters {
        std::uint64_t refusedConnections = 0;
        std::uint64_t refusedMessages = 0;
        std::uint64_t openConnections = 0;
    };
    Counters counters() const;

    struct State;

private:
    explicit PhoneServer(std::unique_ptr<State> state);
    std::unique_ptr<State> state_;
};

// The page's files, built into the program.
struct PhonePageFile {
    const char* path;
    const char* contentType;
    const unsigned char* data;
    std::size_t size;
};
const std::vector<PhonePageFile>& phonePageFiles();

// The IPv4 addresses of the interfaces that are up and not loopback, in the
// system's order; "127.0.0.1" when there is none.
std::vector<std::string> localAddresses();

} // namespace qv

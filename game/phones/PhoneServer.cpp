// SPDX-License-Identifier: MIT
#include "game/phones/PhoneServer.h"

#include <arpa/inet.h>
#include <civetweb.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include "common/Translate.h"
#include "game/phones/RoomCode.h"

namespace qv {
namespace {

using Clock = std::chrono::steady_clock;

// Connections that have not joined yet hold a server thread each: beyond
// the players and watchers a few more may be on their way in.
constexpr std::size_t maxConnections = maxPhonePlayers + maxPhoneWatchers + 16;
constexpr std::size_t maxQueuedEvents = 256;

constexpr const char* securityHeaders =
    "Content-Security-Policy: default-src 'none'; script-src 'self'; style-src 'self'; "
    "img-src 'self' data:; connect-src 'self'; base-uri 'none'; form-action 'none'; "
    "frame-ancestors 'none'\r\n"
    "X-Content-Type-Options: nosniff\r\n"
    "X-Frame-Options: DENY\r\n"
    "Referrer-Policy: no-referrer\r\n"
    "Cache-Control: no-store\r\n";

// The host part of a Host header is one of the addresses a phone is given:
// an IP literal or localhost. A name that resolves elsewhere (the trick of
// rebinding a web site's name to this machine) is refused.
bool hostIsAddress(std::string_view host) {
    if (host.empty() || host.size() > 64) {
        return false;
    }
    std::string_view name = host;
    if (name.front() == '[') {
        const std::size_t close = name.find(']');
        if (close == std::string_view::npos) {
            return false;
        }
        const std::string_view rest = name.substr(close + 1);
        name = name.substr(1, close - 1);
        if (!rest.empty() && rest.front() != ':') {
            return false;
        }
        return std::all_of(name.begin(), name.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') ||
                   c == ':';
        });
    }
    if (const std::size_t colon = name.find(':'); colon != std::string_view::npos) {
        name = name.substr(0, colon);
    }
    if (name == "localhost") {
        return true;
    }
    in_addr parsed{};
    const std::string copy(name);
    return inet_pton(AF_INET, copy.c_str(), &parsed) == 1;
}

void sendText(mg_connection* conn, const std::string& text) {
    mg_websocket_write(conn, MG_WEBSOCKET_OPCODE_TEXT, text.data(), text.size());
}

std::string roleName(PhoneSeat::Role role) {
    switch (role) {
    case PhoneSeat::Role::Player:
        return "player";
    case PhoneSeat::Role::Watcher:
        return "watcher";
    case PhoneSeat::Role::Waiting:
        break;
    }
    return "waiting";
}

} // namespace

struct PhoneServer::State {
    struct Connection {
        std::optional<std::size_t> seat;
        double allowance = 0.0; // messages it may still send now
        Clock::time_point lastMessage = Clock::now();
        bool needsState = false;
    };

    explicit State(int rate) : room(newRoomCode()), rate(rate) {}

    mg_context* context = nullptr;
    std::string address;
    int port = 0;
    PhoneRoom room;
    int rate;

    mutable std::mutex mutex;
    std::map<const mg_connection*, Connection> connections;
    std::vector<PhoneEvent> events;
    PhoneView view;
    // The page's words until the game gives them: the page keeps its own.
    std::string pageWords = R"({"lang":"en","words":{}})";
    Counters counters;

    // The sender: writes states to phones outside the handlers' threads.
    std::mutex writeMutex; // held while writing, and by a closing connection
    std::condition_variable wake;
    bool stopping = false;
    std::thread sender;

    std::string stateMessage(const PhoneSeat* seat) const;
    void markAllForState();
    void runSender();
};

std::string PhoneServer::State::stateMessage(const PhoneSeat* seat) const {
    std::string out = "{\"type\":\"state\",\"screen\":" + jsonQuoted(view.screen) +
                      ",\"room\":" + jsonQuoted(room.code()) +
                      ",\"lang\":" + jsonQuoted(view.language);
    if (seat) {
        out += ",\"you\":{\"name\":" + jsonQuoted(seat->name) + ",\"role\":\"" +
               roleName(seat->role) + "\",\"player\":" + std::to_string(seat->player) + "}";
    }
    out += ",\"turn\":" + std::to_string(view.turnPlayer) +
           ",\"turnName\":" + jsonQuoted(view.turnName);
    const bool yourTurn = seat && seat->role == PhoneSeat::Role::Player &&
                          seat->player == view.turnPlayer && view.screen == "playing";
    out += ",\"yourTurn\":";
    out += yourTurn ? "true" : "false";
    out += ",\"question\":" + jsonQuoted(view.question) + ",\"answers\":[";
    for (std::size_t i = 0; i < view.answers.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += jsonQuoted(view.answers[i]);
    }
    out += "],\"enabled\":[";
    if (yourTurn) {
        for (std::size_t i = 0; i < view.enabled.size(); ++i) {
            out += i > 0 ? ",\"" : "\"";
            out += phoneButtonName(view.enabled[i]);
            out += '"';
        }
    }
    out += "],\"results\":[";
    for (std::size_t i = 0; i < view.results.size(); ++i) {
        out += i > 0 ? ",{\"name\":" : "{\"name\":";
        out += jsonQuoted(view.results[i].name);
        out += ",\"money\":";
        out += jsonQuoted(view.results[i].money);
        out += '}';
    }
    out += "]}";
    return out;
}

void PhoneServer::State::markAllForState() {
    for (auto& [conn, connection] : connections) {
        if (connection.seat) {
            connection.needsState = true;
        }
    }
    wake.notify_one();
}

void PhoneServer::State::runSender() {
    std::unique_lock lock(mutex);
    while (!stopping) {
        wake.wait(lock, [this] {
            return stopping || std::any_of(connections.begin(), connections.end(),
                                           [](const auto& c) { return c.second.needsState; });
        });
        if (stopping) {
            break;
        }
        std::vector<std::pair<const mg_connection*, std::string>> out;
        for (auto& [conn, connection] : connections) {
            if (connection.needsState && connection.seat &&
                *connection.seat < room.seats().size()) {
                out.emplace_back(conn, stateMessage(&room.seats()[*connection.seat]));
            }
            connection.needsState = false;
        }
        lock.unlock();
        {
            // A connection closes only while no write is under way, so each
            // one written to is still there (closing ones left the map).
            std::lock_guard writing(writeMutex);
            for (auto& [conn, text] : out) {
                bool open = false;
                {
                    std::lock_guard guard(mutex);
                    open = connections.count(conn) != 0;
                }
                if (open) {
                    sendText(const_cast<mg_connection*>(conn), text);
                }
            }
        }
        lock.lock();
    }
}

namespace {

PhoneServer::State& stateOf(void* data) {
    return *static_cast<PhoneServer::State*>(data);
}

int servePage(mg_connection* conn, void* data) {
    const mg_request_info* request = mg_get_request_info(conn);
    const std::string_view method = request->request_method ? request->request_method : "";
    std::string_view path = request->local_uri ? request->local_uri : "";
    if (method != "GET" && method != "HEAD") {
        mg_printf(conn,
                  "HTTP/1.1 405 Method Not Allowed\r\nAllow: GET, HEAD\r\n%sContent-Length: "
                  "0\r\nConnection: close\r\n\r\n",
                  securityHeaders);
        return 405;
    }
    if (path == "/" || path == "/index.html") {
        path = "/index.html";
    }
    if (path == "/words.json") {
        std::string words;
        {
            const PhoneServer::State& state = stateOf(data);
            std::lock_guard guard(state.mutex);
            words = state.pageWords;
        }
        mg_printf(conn,
                  "HTTP/1.1 200 OK\r\nContent-Type: application/json; charset=utf-8\r\n%sContent-"
                  "Length: %zu\r\n\r\n",
                  securityHeaders, words.size());
        if (method == "GET") {
            mg_write(conn, words.data(), words.size());
        }
        return 200;
    }
    for (const PhonePageFile& file : phonePageFiles()) {
        if (path == file.path) {
            mg_printf(conn, "HTTP/1.1 200 OK\r\nContent-Type: %s\r\n%sContent-Length: %zu\r\n\r\n",
                      file.contentType, securityHeaders, file.size);
            if (method == "GET") {
                mg_write(conn, file.data, file.size);
            }
            return 200;
        }
    }
    static constexpr char notFound[] = "Not found";
    mg_printf(
        conn,
        "HTTP/1.1 404 Not Found\r\nContent-Type: text/plain; charset=utf-8\r\n%sContent-Length: "
        "%zu\r\n\r\n",
        securityHeaders, sizeof notFound - 1);
    if (method == "GET") {
        mg_write(conn, notFound, sizeof notFound - 1);
    }
    return 404;
}

int socketConnecting(const mg_connection* conn, void* data) {
    PhoneServer::State& state = stateOf(data);
    const char* host = mg_get_header(conn, "Host");
    const char* origin = mg_get_header(conn, "Origin");
    std::lock_guard guard(state.mutex);
    // Only the page this server gave out may open a socket: a page of any
    // other site has another origin, and one that rebinds its name to this
    // machine has a host that is no address.
    const bool sameOrigin = host && origin && hostIsAddress(host) &&
                            std::string_view(origin) == "http://" + std::string(host);
    if (!sameOrigin || state.connections.size() >= maxConnections) {
        ++state.counters.refusedConnections;
        return 1;
    }
    PhoneServer::State::Connection connection;
    connection.allowance = state.rate;
    state.connections.emplace(conn, connection);
    state.counters.openConnections = state.connections.size();
    return 0;
}

void socketClosed(const mg_connection* conn, void* data) {
    PhoneServer::State& state = stateOf(data);
    std::lock_guard writing(state.writeMutex);
    std::lock_guard guard(state.mutex);
    auto found = state.connections.find(conn);
    if (found == state.connections.end()) {
        return;
    }
    const std::optional<std::size_t> seat = found->second.seat;
    state.connections.erase(found);
    state.counters.openConnections = state.connections.size();
    if (seat) {
        const bool stillThere = std::any_of(state.connections.begin(), state.connections.end(),
                                            [&](const auto& c) { return c.second.seat == seat; });
        state.room.setConnected(*seat, stillThere);
    }
}

// Refills the connection's allowance for the time since its last message;
// false when it has none left.
bool withinRate(PhoneServer::State::Connection& connection, int rate) {
    const Clock::time_point now = Clock::now();
    const double seconds = std::chrono::duration<double>(now - connection.lastMessage).count();
    connection.lastMessage = now;
    connection.allowance = std::min<double>(rate, connection.allowance + seconds * rate);
    if (connection.allowance < 1.0) {
        return false;
    }
    connection.allowance -= 1.0;
    return true;
}

int socketData(mg_connection* conn, int flags, char* bytes, std::size_t length, void* data) {
    PhoneServer::State& state = stateOf(data);
    const int opcode = flags & 0x0F;
    const bool finished = (flags & 0x80) != 0;
    if (opcode == MG_WEBSOCKET_OPCODE_CONNECTION_CLOSE) {
        return 0;
    }
    if (opcode == MG_WEBSOCKET_OPCODE_PING || opcode == MG_WEBSOCKET_OPCODE_PONG) {
        return 1;
    }
    std::string reply;
    bool keep = true;
    bool joinedNow = false;
    {
        std::lock_guard guard(state.mutex);
        auto found = state.connections.find(conn);
        if (found == state.connections.end()) {
            return 0;
        }
        PhoneServer::State::Connection& connection = found->second;
        // One whole text frame a message: fragments, binary frames and
        // anything past the size limit end the connection.
        std::optional<PhoneMessage> message;
        if (opcode == MG_WEBSOCKET_OPCODE_TEXT && finished && length <= maxPhoneMessageBytes) {
            message = parsePhoneMessage(std::string_view(bytes, length));
        }
        if (!message || !withinRate(connection, state.rate)) {
            ++state.counters.refusedMessages;
            return 0;
        }
        switch (message->kind) {
        case PhoneMessage::Kind::Ping:
            break;
        case PhoneMessage::Kind::Join: {
            if (connection.seat) {
                // Joined once on this connection is enough.
                ++state.counters.refusedMessages;
                return 0;
            }
            const std::string token = newPhoneToken();
            const PhoneRoom::JoinResult result = state.room.join(*message, token);
            if (result.outcome == PhoneRoom::Outcome::Joined ||
                result.outcome == PhoneRoom::Outcome::CameBack) {
                connection.seat = result.seat;
                // The state follows once the reply is out (below), so a phone
                // always learns its token first.
                joinedNow = true;
                const PhoneSeat& seat = state.room.seats()[result.seat];
                reply = "{\"type\":\"joined\",\"token\":\"" + seat.token +
                        "\",\"name\":" + jsonQuoted(seat.name) + "}";
                if (result.outcome == PhoneRoom::Outcome::Joined &&
                    state.events.size() < maxQueuedEvents) {
                    state.events.push_back({PhoneEvent::Kind::Joined, result.seat, PhoneButton::A});
                }
            } else {
                ++state.counters.refusedMessages;
                const char* reason = result.outcome == PhoneRoom::Outcome::Full ? "full"
                                     : result.outcome == PhoneRoom::Outcome::UnknownToken
                                         ? "unknown"
                                         : "room";
                reply = std::string("{\"type\":\"refused\",\"reason\":\"") + reason + "\"}";
                keep = false;
            }
            break;
        }
        case PhoneMessage::Kind::Press:
            if (!connection.seat) {
                ++state.counters.refusedMessages;
                return 0;
            }
            if (state.events.size() < maxQueuedEvents) {
                state.events.push_back(
                    {PhoneEvent::Kind::Press, *connection.seat, message->button});
            }
            break;
        }
    }
    if (!reply.empty()) {
        sendText(conn, reply);
    }
    if (joinedNow) {
        std::lock_guard guard(state.mutex);
        if (auto found = state.connections.find(conn); found != state.connections.end()) {
            found->second.needsState = true;
            state.wake.notify_one();
        }
    }
    return keep ? 1 : 0;
}

} // namespace

std::unique_ptr<PhoneServer> PhoneServer::start(const Options& options, std::string& error) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { mg_init_library(0); });

    auto state = std::make_unique<State>(std::max(1, options.messagesPerSecond));
    const std::string port = std::to_string(options.port);
    std::string listening = options.address.empty() ? port
                            : options.address.find(':') != std::string::npos
                                ? "[" + options.address + "]:" + port
                                : options.address + ":" + port;
    const std::string threads = std::to_string(maxConnections + 8);
    const char* config[] = {"listening_ports", listening.c_str(), "num_threads", threads.c_str(),
                            "request_timeout_ms", "10000", "websocket_timeout_ms", "60000",
                            "enable_keep_alive", "no", "enable_directory_listing", "no",
                            "max_request_size", "8192",
                            // A tap is a few bytes: sent at once, not held back
                            // for more to go with it.
                            "tcp_nodelay", "1", nullptr};
    mg_callbacks callbacks{};
    // civetweb reports its own errors to standard error unless told
    // otherwise; the game says what went wrong on its own screen.
    callbacks.log_message = [](const mg_connection*, const char*) { return 1; };
    mg_init_data init{};
    init.callbacks = &callbacks;
    init.user_data = nullptr;
    init.configuration_options = config;
    mg_error_data errorData{};
    char errorText[256] = {};
    errorData.text = errorText;
    errorData.text_buffer_size = sizeof errorText;
    state->context = mg_start2(&init, &errorData);
    if (!state->context) {
        error = errorText[0]
                    // TRANSLATORS: shown in Settings when the phones cannot be switched on;
                    // the first %s is a port number, the second the network library's reason.
                    ? fillPlaceholders(tr8("Phones: port %s cannot be used (%s)"), port, errorText)
                    // TRANSLATORS: shown in Settings when the phones cannot be switched on;
                    // %s is a port number.
                    : fillPlaceholders(tr8("Phones: port %s cannot be used"), port);
        return nullptr;
    }
    mg_server_port ports[4]{};
    const int portCount = mg_get_server_ports(state->context, 4, ports);
    state->port = portCount > 0 ? ports[0].port : options.port;
    state->address = options.address;
    mg_set_request_handler(state->context, "**", servePage, state.get());
    mg_set_websocket_handler(state->context, "/ws", socketConnecting, nullptr, socketData,
                             socketClosed, state.get());
    State* raw = state.get();
    state->sender = std::thread([raw] { raw->runSender(); });
    return std::unique_ptr<PhoneServer>(new PhoneServer(std::move(state)));
}

namespace {

// Opens and closes one connection to the server's own port.
void knock(const std::string& address, int port) {
    const bool six = address.find(':') != std::string::npos;
    const int fd = socket(six ? AF_INET6 : AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return;
    }
    if (six) {
        sockaddr_in6 to{};
        to.sin6_family = AF_INET6;
        to.sin6_port = htons(static_cast<std::uint16_t>(port));
        if (inet_pton(AF_INET6, address.c_str(), &to.sin6_addr) == 1) {
            connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to);
        }
    } else {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(static_cast<std::uint16_t>(port));
        const std::string host = address.empty() || address == "0.0.0.0" ? "127.0.0.1" : address;
        if (inet_pton(AF_INET, host.c_str(), &to.sin_addr) == 1) {
            connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to);
        }
    }
    close(fd);
}

} // namespace

PhoneServer::PhoneServer(std::unique_ptr<State> state) : state_(std::move(state)) {}

PhoneServer::~PhoneServer() {
    {
        std::lock_guard guard(state_->mutex);
        state_->stopping = true;
    }
    state_->wake.notify_one();
    if (state_->sender.joinable()) {
        state_->sender.join();
    }
    // civetweb's listening thread looks at its stop flag only between waits
    // of up to two seconds, which would hold up every quit of the game: a
    // connection of our own to the port ends each wait at once.
    std::atomic<bool> stopped{false};
    std::thread nudge([this, &stopped] {
        while (!stopped) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            knock(state_->address, state_->port);
        }
    });
    mg_stop(state_->context);
    stopped = true;
    nudge.join();
}

int PhoneServer::port() const {
    return state_->port;
}

std::vector<std::string> PhoneServer::pageAddresses() const {
    std::vector<std::string> out;
    const std::string port = std::to_string(state_->port);
    if (!state_->address.empty() && state_->address != "0.0.0.0") {
        const bool six = state_->address.find(':') != std::string::npos;
        out.push_back("http://" + (six ? "[" + state_->address + "]" : state_->address) + ":" +
                      port);
        return out;
    }
    for (const std::string& address : localAddresses()) {
        out.push_back("http://" + address + ":" + port);
    }
    return out;
}

std::string PhoneServer::pageAddress() const {
    std::vector<std::string> all = pageAddresses();
    return all.empty() ? std::string() : all.front();
}

std::vector<PhoneEvent> PhoneServer::takeEvents() {
    std::lock_guard guard(state_->mutex);
    return std::exchange(state_->events, {});
}

void PhoneServer::publish(const PhoneView& view) {
    std::lock_guard guard(state_->mutex);
    if (state_->view == view) {
        return;
    }
    state_->view = view;
    state_->markAllForState();
}

void PhoneServer::setPageWords(std::string json) {
    std::lock_guard guard(state_->mutex);
    state_->pageWords = std::move(json);
}

PhoneRoom PhoneServer::room() const {
    std::lock_guard guard(state_->mutex);
    return state_->room;
}

std::string PhoneServer::roomCode() const {
    std::lock_guard guard(state_->mutex);
    return state_->room.code();
}

void PhoneServer::seatAsPlayer(std::size_t seat, int player) {
    std::lock_guard guard(state_->mutex);
    state_->room.seatAsPlayer(seat, player);
    state_->markAllForState();
}

void PhoneServer::waitingWatch() {
    std::lock_guard guard(state_->mutex);
    state_->room.waitingWatch();
    state_->markAllForState();
}

void PhoneServer::newGame() {
    std::lock_guard guard(state_->mutex);
    state_->room.newGame(newRoomCode());
    state_->markAllForState();
}

void PhoneServer::newCode() {
    std::lock_guard guard(state_->mutex);
    state_->room.newCode(newRoomCode());
    state_->markAllForState();
}

PhoneServer::Counters PhoneServer::counters() const {
    std::lock_guard guard(state_->mutex);
    return state_->counters;
}

std::vector<std::string> localAddresses() {
    std::vector<std::string> out;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) == 0) {
        for (ifaddrs* entry = list; entry; entry = entry->ifa_next) {
            if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET ||
                !(entry->ifa_flags & IFF_UP) || (entry->ifa_flags & IFF_LOOPBACK)) {
                continue;
            }
            char text[INET_ADDRSTRLEN] = {};
            const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
            if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text)) {
                out.emplace_back(text);
            }
        }
        freeifaddrs(list);
    }
    if (out.empty()) {
        out.emplace_back("127.0.0.1");
    }
    return out;
}

} // namespace qv

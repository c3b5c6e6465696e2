// SPDX-License-Identifier: MIT
#pragma once
// A deliberately plain TCP client for the phone server's tests: it writes
// whatever bytes a test gives it, well-formed or not, and reads what comes
// back, always on the loopback address.

#include <cstdint>
#include <string>
#include <string_view>

namespace qv::test {

class RawClient {
public:
    explicit RawClient(int port);
    ~RawClient();
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    bool connected() const { return fd_ >= 0; }
    bool send(std::string_view bytes);
    // Everything that arrives until `until` is in it, the peer closes, or
    // `timeoutMs` passes.
    std::string receive(std::string_view until = {}, int timeoutMs = 2000);
    // True when the server has closed the connection (reads end of file).
    bool closedByPeer(int timeoutMs = 2000);

    // An HTTP request line and headers for a WebSocket upgrade on /ws.
    static std::string upgradeRequest(int port, std::string_view origin);
    // One client frame (masked, as a browser sends it).
    static std::string frame(std::uint8_t opcode, std::string_view payload, bool finished = true);
    // Opens the socket with the page's own origin; true on "101".
    bool upgrade(int port);
    // The text of the next server frame (unmasked, short), or empty.
    std::string nextText(int timeoutMs = 2000);

private:
    int fd_ = -1;
    std::string pending_;
};

} // namespace qv::test

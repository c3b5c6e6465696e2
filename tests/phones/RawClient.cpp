// SPDX-License-Identifier: MIT
#include "tests/phones/RawClient.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <utility>

namespace qv::test {

RawClient::RawClient(int port) {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    // As a browser does: small messages go out at once.
    const int on = 1;
    setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    if (fd_ >= 0 && connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd_);
        fd_ = -1;
    }
}

RawClient::~RawClient() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

bool RawClient::send(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

std::string RawClient::receive(std::string_view until, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (until.empty() || pending_.find(until) == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            break;
        }
        pollfd poller{fd_, POLLIN, 0};
        if (poll(&poller, 1, static_cast<int>(left.count())) <= 0) {
            break;
        }
        char buffer[4096];
        const ssize_t got = recv(fd_, buffer, sizeof buffer, 0);
        if (got <= 0) {
            break;
        }
        pending_.append(buffer, static_cast<std::size_t>(got));
    }
    return std::exchange(pending_, {});
}

bool RawClient::closedByPeer(int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
        pollfd poller{fd_, POLLIN, 0};
        if (poll(&poller, 1, 50) > 0) {
            char buffer[4096];
            const ssize_t got = recv(fd_, buffer, sizeof buffer, 0);
            if (got <= 0) {
                return true;
            }
        }
    }
    return false;
}

std::string RawClient::upgradeRequest(int port, std::string_view origin) {
    const std::string host = "127.0.0.1:" + std::to_string(port);
    std::string request = "GET /ws HTTP/1.1\r\nHost: " + host +
                          "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                          "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                          "Sec-WebSocket-Version: 13\r\n";
    if (!origin.empty()) {
        request += "Origin: " + std::string(origin) + "\r\n";
    }
    return request + "\r\n";
}

std::string RawClient::frame(std::uint8_t opcode, std::string_view payload, bool finished) {
    std::string out;
    out += static_cast<char>((finished ? 0x80 : 0x00) | opcode);
    const std::size_t size = payload.size();
    if (size < 126) {
        out += static_cast<char>(0x80 | size);
    } else if (size < 65536) {
        out += static_cast<char>(0x80 | 126);
        out += static_cast<char>(size >> 8);
        out += static_cast<char>(size & 0xFF);
    } else {
        out += static_cast<char>(0x80 | 127);
        for (int shift = 56; shift >= 0; shift -= 8) {
            out += static_cast<char>((static_cast<std::uint64_t>(size) >> shift) & 0xFF);
        }
    }
    const char mask[4] = {0x12, 0x34, 0x56, 0x78};
    out.append(mask, 4);
    for (std::size_t i = 0; i < size; ++i) {
        out += static_cast<char>(payload[i] ^ mask[i % 4]);
    }
    return out;
}

bool RawClient::upgrade(int port) {
    send(upgradeRequest(port, "http://127.0.0.1:" + std::to_string(port)));
    const std::string reply = receive("\r\n\r\n");
    const std::size_t headerEnd = reply.find("\r\n\r\n");
    if (headerEnd != std::string::npos) {
        pending_ = reply.substr(headerEnd + 4);
    }
    return reply.rfind("HTTP/1.1 101", 0) == 0;
}

std::string RawClient::nextText(int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (pending_.size() >= 2) {
            std::size_t length = static_cast<std::uint8_t>(pending_[1]) & 0x7F;
            std::size_t header = 2;
            if (length == 126 && pending_.size() >= 4) {
                length = (static_cast<std::size_t>(static_cast<std::uint8_t>(pending_[2])) << 8) |
                         static_cast<std::uint8_t>(pending_[3]);
                header = 4;
            }
            if (length < 126 || header == 4) {
                if (pending_.size() >= header + length) {
                    std::string text = pending_.substr(header, length);
                    pending_.erase(0, header + length);
                    return text;
                }
            }
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return {};
        }
        pollfd poller{fd_, POLLIN, 0};
        if (poll(&poller, 1, static_cast<int>(left.count())) <= 0) {
            return {};
        }
        char buffer[4096];
        const ssize_t got = recv(fd_, buffer, sizeof buffer, 0);
        if (got <= 0) {
            return {};
        }
        pending_.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace qv::test

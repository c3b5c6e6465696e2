// SPDX-License-Identifier: MIT
// The phone server as the game meets it, on the loopback address, with a
// stand-in for the game's frame loop at 60 frames a second that takes the
// phones' presses and answers each with a new view, as the game does:
//
//  - tap to reaction: a phone's press until that phone receives the view the
//    press caused (median and 95th percentile of 200 taps);
//  - the game's side of the server under churn: the longest time one frame
//    spends in takeEvents and publish while 200 connections are opened and
//    dropped (and the longest frame of the loop, for comparison);
//  - idle: the CPU the server's threads use in ten seconds with two phones
//    joined and nothing happening, and the memory the server takes.
//
// Prints one line a figure; exit code 1 when the server cannot start.
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "game/phones/PhoneServer.h"
#include "tests/phones/RawClient.h"

namespace {

using Clock = std::chrono::steady_clock;
using qv::test::RawClient;

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

} // namespace

int main() {
    const long before = residentKilobytes();
    qv::PhoneServer::Options options;
    options.address = "127.0.0.1";
    options.port = 0;
    options.messagesPerSecond = 100;
    std::string error;
    auto server = qv::PhoneServer::start(options, error);
    if (!server) {
        std::printf("error: %s\n", error.c_str());
        return 1;
    }
    const int port = server->port();

    // The game's frame loop: presses answered with a view naming the count.
    std::atomic<bool> running{true};
    std::atomic<long long> longestServerCallNs{0};
    std::atomic<long long> longestFrameNs{0};
    std::atomic<bool> measureFrames{false};
    std::thread game([&] {
        int presses = 0;
        auto next = Clock::now();
        while (running) {
            const auto frameStart = Clock::now();
            for (const qv::PhoneEvent& event : server->takeEvents()) {
                if (event.kind == qv::PhoneEvent::Kind::Joined) {
                    server->seatAsPlayer(event.seat, static_cast<int>(event.seat));
                } else {
                    ++presses;
                }
            }
            qv::PhoneView view;
            view.screen = "playing";
            view.turnPlayer = 0;
            view.question = "Press " + std::to_string(presses);
            view.enabled = {qv::PhoneButton::A};
            server->publish(view);
            const auto serverDone = Clock::now();
            if (measureFrames) {
                const long long call = std::chrono::nanoseconds(serverDone - frameStart).count();
                longestServerCallNs = std::max(longestServerCallNs.load(), call);
            }
            next += std::chrono::microseconds(16667);
            std::this_thread::sleep_until(next);
            if (measureFrames) {
                const long long frame = std::chrono::nanoseconds(Clock::now() - frameStart).count();
                longestFrameNs = std::max(longestFrameNs.load(), frame);
            }
        }
    });

    RawClient phone(port);
    RawClient watcher(port);
    phone.upgrade(port);
    watcher.upgrade(port);
    phone.send(RawClient::frame(1, R"({"type":"join","room":")" + server->roomCode() +
                                       R"(","name":"Ann"})"));
    watcher.send(RawClient::frame(1, R"({"type":"join","room":")" + server->roomCode() +
                                         R"(","name":"Bob"})"));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    while (!phone.nextText(50).empty()) {
    }

    // Tap to reaction.
    std::vector<double> taps;
    for (int i = 1; i <= 200; ++i) {
        const std::string expected = "Press " + std::to_string(i) + "\"";
        const auto start = Clock::now();
        phone.send(RawClient::frame(1, R"({"type":"press","button":"a"})"));
        for (std::string text = phone.nextText(1000); !text.empty(); text = phone.nextText(1000)) {
            if (text.find(expected) != std::string::npos) {
                taps.push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                break;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!taps.empty()) {
        std::printf("tap to reaction: median %.2f ms, 95th percentile %.2f ms (%zu taps)\n",
                    percentile(taps, 0.5), percentile(taps, 0.95), taps.size());
    }

    // 200 connections opened and dropped while the frames go on.
    measureFrames = true;
    std::string upgrade =
        RawClient::upgradeRequest(port, "http://127.0.0.1:" + std::to_string(port));
    const std::string page = "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    for (int batch = 0; batch < 10; ++batch) {
        std::vector<std::unique_ptr<RawClient>> clients;
        for (int i = 0; i < 20; ++i) {
            auto client = std::make_unique<RawClient>(port);
            client->send(i % 2 ? upgrade : page);
            clients.push_back(std::move(client));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    measureFrames = false;
    std::printf(
        "200 connections opened and dropped: game side of the server at most %.3f ms a frame, "
        "longest frame %.2f ms\n",
        static_cast<double>(longestServerCallNs.load()) / 1e6,
        static_cast<double>(longestFrameNs.load()) / 1e6);

    // Idle: two phones joined, nothing pressed, the frames going on.
    const double cpuBefore = cpuSeconds();
    std::this_thread::sleep_for(std::chrono::seconds(10));
    const double cpuIdle = cpuSeconds() - cpuBefore;
    std::printf("idle with two phones: %.1f ms of CPU in 10 s (the stand-in frame loop included), "
                "server memory %ld KB\n",
                cpuIdle * 1000.0, residentKilobytes() - before);
    running = false;
    game.join();
    return 0;
}

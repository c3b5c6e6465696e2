// SPDX-License-Identifier: MIT
#include "tests/support/ShowfloorSession.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace qv::test {

namespace {

constexpr int answerMilliseconds = 60000;

} // namespace

ShowfloorSession::ShowfloorSession(const std::filesystem::path& program,
                                   const std::filesystem::path& folder,
                                   const std::vector<std::string>& arguments) {
    // A game that has gone must not take the test with it on the next send.
    std::signal(SIGPIPE, SIG_IGN);
    errorFile_ = folder / "err.txt";
    int in[2];
    int out[2];
    if (pipe(in) != 0) {
        return;
    }
    if (pipe(out) != 0) {
        close(in[0]);
        close(in[1]);
        return;
    }
    std::vector<std::string> storage{program.string()};
    storage.insert(storage.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& s : storage) {
        argv.push_back(s.data());
    }
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        const int err = open(errorFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (err >= 0) {
            dup2(err, 2);
        }
        close(in[1]);
        close(out[0]);
        if (chdir(folder.c_str()) != 0) {
            _exit(126);
        }
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    if (pid < 0) {
        close(in[1]);
        close(out[0]);
        return;
    }
    pid_ = pid;
    toGame_ = in[1];
    fromGame_ = out[0];
}

ShowfloorSession::~ShowfloorSession() {
    finish();
}

void ShowfloorSession::send(const std::string& lines) {
    std::string text = lines;
    if (text.empty() || text.back() != '\n') {
        text += '\n';
    }
    std::size_t done = 0;
    while (toGame_ >= 0 && done < text.size()) {
        const ssize_t n = write(toGame_, text.data() + done, text.size() - done);
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

bool ShowfloorSession::readLine(std::string& line) {
    while (fromGame_ >= 0) {
        const std::size_t end = pending_.find('\n');
        if (end != std::string::npos) {
            line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return true;
        }
        pollfd p{fromGame_, POLLIN, 0};
        if (poll(&p, 1, answerMilliseconds) <= 0) {
            return false;
        }
        char buffer[65536];
        const ssize_t n = read(fromGame_, buffer, sizeof buffer);
        if (n <= 0) {
            return false;
        }
        pending_.append(buffer, static_cast<std::size_t>(n));
    }
    return false;
}

std::string ShowfloorSession::dump() {
    send("dump");
    std::string line;
    return readLine(line) ? line : std::string();
}

std::optional<Json> ShowfloorSession::dumpJson() {
    const std::string line = dump();
    if (line.empty()) {
        return std::nullopt;
    }
    return Json::parse(line);
}

bool ShowfloorSession::waitFor(const std::function<bool(const Json&)>& done, double seconds,
                               Json& last) {
    for (double t = 0; t <= seconds; t += 0.5) {
        auto d = dumpJson();
        if (!d) {
            return false;
        }
        last = *d;
        if (done(last)) {
            return true;
        }
        send("wait 0.5");
    }
    return false;
}

int ShowfloorSession::finish() {
    if (toGame_ >= 0) {
        close(toGame_);
        toGame_ = -1;
    }
    if (pid_ <= 0) {
        return -1;
    }
    // Read what is left, so the game never writes into a closed pipe, and
    // wait for it to end by itself.
    int status = 0;
    pid_t done = 0;
    for (int tick = 0; tick < answerMilliseconds / 50 && done == 0; ++tick) {
        if (fromGame_ >= 0) {
            pollfd p{fromGame_, POLLIN, 0};
            if (poll(&p, 1, 50) > 0) {
                char buffer[65536];
                if (read(fromGame_, buffer, sizeof buffer) <= 0) {
                    close(fromGame_);
                    fromGame_ = -1;
                }
            }
        } else {
            usleep(50000);
        }
        done = waitpid(pid_, &status, WNOHANG);
    }
    if (done == 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
        status = -1;
    }
    pid_ = -1;
    if (fromGame_ >= 0) {
        close(fromGame_);
        fromGame_ = -1;
    }
    return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ShowfloorSession::errors() const {
    std::ifstream in(errorFile_, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace qv::test

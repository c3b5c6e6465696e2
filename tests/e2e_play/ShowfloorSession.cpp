#include "ShowfloorSession.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace qv::test {

ShowfloorSession::~ShowfloorSession() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (toChild_ >= 0) {
        close(toChild_);
    }
    if (fromChild_ >= 0) {
        close(fromChild_);
    }
}

bool ShowfloorSession::start(const std::filesystem::path& program,
                             const std::vector<std::string>& arguments,
                             const std::filesystem::path& configHome) {
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0) {
        return false;
    }
    errorFile_ = configHome / "stderr.txt";
    const pid_t pid = fork();
    if (pid < 0) {
        return false;
    }
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        const int err = open(errorFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (err >= 0) {
            dup2(err, 2);
        }
        close(in[1]);
        close(out[0]);
        if (chdir(program.parent_path().c_str()) != 0) {
            _exit(127);
        }
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
        std::vector<std::string> storage{program.string()};
        storage.insert(storage.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (auto& s : storage) {
            argv.push_back(s.data());
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    pid_ = pid;
    toChild_ = in[1];
    fromChild_ = out[0];
    signal(SIGPIPE, SIG_IGN);
    return true;
}

void ShowfloorSession::send(const std::string& command) {
    const std::string line = command + "\n";
    std::size_t done = 0;
    while (toChild_ >= 0 && done < line.size()) {
        const ssize_t n = write(toChild_, line.data() + done, line.size() - done);
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

bool ShowfloorSession::readLine(std::string& line) {
    for (;;) {
        const std::size_t end = pending_.find('\n');
        if (end != std::string::npos) {
            line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return true;
        }
        pollfd p{fromChild_, POLLIN, 0};
        if (poll(&p, 1, 60000) <= 0) {
            return false;
        }
        char buffer[65536];
        const ssize_t n = read(fromChild_, buffer, sizeof buffer);
        if (n <= 0) {
            return false;
        }
        pending_.append(buffer, static_cast<std::size_t>(n));
    }
}

std::optional<Json> ShowfloorSession::dump() {
    send("dump");
    std::string line;
    if (!readLine(line)) {
        return std::nullopt;
    }
    return Json::parse(line);
}

int ShowfloorSession::finish() {
    send("quit");
    if (toChild_ >= 0) {
        close(toChild_);
        toChild_ = -1;
    }
    int status = 0;
    for (int i = 0; i < 600; ++i) {
        const pid_t done = waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        usleep(100000);
    }
    return -1;
}

std::string ShowfloorSession::errors() const {
    std::ifstream in(errorFile_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace qv::test

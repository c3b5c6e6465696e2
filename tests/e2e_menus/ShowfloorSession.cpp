#include "ShowfloorSession.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace qv::test {

ShowfloorSession::ShowfloorSession(const std::filesystem::path& program,
                                   const std::filesystem::path& folder) {
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
    const std::string errors = (folder / "err.txt").string();
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        const int err = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
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
        execl(program.c_str(), program.c_str(), "-automation", "-windowed",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    if (pid_ < 0) {
        close(in[1]);
        close(out[0]);
        return;
    }
    toGame_ = fdopen(in[1], "w");
    fromGame_ = fdopen(out[0], "r");
}

ShowfloorSession::~ShowfloorSession() {
    finish();
}

void ShowfloorSession::send(const std::string& lines) {
    if (toGame_ != nullptr) {
        std::fputs(lines.c_str(), toGame_);
        std::fflush(toGame_);
    }
}

std::string ShowfloorSession::dump() {
    send("dump\n");
    std::string line;
    if (fromGame_ == nullptr) {
        return line;
    }
    for (int c = std::fgetc(fromGame_); c != EOF && c != '\n'; c = std::fgetc(fromGame_)) {
        line += static_cast<char>(c);
    }
    return line;
}

int ShowfloorSession::finish() {
    if (toGame_ != nullptr) {
        std::fclose(toGame_);
        toGame_ = nullptr;
    }
    if (fromGame_ != nullptr) {
        // Read to the end, so the game never writes into a closed pipe.
        while (std::fgetc(fromGame_) != EOF) {
        }
        std::fclose(fromGame_);
        fromGame_ = nullptr;
    }
    if (pid_ <= 0) {
        return -1;
    }
    int status = 0;
    const pid_t done = waitpid(pid_, &status, 0);
    pid_ = -1;
    return done > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace qv::test

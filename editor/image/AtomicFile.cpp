#include "editor/image/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace qv::image {
namespace {

// Closes and, unless released, removes the temporary file.
class TempFile {
public:
    TempFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!kept_) {
            ::unlink(path_.c_str());
        }
    }
    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void keep() { kept_ = true; }

private:
    int fd_;
    std::string path_;
    bool kept_ = false;
};

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                         ImageError* error) {
    auto report = [error](ImageError e) {
        if (error != nullptr) {
            *error = e;
        }
        return e == ImageError::None;
    };
    try {
        std::string pattern = path.string() + ".XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        const int fd = ::mkstemp(name.data());
        if (fd < 0) {
            return report(ImageError::CannotWrite);
        }
        TempFile temp(fd, std::string(name.data()));
        // mkstemp makes the file private; a picture file is an ordinary one.
        ::fchmod(temp.fd(), S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH);
        if (!writeAll(temp.fd(), bytes) || !temp.close()) {
            return report(ImageError::CannotWrite);
        }
        if (std::rename(temp.path().c_str(), path.c_str()) != 0) {
            return report(ImageError::CannotWrite);
        }
        temp.keep();
        return report(ImageError::None);
    } catch (const std::bad_alloc&) {
        return report(ImageError::OutOfMemory);
    }
}

} // namespace qv::image

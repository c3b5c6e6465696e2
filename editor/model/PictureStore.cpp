// SPDX-License-Identifier: MIT
#include "editor/model/PictureStore.h"

#include "common/FileIo.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

#include <atomic>
#include <string>
#include <system_error>

namespace qv {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view storePrefix = ".setwright-pictures-";

// Several editors may run in one process (tests do); each gets its own store.
std::string storeName() {
    static std::atomic<unsigned> serial{0};
    return std::string(storePrefix) + std::to_string(::getpid()) + "-" +
           std::to_string(serial.fetch_add(1));
}

} // namespace

PictureStore::PictureStore(fs::path setsFolder) : folder_(std::move(setsFolder) / storeName()) {}

PictureStore::~PictureStore() {
    clear();
}

void PictureStore::clear() {
    if (made_) {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
        made_ = false;
    }
}

bool PictureStore::ensureFolder() {
    if (made_) {
        return true;
    }
    if (unusable_) {
        return false;
    }
    std::error_code error;
    made_ = fs::create_directory(folder_, error) && !error;
    unusable_ = !made_;
    return made_;
}

fs::path PictureStore::newPicturePath() {
    if (!ensureFolder()) {
        return {};
    }
    // Appended piece by piece: GCC 12 warns wrongly about "p" + string.
    std::string name = "p";
    name += std::to_string(next_++);
    name += ".jpg";
    return folder_ / name;
}

fs::path PictureStore::adopt(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        return {};
    }
    const fs::path target = newPicturePath();
    if (target.empty()) {
        return file;
    }
    if (::link(file.c_str(), target.c_str()) == 0) {
        return target;
    }
    std::string bytes;
    if (readWholeFile(file, bytes, std::size_t{64} << 20) && writeFileAtomically(target, bytes)) {
        return target;
    }
    return {};
}

bool PictureStore::holds(const fs::path& file) const {
    return made_ && file.parent_path() == folder_;
}

void PictureStore::removeLeftovers(const fs::path& setsFolder) {
    std::error_code error;
    for (fs::directory_iterator it(setsFolder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, storePrefix.size(), storePrefix) != 0) {
            continue;
        }
        const std::string rest = name.substr(storePrefix.size());
        const std::size_t dash = rest.find('-');
        const std::string digits = rest.substr(0, dash);
        if (digits.empty() || digits.size() > 9 ||
            digits.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const long pid = std::stol(digits);
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
            std::error_code ignored;
            fs::remove_all(it->path(), ignored);
        }
    }
}

} // namespace qv

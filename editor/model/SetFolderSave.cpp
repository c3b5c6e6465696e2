// SPDX-License-Identifier: MIT
#include "editor/model/SetFolderSave.h"

#include "common/FileIo.h"
#include "common/SetFile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

namespace qv {
namespace fs = std::filesystem;
namespace {

// Leftovers are named ".<set>.new-<pid>" (a save being built) and
// ".<set>.old-<pid>" (the old folder set aside where folders cannot trade
// places in one rename).
std::string hiddenPrefix(const fs::path& folder) {
    // Appended piece by piece: GCC 12 warns wrongly about "." + string.
    std::string prefix(1, '.');
    prefix += folder.filename().string();
    prefix += '.';
    return prefix;
}

fs::path sideFolder(const fs::path& folder, const char* kind, long pid) {
    std::string name = hiddenPrefix(folder);
    name += kind;
    name += '-';
    name += std::to_string(pid);
    return folder.parent_path() / name;
}

bool syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

bool placePicture(const fs::path& source, const fs::path& target) {
    if (::link(source.c_str(), target.c_str()) == 0) {
        return true;
    }
    // Another file system, or one without hard links: copy the bytes.
    std::string bytes;
    return readWholeFile(source, bytes, std::size_t{64} << 20) &&
           writeFileAtomically(target, bytes);
}

// Where the set's folder is a mount point it cannot be renamed: each file of
// the new folder then replaces its namesake on its own (every file whole, the
// set file last), and the set's pictures the new folder lacks go.
bool replaceFileByFile(const fs::path& fresh, const fs::path& folder, const fs::path& setFileName) {
    std::error_code error;
    std::vector<fs::path> files;
    for (fs::directory_iterator it(fresh, error), end; !error && it != end; it.increment(error)) {
        if (it->path().filename() != setFileName) {
            files.push_back(it->path().filename());
        }
    }
    if (error) {
        return false;
    }
    files.push_back(setFileName);
    for (const fs::path& name : files) {
        std::string bytes;
        if (!readWholeFile(fresh / name, bytes, std::size_t{64} << 20) ||
            !writeFileAtomically(folder / name, bytes)) {
            return false;
        }
    }
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code missing;
        if (isPictureFileName(name) && !fs::exists(fresh / name, missing)) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
    return true;
}

bool cannotRename(int error) {
    return error == EBUSY || error == EXDEV;
}

bool step(const SaveStepHook& hook, SaveStep s) {
    return !hook || hook(s);
}

bool processIsGone(long pid) {
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Keeps what else lives in the set's folder: files by hard link into the new
// folder; sub-folders are moved over once the new folder has the set's name.
void linkForeignFiles(const fs::path& folder, const fs::path& fresh, const fs::path& setFileName) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name == setFileName.string() || isPictureFileName(name) || name.front() == '.') {
            continue;
        }
        std::error_code typeError;
        if (it->symlink_status(typeError).type() == fs::file_type::regular) {
            placePicture(it->path(), fresh / name);
        }
    }
}

void moveForeignFolders(const fs::path& from, const fs::path& to) {
    std::error_code error;
    for (fs::directory_iterator it(from, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->symlink_status(typeError).type() == fs::file_type::directory) {
            std::error_code ignored;
            fs::rename(it->path(), to / it->path().filename(), ignored);
        }
    }
}

} // namespace

bool isPictureFileName(std::string_view name) {
    constexpr std::string_view prefix = "pic_for_q_";
    constexpr std::string_view suffix = ".jpg";
    if (name.size() <= prefix.size() + suffix.size() || name.substr(0, prefix.size()) != prefix ||
        name.substr(name.size() - suffix.size()) != suffix) {
        return false;
    }
    const std::string_view digits =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    return digits.find_first_not_of("0123456789") == std::string_view::npos;
}

FolderSaveResult
saveSetFolder(const fs::path& folder, const fs::path& setFileName,
              const std::vector<FolderPicture>& pictures,
              const std::function<std::string(const std::vector<int>& dropped)>& makeSetFile,
              const SaveStepHook& hook) {
    FolderSaveResult result;
    std::error_code error;
    const fs::path fresh = sideFolder(folder, "new", ::getpid());
    fs::remove_all(fresh, error); // an earlier failed save of this process
    auto finish = [&] {
        std::error_code ignored;
        fs::remove_all(fresh, ignored);
        return result;
    };

    if (!step(hook, SaveStep::MakeFolder) || !fs::create_directory(fresh, error)) {
        return finish();
    }
    const fs::file_status existing = fs::symlink_status(folder, error);
    const bool replacing = existing.type() == fs::file_type::directory;
    if (!replacing && existing.type() != fs::file_type::not_found) {
        return finish(); // never replace a file or a link by a folder
    }
    if (replacing) {
        const fs::file_status setFile = fs::symlink_status(folder / setFileName, error);
        if (setFile.type() != fs::file_type::not_found &&
            setFile.type() != fs::file_type::regular) {
            return finish(); // never replace a folder by the set file
        }
    }

    if (!step(hook, SaveStep::Pictures)) {
        return finish();
    }
    for (const FolderPicture& picture : pictures) {
        if (!placePicture(picture.source, fresh / pictureFileName(picture.position))) {
            if (fs::exists(picture.source, error)) {
                return finish(); // the disk refused a picture: a failed save
            }
            result.droppedPictures.push_back(picture.position);
        }
    }
    if (replacing) {
        linkForeignFiles(folder, fresh, setFileName);
    }

    if (!step(hook, SaveStep::SetFile) ||
        !writeFileAtomically(fresh / setFileName, makeSetFile(result.droppedPictures))) {
        return finish();
    }
    if (!step(hook, SaveStep::SyncFolder) || !syncFolder(fresh)) {
        return finish();
    }

    if (!step(hook, SaveStep::Swap)) {
        return finish();
    }
    fs::path old = fresh; // where the old folder is once the new one has its name
    if (!replacing) {
        fs::rename(fresh, folder, error);
        if (error) {
            return finish();
        }
    } else if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, folder.c_str(), RENAME_EXCHANGE) !=
               0) {
        if (cannotRename(errno)) {
            if (!replaceFileByFile(fresh, folder, setFileName)) {
                return finish();
            }
            result.saved = true;
            return finish(); // the new folder goes; its files are in place now
        }
        // A file system that cannot trade two names in one step: set the old
        // folder aside first. A kill between the two renames leaves no set
        // folder, and recoverSetFolder brings the old one back.
        old = sideFolder(folder, "old", ::getpid());
        fs::remove_all(old, error);
        if (::rename(folder.c_str(), old.c_str()) != 0) {
            if (cannotRename(errno) && replaceFileByFile(fresh, folder, setFileName)) {
                result.saved = true;
            }
            return finish();
        }
        fs::rename(fresh, folder, error);
        if (error) {
            std::error_code ignored;
            fs::rename(old, folder, ignored);
            return finish();
        }
    }
    syncFolder(folder.parent_path());
    result.saved = true;

    if (replacing) {
        moveForeignFolders(old, folder);
    }
    if (step(hook, SaveStep::RemoveOld)) {
        fs::remove_all(old, error); // what is left over is cleaned at the next open
    }
    return result;
}

void recoverSetFolder(const fs::path& folder) {
    const fs::path parent = folder.parent_path();
    const std::string prefix = hiddenPrefix(folder);
    std::error_code error;
    std::vector<std::pair<fs::path, long>> leftovers;
    for (fs::directory_iterator it(parent, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        const std::string rest = name.substr(prefix.size());
        if (rest.compare(0, 4, "new-") != 0 && rest.compare(0, 4, "old-") != 0) {
            continue;
        }
        const std::string digits = rest.substr(4);
        if (digits.empty() || digits.size() > 9 ||
            digits.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        leftovers.emplace_back(it->path(), std::stol(digits));
    }
    for (const auto& [path, pid] : leftovers) {
        if (!processIsGone(pid)) {
            continue; // a save of a running editor
        }
        std::error_code e;
        const bool oldFolder = path.filename().string().compare(prefix.size(), 4, "old-") == 0;
        if (oldFolder && !fs::exists(fs::symlink_status(folder, e))) {
            fs::rename(path, folder, e);
            if (!e) {
                continue;
            }
        }
        // The save never makes folders of its own: any in a leftover are
        // the user's, on their way into the new set folder.
        if (fs::is_directory(fs::symlink_status(folder, e))) {
            moveForeignFolders(path, folder);
        }
        fs::remove_all(path, e);
    }
}

} // namespace qv

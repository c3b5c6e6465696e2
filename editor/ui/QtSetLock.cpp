// SPDX-License-Identifier: MIT
#include "editor/ui/QtSetLock.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>

namespace qv {
namespace {

QString nameOf(const std::filesystem::path& file) {
    return QFile::decodeName(QByteArray::fromStdString(file.string()));
}

// A lock is only ever stale because its process is gone: a window may keep
// a set open for days. Null with `holder` set when another process holds
// it; null with `holder` empty when no lock file can be made there (a
// folder that cannot be written, where no save can succeed either).
std::unique_ptr<QLockFile> tryLock(const std::filesystem::path& file, std::string& holder) {
    holder.clear();
    auto lock = std::make_unique<QLockFile>(nameOf(file));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        return lock;
    }
    if (lock->error() != QLockFile::LockFailedError) {
        return nullptr;
    }
    qint64 pid = 0;
    QString host;
    QString program;
    holder = QCoreApplication::translate("Setwright", "another process").toStdString();
    if (lock->getLockInfo(&pid, &host, &program)) {
        //: Who holds a question set: %1 is the process's number, %2 the computer.
        holder = (host.isEmpty() ? QCoreApplication::translate("Setwright", "process %1").arg(pid)
                                 : QCoreApplication::translate("Setwright", "process %1 on %2")
                                       .arg(QString::number(pid), host))
                     .toStdString();
    }
    return nullptr;
}

} // namespace

bool QtSetLock::take(const std::filesystem::path& lockFile, std::string& holder) {
    if (held_ != nullptr && heldPath_ == lockFile) {
        return true;
    }
    std::unique_ptr<QLockFile> lock = tryLock(lockFile, holder);
    if (lock == nullptr && holder.empty()) {
        release(); // no lock can be had there: nothing to guard against
        return true;
    }
    if (lock == nullptr) {
        return false;
    }
    held_ = std::move(lock); // the lock held so far goes
    heldPath_ = lockFile;
    return true;
}

std::optional<std::string> QtSetLock::heldElsewhere(const std::filesystem::path& lockFile) {
    if (held_ != nullptr && heldPath_ == lockFile) {
        return std::nullopt;
    }
    std::string holder;
    if (tryLock(lockFile, holder) != nullptr || holder.empty()) {
        return std::nullopt; // free: the probe's lock goes again at once
    }
    return holder;
}

void QtSetLock::release() {
    held_.reset();
    heldPath_.clear();
}

} // namespace qv

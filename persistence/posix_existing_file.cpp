// SPDX-License-Identifier: GPL-3.0-or-later
// The target file opened for a save in place: the primitive steps, which the saved-game writer
// puts together so that a full disk never leaves a half-written file and a failed write is
// undone (see WriteInPlace).
#include "persistence/file_system.h"
#include "persistence/posix_files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace PosixFiles;

namespace {

class PosixExistingFile final : public ExistingFile {
public:
    explicit PosixExistingFile(int fd) : fd_(fd) {}

    IoError Size(std::uint64_t& size) override {
        struct stat info {};
        if (::fstat(fd_.Get(), &info) != 0)
            return errno;
        size = static_cast<std::uint64_t>(info.st_size);
        return IoOk;
    }

    IoError ReadPrefix(std::size_t count, std::vector<std::uint8_t>& bytes) override {
        return ReadPrefixOf(fd_.Get(), count, bytes);
    }

    IoError Reserve(std::uint64_t size) override {
        // The size stays as it is: a refused save must not lengthen the file.
        if (Retried([&] {
                return ::fallocate(fd_.Get(), FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size));
            }) == 0)
            return IoOk;
        return errno == EOPNOTSUPP ? IoOk : errno;
    }

    IoError FreeSpace(std::uint64_t& bytes) override {
        struct statvfs info {};
        if (::fstatvfs(fd_.Get(), &info) != 0)
            return errno;
        bytes = static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
        return IoOk;
    }

    IoError WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
        while (!bytes.empty()) {
            const ssize_t written = Retried([&] {
                return ::pwrite(fd_.Get(), bytes.data(), bytes.size(), static_cast<off_t>(offset));
            });
            if (written < 0)
                return errno;
            if (written == 0)
                return ENOSPC;
            bytes = bytes.subspan(static_cast<std::size_t>(written));
            offset += static_cast<std::uint64_t>(written);
        }
        return IoOk;
    }

    IoError Truncate(std::uint64_t size) override {
        return Retried([&] { return ::ftruncate(fd_.Get(), static_cast<off_t>(size)); }) == 0
                   ? IoOk
                   : errno;
    }

    IoError Sync() override { return ::fsync(fd_.Get()) == 0 ? IoOk : errno; }

private:
    Descriptor fd_;
};

} // namespace

IoError PosixFileSystem::OpenExisting(const SaveTarget& target,
                                      std::unique_ptr<ExistingFile>& file) {
    // Reading as well keeps the old bytes at hand in case the write fails; a file the player
    // may only write is still written. No link is followed: the target is already the file
    // the links lead to, and a link put in its place since then is not written through.
    const auto open = [&](int mode) {
        return Retried([&] {
            return ::openat(target.Folder->Get(), target.Name.c_str(),
                            mode | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        });
    };
    int fd = open(O_RDWR);
    if (fd < 0 && errno == EACCES)
        fd = open(O_WRONLY);
    if (fd < 0)
        return errno == ELOOP ? EACCES : errno;
    auto opened = std::make_unique<PosixExistingFile>(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return errno;
    if (!S_ISREG(info.st_mode))
        return EACCES;
    // Loads wait for the whole new game (see ReadPrefix).
    if (const IoError error = LockFile(fd, LOCK_EX); error != IoOk)
        return error;
    file = std::move(opened);
    return IoOk;
}

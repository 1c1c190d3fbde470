// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/file_system.h"
#include "persistence/posix_files.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace PosixFiles;

namespace {

// Links lead on for at most this many steps, as the kernel's own limit for paths.
constexpr int MostLinkSteps = 40;

using Folder = std::shared_ptr<Descriptor>;

// Opens the folder of `path` (taken from `base` when relative) and names the file in it.
IoError Locate(int base, const std::string& path, Folder& folder, std::string& name) {
    if (path.empty() || path.back() == '/')
        return EISDIR;
    const int fd = Retried(
        [&] { return ::openat(base, FolderOf(path).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC); });
    if (fd < 0)
        return errno;
    folder = std::make_shared<Descriptor>(fd);
    name = path.substr(path.rfind('/') + 1);
    return IoOk;
}

IoError ReadLink(int folder, const std::string& name, std::string& target) {
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = ::readlinkat(folder, name.c_str(), buffer.data(), buffer.size());
        if (length < 0)
            return errno;
        if (static_cast<std::size_t>(length) < buffer.size()) {
            target.assign(buffer.data(), static_cast<std::size_t>(length));
            return IoOk;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// The game follows the last link of a path on its own, so it applies the kernel's rule for
// shared folders such as /tmp (fs.protected_symlinks) as well: there another user's link is
// not followed, lest it lead the save into a file of the player's.
bool MayFollow(int folder, const struct stat& link) {
    struct stat info {};
    if (::fstat(folder, &info) != 0)
        return false;
    const bool shared = (info.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == info.st_uid;
}

// A name in a folder, with nothing found under it yet.
SaveTarget TargetIn(const Folder& folder, const std::string& name) {
    SaveTarget target;
    target.Folder = folder;
    target.Name = name;
    return target;
}

// Records an existing file. A plain file is opened, without following a link put in its
// place since, to read its extended attributes later; the record comes from what was opened.
SaveTarget Found(const Folder& folder, const std::string& name, struct stat info) {
    SaveTarget target = TargetIn(folder, name);
    target.Exists = true;
    if (S_ISREG(info.st_mode)) {
        const auto open = [&](int mode) {
            return Retried([&] {
                return ::openat(folder->Get(), name.c_str(),
                                mode | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            });
        };
        int fd = open(O_RDONLY);
        if (fd < 0 && errno == EACCES)
            fd = open(O_WRONLY);
        if (fd >= 0) {
            target.File = std::make_shared<Descriptor>(fd);
            if (::fstat(fd, &info) != 0)
                target.File.reset();
        }
    }
    target.Regular = S_ISREG(info.st_mode);
    target.Writable = ::faccessat(folder->Get(), name.c_str(), W_OK, AT_EACCESS) == 0;
    target.Owner = info.st_uid;
    target.Group = info.st_gid;
    target.Mode = info.st_mode & 07777;
    return target;
}

} // namespace

IoError PosixFileSystem::Inspect(const std::string& path, SaveTarget& target) {
    Folder folder;
    std::string name;
    if (const IoError error = Locate(AT_FDCWD, path, folder, name); error != IoOk)
        return error;
    for (int step = 0; step <= MostLinkSteps; ++step) {
        struct stat info {};
        if (::fstatat(folder->Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return errno;
            target = TargetIn(folder, name);
            return IoOk;
        }
        if (!S_ISLNK(info.st_mode)) {
            target = Found(folder, name, info);
            return IoOk;
        }
        if (!MayFollow(folder->Get(), info))
            return EACCES;
        std::string linkTarget;
        if (const IoError error = ReadLink(folder->Get(), name, linkTarget); error != IoOk)
            return error;
        // A relative link leads from the folder the link lies in.
        Folder next;
        if (const IoError error = Locate(folder->Get(), linkTarget, next, name); error != IoOk)
            return error;
        folder = std::move(next);
    }
    return ELOOP;
}

IoError PosixFileSystem::ReadPrefix(const std::string& path, std::size_t count,
                                    std::vector<std::uint8_t>& bytes) {
    // Non-blocking open, so that a pipe under the chosen name cannot hang the game.
    const Descriptor file(
        Retried([&] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); }));
    if (!file.Valid())
        return errno;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        return errno;
    if (!S_ISREG(info.st_mode))
        return S_ISDIR(info.st_mode) ? EISDIR : EACCES;
    if (const IoError error = LockFile(file.Get(), LOCK_SH); error != IoOk)
        return error;
    return ReadPrefixOf(file.Get(), count, bytes);
}

namespace PosixFiles {

IoError ReadPrefixOf(int fd, std::size_t count, std::vector<std::uint8_t>& bytes) {
    bytes.assign(count, 0);
    std::size_t filled = 0;
    while (filled < count) {
        const ssize_t got = Retried([&] {
            return ::pread(fd, bytes.data() + filled, count - filled, static_cast<off_t>(filled));
        });
        if (got < 0)
            return errno;
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return IoOk;
}

IoError LockFile(int fd, int operation) {
    using namespace std::chrono_literals;
    const auto giveUp = std::chrono::steady_clock::now() + 3s;
    for (;;) {
        if (Retried([&] { return ::flock(fd, operation | LOCK_NB); }) == 0)
            return IoOk;
        const IoError error = errno;
        if (error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS)
            return IoOk;
        if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= giveUp)
            return error;
        std::this_thread::sleep_for(5ms);
    }
}

void UnlinkIfSameFile(int folder, const char* name, int fd) {
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) == 0 && ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        opened.st_dev == named.st_dev && opened.st_ino == named.st_ino)
        ::unlinkat(folder, name, 0);
}

Descriptor::~Descriptor() {
    if (fd_ >= 0)
        ::close(fd_);
}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace PosixFiles

// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/file_system.h"
#include "persistence/posix_files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace PosixFiles;

namespace {

// Links lead on for at most this many steps, as the kernel's own limit for paths.
constexpr int MostLinkSteps = 40;

IoError ReadLink(const std::string& path, std::string& target) {
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (length < 0)
            return errno;
        if (static_cast<std::size_t>(length) < buffer.size()) {
            target.assign(buffer.data(), static_cast<std::size_t>(length));
            return IoOk;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// A relative link leads from the folder the link lies in.
std::string Follow(const std::string& link, const std::string& linkTarget) {
    if (!linkTarget.empty() && linkTarget.front() == '/')
        return linkTarget;
    return FolderOf(link) + "/" + linkTarget;
}

} // namespace

IoError PosixFileSystem::Inspect(const std::string& path, SaveTarget& target) {
    std::string current = path;
    for (int step = 0; step <= MostLinkSteps; ++step) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno != ENOENT)
                return errno;
            target = {.Path = current, .Folder = FolderOf(current)};
            return IoOk;
        }
        if (S_ISLNK(info.st_mode)) {
            std::string linkTarget;
            if (const IoError error = ReadLink(current, linkTarget); error != IoOk)
                return error;
            current = Follow(current, linkTarget);
            continue;
        }
        target = {.Path = current,
                  .Folder = FolderOf(current),
                  .Exists = true,
                  .Regular = S_ISREG(info.st_mode),
                  .Writable = ::faccessat(AT_FDCWD, current.c_str(), W_OK, AT_EACCESS) == 0,
                  .Links = info.st_nlink};
        return IoOk;
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

Descriptor::~Descriptor() {
    if (fd_ >= 0)
        ::close(fd_);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace PosixFiles

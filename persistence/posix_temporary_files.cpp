// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the game's temporary files, and the removal of those that a killed save left.
#include "persistence/file_system.h"
#include "persistence/posix_files.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace PosixFiles;

namespace {

constexpr std::string_view Prefix = ".krugheim-save-";
constexpr std::size_t SuffixLength = 12;
constexpr std::string_view Digits = "0123456789abcdef";

// A save running now holds the lock on its file; one that was killed holds nothing. Where the
// file system has no locks, no file is taken for stale.
bool IsStale(int fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return false;
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

void RemoveIfStale(int folder, const char* name) {
    int fd = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == EACCES)
        fd = ::openat(folder, name, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    const Descriptor file(fd);
    // Only the very file found stale is removed, not one that took its name since.
    if (file.Valid() && IsStale(file.Get()))
        UnlinkIfSameFile(folder, name, file.Get());
}

} // namespace

namespace PosixFiles {

std::string TemporaryName() {
    std::random_device entropy;
    std::uint64_t bits = (std::uint64_t{entropy()} << 32) | entropy();
    std::string name(Prefix);
    for (std::size_t i = 0; i < SuffixLength; ++i, bits >>= 4)
        name += Digits[bits & 15];
    return name;
}

bool IsTemporaryName(std::string_view name) {
    if (!name.starts_with(Prefix) || name.size() != Prefix.size() + SuffixLength)
        return false;
    name.remove_prefix(Prefix.size());
    return name.find_first_not_of(Digits) == std::string_view::npos;
}

} // namespace PosixFiles

void PosixFileSystem::RemoveStaleTemporaryFiles(const SaveTarget& target) {
    const int folder = ::openat(target.Folder->Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    DIR* listing = ::fdopendir(folder);
    if (listing == nullptr) {
        ::close(folder);
        return;
    }
    while (const dirent* entry = ::readdir(listing))
        if (IsTemporaryName(entry->d_name))
            RemoveIfStale(::dirfd(listing), entry->d_name);
    ::closedir(listing);
}

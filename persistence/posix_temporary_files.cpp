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

// A save running now holds the lock on its file; one that was killed holds nothing.
bool IsStale(int fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return false;
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// Only the very file found stale is removed, not one that took its name since.
void RemoveIfStale(int folder, const char* name) {
    int fd = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == EACCES)
        fd = ::openat(folder, name, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    const Descriptor file(fd);
    if (!file.Valid() || !IsStale(file.Get()))
        return;
    struct stat opened {};
    struct stat named {};
    if (::fstat(file.Get(), &opened) == 0 &&
        ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        opened.st_dev == named.st_dev && opened.st_ino == named.st_ino)
        ::unlinkat(folder, name, 0);
}

} // namespace

namespace PosixFiles {

std::string TemporaryPathIn(const std::string& folder) {
    std::random_device entropy;
    std::uint64_t bits = (std::uint64_t{entropy()} << 32) | entropy();
    std::string path = folder + "/" + std::string(Prefix);
    for (std::size_t i = 0; i < SuffixLength; ++i, bits >>= 4)
        path += Digits[bits & 15];
    return path;
}

bool IsTemporaryName(std::string_view name) {
    if (!name.starts_with(Prefix) || name.size() != Prefix.size() + SuffixLength)
        return false;
    name.remove_prefix(Prefix.size());
    return name.find_first_not_of(Digits) == std::string_view::npos;
}

} // namespace PosixFiles

void PosixFileSystem::RemoveStaleTemporaryFiles(const std::string& folder) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr)
        return;
    while (const dirent* entry = ::readdir(listing))
        if (IsTemporaryName(entry->d_name))
            RemoveIfStale(::dirfd(listing), entry->d_name);
    ::closedir(listing);
}

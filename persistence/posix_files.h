// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "persistence/file_system.h"

#include <cerrno>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Helpers shared by the POSIX implementation of the file system.
namespace PosixFiles {

// "." for a bare name, "/" for a file in the root folder.
std::string FolderOf(const std::string& path);

// A fresh name for a temporary file of a save: ".krugheim-save-" and twelve random
// hexadecimal digits.
std::string TemporaryName();

// Whether a file name is one that TemporaryName gives.
bool IsTemporaryName(std::string_view name);

// Retries a system call that the delivery of a signal interrupted.
template <class Call> auto Retried(Call call) {
    for (;;) {
        const auto result = call();
        if (result >= 0 || errno != EINTR)
            return result;
    }
}

// Reads the first `count` bytes of an open regular file, fewer only when it is shorter.
IoError ReadPrefixOf(int fd, std::size_t count, std::vector<std::uint8_t>& bytes);

// Takes a lock (LOCK_SH or LOCK_EX) on a whole open file; where the file system has no locks,
// goes on without one. Waits a few seconds at most, so that a lock another program never
// gives up cannot hang the game; EWOULDBLOCK then.
IoError LockFile(int fd, int operation);

// Removes `name` from `folder` only while it still names the open file `fd`.
void UnlinkIfSameFile(int folder, const char* name, int fd);

// Closes a descriptor at the end of its scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }

private:
    int fd_;
};

} // namespace PosixFiles

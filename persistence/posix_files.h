// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "persistence/file_system.h"

#include <cerrno>
#include <string>
#include <string_view>
#include <vector>

// Helpers shared by the POSIX implementation of the file system.
namespace PosixFiles {

// "." for a bare name, "/" for a file in the root folder.
std::string FolderOf(const std::string& path);

// A fresh name for a temporary file of a save in `folder`: ".krugheim-save-" and twelve
// random hexadecimal digits.
std::string TemporaryPathIn(const std::string& folder);

// Whether a file name is one that TemporaryPathIn gives.
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

// Closes a descriptor at the end of its scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }

private:
    int fd_;
};

} // namespace PosixFiles

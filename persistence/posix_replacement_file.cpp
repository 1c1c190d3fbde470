// SPDX-License-Identifier: GPL-3.0-or-later
// The new file a save writes beside its target and renames over it when every byte is on the
// disk. It carries the target's owner, group, permissions and extended attributes, so that
// the replaced file stays what it was (also when root saves over a player's file).
//
// Where the file system allows it, the file has no name while it is written (O_TMPFILE): a
// save killed then leaves nothing behind. It gets a name only for the rename. Elsewhere it is
// written under a temporary name; every temporary file is locked by the save writing it, so a
// later save can tell a stale one (see RemoveStaleTemporaryFiles).
#include "persistence/file_system.h"
#include "persistence/posix_files.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace PosixFiles;

namespace {

constexpr int MostNameAttempts = 100;

void SyncFolder(const std::string& folder) {
    const Descriptor descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor.Valid())
        (void)::fsync(descriptor.Get());
}

class PosixReplacementFile final : public ReplacementFile {
public:
    // `path` is empty for an unnamed file.
    PosixReplacementFile(int fd, std::string folder, std::string target, std::string path)
        : fd_(fd), folder_(std::move(folder)), target_(std::move(target)), path_(std::move(path)) {}

    ~PosixReplacementFile() override {
        if (!committed_ && !path_.empty())
            ::unlink(path_.c_str());
    }

    IoError Write(std::span<const std::uint8_t> bytes) override {
        while (!bytes.empty()) {
            const ssize_t written =
                Retried([&] { return ::write(fd_.Get(), bytes.data(), bytes.size()); });
            if (written < 0)
                return errno;
            if (written == 0)
                return ENOSPC;
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        }
        return IoOk;
    }

    IoError Sync() override { return ::fsync(fd_.Get()) == 0 ? IoOk : errno; }

    IoError Commit() override {
        if (path_.empty())
            if (const IoError error = GiveAName(); error != IoOk)
                return error;
        if (::rename(path_.c_str(), target_.c_str()) != 0)
            return errno;
        committed_ = true;
        // Make the new name itself durable. The old file is already replaced at this point,
        // so a failure here is no reason to report the save as failed.
        SyncFolder(folder_);
        return IoOk;
    }

private:
    // Links the unnamed file into the folder under a temporary name. Through /proc any user
    // may do this; the empty-path form is the way where /proc is missing.
    IoError GiveAName() {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_.Get());
        for (int attempt = 0; attempt < MostNameAttempts; ++attempt) {
            const std::string candidate = TemporaryPathIn(folder_);
            int linked =
                ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW);
            if (linked != 0 && errno == ENOENT)
                linked = ::linkat(fd_.Get(), "", AT_FDCWD, candidate.c_str(), AT_EMPTY_PATH);
            if (linked == 0) {
                path_ = candidate;
                return IoOk;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    PosixFiles::Descriptor fd_;
    std::string folder_;
    std::string target_;
    std::string path_;
    bool committed_ = false;
};

// Old kernels take O_TMPFILE for O_DIRECTORY, file systems without it refuse it.
bool UnnamedFilesUnsupported(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

IoError CreateUnnamed(const std::string& folder, int& fd) {
    fd = Retried([&] { return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666); });
    if (fd < 0)
        return errno;
    // Locked from the start, so that the name it gets later is never taken for a stale file.
    (void)::flock(fd, LOCK_EX);
    return IoOk;
}

// A cleaner of stale files may have removed a new name between its creation and our lock;
// a file without a name is then given up and another name tried.
IoError CreateNamed(const std::string& folder, int& fd, std::string& path) {
    for (int attempt = 0; attempt < MostNameAttempts; ++attempt) {
        const std::string candidate = TemporaryPathIn(folder);
        fd = Retried([&] {
            return ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        });
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return errno;
        struct stat info {};
        if (Retried([&] { return ::flock(fd, LOCK_EX); }) == 0 && ::fstat(fd, &info) == 0 &&
            info.st_nlink > 0) {
            path = candidate;
            return IoOk;
        }
        ::close(fd);
    }
    return EEXIST;
}

// The names of the extended attributes a list call gives; none where the file system has
// no such attributes.
template <class ListCall> IoError AttributeNames(ListCall list, std::vector<std::string>& names) {
    names.clear();
    std::vector<char> buffer;
    for (;;) {
        const ssize_t size = list(nullptr, 0);
        if (size < 0)
            return errno == ENOTSUP ? IoOk : errno;
        buffer.resize(static_cast<std::size_t>(size));
        const ssize_t got = list(buffer.data(), buffer.size());
        if (got >= 0) {
            buffer.resize(static_cast<std::size_t>(got));
            break;
        }
        if (errno != ERANGE) // the list grew in between: ask again
            return errno;
    }
    for (auto begin = buffer.begin(); begin != buffer.end();) {
        const auto end = std::find(begin, buffer.end(), '\0');
        names.emplace_back(begin, end);
        begin = end == buffer.end() ? end : end + 1;
    }
    return IoOk;
}

IoError CopyAttribute(const std::string& from, int to, const std::string& name) {
    std::vector<char> value;
    for (;;) {
        const ssize_t size = ::lgetxattr(from.c_str(), name.c_str(), nullptr, 0);
        if (size < 0)
            return errno;
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = ::lgetxattr(from.c_str(), name.c_str(), value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            break;
        }
        if (errno != ERANGE)
            return errno;
    }
    return ::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) == 0 ? IoOk : errno;
}

// The new file gets exactly the target's extended attributes, also dropping any it inherited
// from its folder (a default access list).
IoError CarryAttributes(const std::string& target, int fd) {
    std::vector<std::string> wanted;
    std::vector<std::string> present;
    if (AttributeNames([&](char* b, std::size_t n) { return ::llistxattr(target.c_str(), b, n); },
                       wanted) != IoOk ||
        AttributeNames([&](char* b, std::size_t n) { return ::flistxattr(fd, b, n); }, present) !=
            IoOk)
        return EPERM;
    for (const std::string& name : wanted)
        if (CopyAttribute(target, fd, name) != IoOk)
            return EPERM;
    for (const std::string& name : present)
        if (std::find(wanted.begin(), wanted.end(), name) == wanted.end() &&
            ::fremovexattr(fd, name.c_str()) != 0)
            return EPERM;
    return IoOk;
}

// Owner and group first: a change of owner clears the set-user-id bits the mode then sets.
IoError CarryOwnerAndPermissions(const std::string& target, int fd) {
    struct stat wanted {};
    struct stat present {};
    if (::lstat(target.c_str(), &wanted) != 0 || ::fstat(fd, &present) != 0)
        return errno;
    const bool otherOwner = wanted.st_uid != present.st_uid || wanted.st_gid != present.st_gid;
    if (otherOwner && ::fchown(fd, wanted.st_uid, wanted.st_gid) != 0)
        return EPERM;
    if (const IoError error = CarryAttributes(target, fd); error != IoOk)
        return error;
    return ::fchmod(fd, wanted.st_mode & 07777) == 0 ? IoOk : EPERM;
}

} // namespace

IoError PosixFileSystem::CreateReplacement(const SaveTarget& target,
                                           std::unique_ptr<ReplacementFile>& file) {
    int fd = -1;
    std::string path;
    IoError error = unnamedReplacements_ ? CreateUnnamed(target.Folder, fd) : EOPNOTSUPP;
    if (error != IoOk && UnnamedFilesUnsupported(error))
        error = CreateNamed(target.Folder, fd, path);
    if (error != IoOk)
        return error;
    auto replacement = std::make_unique<PosixReplacementFile>(fd, target.Folder, target.Path, path);
    if (target.Exists)
        if (const IoError carried = CarryOwnerAndPermissions(target.Path, fd); carried != IoOk)
            return carried;
    file = std::move(replacement);
    return IoOk;
}

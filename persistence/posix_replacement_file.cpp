// SPDX-License-Identifier: GPL-3.0-or-later
// The new file a save writes beside its target and renames over it when every byte is on the
// disk. It carries the owner, group, permissions and extended attributes the target had when
// it was inspected, so that the replaced file stays what it was (also when root saves over a
// player's file).
//
// Where the system allows it, the file has no name while it is written (O_TMPFILE): a save
// killed then leaves nothing behind. It gets a name only for the rename; where it cannot get
// one (no /proc, and a kernel that lets only privileged processes link a file by its
// descriptor), its bytes are copied to a named temporary file. Elsewhere it is written under a
// temporary name; every temporary file is locked by the save writing it where the file system
// has locks, so a later save can tell a stale one (see RemoveStaleTemporaryFiles).
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

void SyncFolder(int folder) {
    const Descriptor descriptor(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor.Valid())
        (void)::fsync(descriptor.Get());
}

// Old kernels take O_TMPFILE for O_DIRECTORY, file systems without it refuse it.
bool UnnamedFilesUnsupported(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// Open for reading as well, so that its bytes can be copied should it get no name.
IoError CreateUnnamed(int folder, Descriptor& file) {
    file = Descriptor(
        Retried([&] { return ::openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0666); }));
    if (!file.Valid())
        return errno;
    // Locked from the start, so that the name it gets later is never taken for a stale file.
    (void)::flock(file.Get(), LOCK_EX);
    return IoOk;
}

// A cleaner of stale files may have removed a new name between its creation and our lock;
// a file without a name is then given up and another name tried. A file that cannot be locked
// is removed at once.
IoError CreateNamed(int folder, Descriptor& file, std::string& name) {
    for (int attempt = 0; attempt < MostNameAttempts; ++attempt) {
        const std::string candidate = TemporaryName();
        Descriptor created(Retried([&] {
            return ::openat(folder, candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                            0666);
        }));
        if (!created.Valid() && errno == EEXIST)
            continue;
        if (!created.Valid())
            return errno;
        struct stat info {};
        IoError error = LockFile(created.Get(), LOCK_EX);
        if (error == IoOk && ::fstat(created.Get(), &info) != 0)
            error = errno;
        if (error != IoOk) {
            UnlinkIfSameFile(folder, candidate.c_str(), created.Get());
            return error;
        }
        if (info.st_nlink > 0) {
            file = std::move(created);
            name = candidate;
            return IoOk;
        }
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

IoError CopyAttribute(int from, int to, const std::string& name) {
    std::vector<char> value;
    for (;;) {
        const ssize_t size = ::fgetxattr(from, name.c_str(), nullptr, 0);
        if (size < 0)
            return errno;
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = ::fgetxattr(from, name.c_str(), value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            break;
        }
        if (errno != ERANGE)
            return errno;
    }
    return ::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) == 0 ? IoOk : errno;
}

// The new file gets exactly the old one's extended attributes, also dropping any it inherited
// from its folder (a default access list).
IoError CarryAttributes(int from, int to) {
    std::vector<std::string> wanted;
    std::vector<std::string> present;
    if (AttributeNames([&](char* b, std::size_t n) { return ::flistxattr(from, b, n); }, wanted) !=
            IoOk ||
        AttributeNames([&](char* b, std::size_t n) { return ::flistxattr(to, b, n); }, present) !=
            IoOk)
        return EPERM;
    for (const std::string& name : wanted)
        if (CopyAttribute(from, to, name) != IoOk)
            return EPERM;
    for (const std::string& name : present)
        if (std::find(wanted.begin(), wanted.end(), name) == wanted.end() &&
            ::fremovexattr(to, name.c_str()) != 0)
            return EPERM;
    return IoOk;
}

// Owner and group first: a change of owner clears the set-user-id bits the mode then sets.
// The attributes can be read only from the file as it was opened when inspected.
IoError CarryOwnerAndPermissions(const SaveTarget& target, int fd) {
    struct stat present {};
    if (::fstat(fd, &present) != 0)
        return errno;
    const bool otherOwner = target.Owner != present.st_uid || target.Group != present.st_gid;
    if (otherOwner && ::fchown(fd, target.Owner, target.Group) != 0)
        return EPERM;
    if (!target.File || CarryAttributes(target.File->Get(), fd) != IoOk)
        return EPERM;
    return ::fchmod(fd, target.Mode) == 0 ? IoOk : EPERM;
}

class PosixReplacementFile final : public ReplacementFile {
public:
    explicit PosixReplacementFile(SaveTarget target) : target_(std::move(target)) {}

    ~PosixReplacementFile() override {
        if (!committed_ && !name_.empty())
            UnlinkIfSameFile(Folder(), name_.c_str(), file_.Get());
    }

    // Makes the file and gives it what the target has.
    IoError Create(bool unnamed) {
        IoError error = unnamed ? CreateUnnamed(Folder(), file_) : EOPNOTSUPP;
        if (error != IoOk && UnnamedFilesUnsupported(error))
            error = CreateNamed(Folder(), file_, name_);
        if (error == IoOk && target_.Exists)
            error = CarryOwnerAndPermissions(target_, file_.Get());
        return error;
    }

    IoError Write(std::span<const std::uint8_t> bytes) override {
        while (!bytes.empty()) {
            const ssize_t written =
                Retried([&] { return ::write(file_.Get(), bytes.data(), bytes.size()); });
            if (written < 0)
                return errno;
            if (written == 0)
                return ENOSPC;
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        }
        return IoOk;
    }

    IoError Sync() override { return ::fsync(file_.Get()) == 0 ? IoOk : errno; }

    IoError Commit() override {
        if (name_.empty() && GiveAName() != IoOk)
            if (const IoError error = CopyToNamedFile(); error != IoOk)
                return error;
        if (::renameat(Folder(), name_.c_str(), Folder(), target_.Name.c_str()) != 0)
            return errno;
        committed_ = true;
        // Make the new name itself durable. The old file is already replaced at this point,
        // so a failure here is no reason to report the save as failed.
        SyncFolder(Folder());
        return IoOk;
    }

private:
    int Folder() const { return target_.Folder->Get(); }

    // Links the unnamed file into the folder under a temporary name. Through /proc any user
    // may do this; the empty-path form is the way where /proc is missing.
    IoError GiveAName() {
        const std::string self = "/proc/self/fd/" + std::to_string(file_.Get());
        for (int attempt = 0; attempt < MostNameAttempts; ++attempt) {
            const std::string candidate = TemporaryName();
            int linked =
                ::linkat(AT_FDCWD, self.c_str(), Folder(), candidate.c_str(), AT_SYMLINK_FOLLOW);
            if (linked != 0 && errno == ENOENT)
                linked = ::linkat(file_.Get(), "", Folder(), candidate.c_str(), AT_EMPTY_PATH);
            if (linked == 0) {
                name_ = candidate;
                return IoOk;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    IoError CopyToNamedFile() {
        const Descriptor unnamed(std::move(file_));
        struct stat info {};
        if (::fstat(unnamed.Get(), &info) != 0)
            return errno;
        std::vector<std::uint8_t> bytes;
        IoError error = ReadPrefixOf(unnamed.Get(), static_cast<std::size_t>(info.st_size), bytes);
        if (error == IoOk)
            error = Create(false);
        if (error == IoOk)
            error = Write(bytes);
        if (error == IoOk)
            error = Sync();
        return error;
    }

    SaveTarget target_;
    Descriptor file_;
    std::string name_; // empty while the file has no name
    bool committed_ = false;
};

} // namespace

IoError PosixFileSystem::CreateReplacement(const SaveTarget& target,
                                           std::unique_ptr<ReplacementFile>& file) {
    // Whatever took the name since it was inspected is replaced only when it is a plain file.
    struct stat now {};
    if (::fstatat(target.Folder->Get(), target.Name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
        !S_ISREG(now.st_mode))
        return EACCES;
    auto replacement = std::make_unique<PosixReplacementFile>(target);
    if (const IoError error = replacement->Create(unnamedReplacements_); error != IoOk)
        return error;
    file = std::move(replacement);
    return IoOk;
}

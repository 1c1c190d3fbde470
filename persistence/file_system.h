// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <sys/types.h>
#include <vector>

// The few file operations a saved game needs, behind an interface so that tests can make any
// of them fail. Every operation returns an IoError: 0 on success, otherwise an errno value or
// one of the two codes below for failures the system itself does not report as errors.
using IoError = int;
constexpr IoError IoOk = 0;
constexpr IoError ReadBeyondEndOfFile = -1; // the file is shorter than the data to be read
constexpr IoError InvalidFilename = -2;     // a name that cannot denote a file, e.g. ""

// The text the game shows for a failed file operation, e.g. "Disk full" or "I/O error 5".
std::string IoErrorText(IoError error);

namespace PosixFiles {
class Descriptor;
}

// What a save finds under the name the player chose, recorded once: later steps work on the
// folder and take the permissions found here, also should the name be given to something
// else in between.
struct SaveTarget {
    std::shared_ptr<PosixFiles::Descriptor> Folder; // the folder the file is in, opened
    std::string Name;                               // the file's name in Folder
    bool Exists = false;
    bool Regular = false;  // a plain file, not a folder, pipe or device
    bool Writable = false; // the player may write into it
    // The file as it was found: open to read its extended attributes (empty where it could not
    // be opened), and its owner, group and permission bits.
    std::shared_ptr<PosixFiles::Descriptor> File;
    uid_t Owner = 0;
    gid_t Group = 0;
    mode_t Mode = 0;
};

// A new file beside the target that takes the target's place only on Commit; until then the
// target stays as it was. A file never committed is removed with this object (one that a
// killed save left is removed by a later save, see RemoveStaleTemporaryFiles).
class ReplacementFile {
public:
    virtual ~ReplacementFile() = default;
    // Writes all bytes; a write that stops short without an error counts as ENOSPC.
    [[nodiscard]] virtual IoError Write(std::span<const std::uint8_t> bytes) = 0;
    // Returns only when the data is on the disk.
    [[nodiscard]] virtual IoError Sync() = 0;
    // Atomically puts the file in the target's place and makes that durable. EBUSY or EXDEV
    // when the target cannot be replaced, e.g. a file that is a mount point of its own.
    [[nodiscard]] virtual IoError Commit() = 0;
};

// The target itself, opened to be overwritten in place and locked against loads (see
// FileSystem::ReadPrefix) for as long as this object lives.
class ExistingFile {
public:
    virtual ~ExistingFile() = default;
    [[nodiscard]] virtual IoError Size(std::uint64_t& size) = 0;
    // The first `count` bytes, fewer when the file is shorter; fails when it cannot be read.
    [[nodiscard]] virtual IoError ReadPrefix(std::size_t count,
                                             std::vector<std::uint8_t>& bytes) = 0;
    // Allocates the disk blocks for the first `size` bytes without changing the content or
    // the size; IoOk also where the file system cannot do this.
    [[nodiscard]] virtual IoError Reserve(std::uint64_t size) = 0;
    // The bytes still free for new blocks on the file's file system.
    [[nodiscard]] virtual IoError FreeSpace(std::uint64_t& bytes) = 0;
    [[nodiscard]] virtual IoError WriteAt(std::uint64_t offset,
                                          std::span<const std::uint8_t> bytes) = 0;
    [[nodiscard]] virtual IoError Truncate(std::uint64_t size) = 0;
    [[nodiscard]] virtual IoError Sync() = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Looks at what `path` names, following symbolic links to the file they lead to. As the
    // kernel's protection of shared folders does (fs.protected_symlinks), EACCES for a link in
    // a sticky, world-writable folder that belongs neither to the player nor to the folder's
    // owner.
    [[nodiscard]] virtual IoError Inspect(const std::string& path, SaveTarget& target) = 0;
    // A new file in the target's folder with the owner, group, permissions and extended
    // attributes the target had when inspected (or those a new file there gets). EPERM when
    // these cannot be given to it, EACCES when the name no longer denotes a plain file.
    [[nodiscard]] virtual IoError CreateReplacement(const SaveTarget& target,
                                                    std::unique_ptr<ReplacementFile>& file) = 0;
    [[nodiscard]] virtual IoError OpenExisting(const SaveTarget& target,
                                               std::unique_ptr<ExistingFile>& file) = 0;
    // Removes what earlier saves into the target's folder left behind when they were killed;
    // files of a save still running are kept.
    virtual void RemoveStaleTemporaryFiles(const SaveTarget& target) = 0;
    // Reads the first `count` bytes of a file, fewer only when the file is shorter, and not
    // while a save writes it in place.
    [[nodiscard]] virtual IoError ReadPrefix(const std::string& path, std::size_t count,
                                             std::vector<std::uint8_t>& bytes) = 0;
};

// The real file system, through the POSIX calls, working inside the target's folder by its
// descriptor. Replacements are written as unnamed files (O_TMPFILE) that get a name only to
// be renamed over the target, where the system allows it; `unnamedReplacements` = false
// always uses named temporary files.
class PosixFileSystem final : public FileSystem {
public:
    explicit PosixFileSystem(bool unnamedReplacements = true)
        : unnamedReplacements_(unnamedReplacements) {}

    IoError Inspect(const std::string& path, SaveTarget& target) override;
    IoError CreateReplacement(const SaveTarget& target,
                              std::unique_ptr<ReplacementFile>& file) override;
    IoError OpenExisting(const SaveTarget& target, std::unique_ptr<ExistingFile>& file) override;
    void RemoveStaleTemporaryFiles(const SaveTarget& target) override;
    IoError ReadPrefix(const std::string& path, std::size_t count,
                       std::vector<std::uint8_t>& bytes) override;

private:
    bool unnamedReplacements_;
};

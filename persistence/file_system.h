#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
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

class OutputFile {
public:
    virtual ~OutputFile() = default;
    // Writes all bytes; a write that stops short without an error counts as ENOSPC.
    [[nodiscard]] virtual IoError Write(std::span<const std::uint8_t> bytes) = 0;
    // Returns only when the data is on the disk.
    [[nodiscard]] virtual IoError Sync() = 0;
    [[nodiscard]] virtual IoError Close() = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Creates a new, empty file in the folder of `target` under a name no other file has, with
    // the permissions a new file there gets (or those of `target` when it exists).
    [[nodiscard]] virtual IoError CreateTemporaryBeside(const std::string& target,
                                                        std::string& temporaryPath,
                                                        std::unique_ptr<OutputFile>& file) = 0;
    // Atomically puts `from` in the place of `to`.
    [[nodiscard]] virtual IoError Replace(const std::string& from, const std::string& to) = 0;
    [[nodiscard]] virtual IoError Remove(const std::string& path) = 0;
    // Reads the first `count` bytes of a file, fewer only when the file is shorter.
    [[nodiscard]] virtual IoError ReadPrefix(const std::string& path, std::size_t count,
                                             std::vector<std::uint8_t>& bytes) = 0;
};

// The real file system, through the POSIX calls.
class PosixFileSystem final : public FileSystem {
public:
    IoError CreateTemporaryBeside(const std::string& target, std::string& temporaryPath,
                                  std::unique_ptr<OutputFile>& file) override;
    IoError Replace(const std::string& from, const std::string& to) override;
    IoError Remove(const std::string& path) override;
    IoError ReadPrefix(const std::string& path, std::size_t count,
                       std::vector<std::uint8_t>& bytes) override;
};

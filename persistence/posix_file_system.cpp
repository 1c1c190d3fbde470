#include "persistence/file_system.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class PosixOutputFile final : public OutputFile {
public:
    explicit PosixOutputFile(int fd) : fd_(fd) {}
    ~PosixOutputFile() override {
        if (fd_ >= 0)
            ::close(fd_);
    }

    IoError Write(std::span<const std::uint8_t> bytes) override {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0)
                return errno;
            if (written == 0)
                return ENOSPC;
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        }
        return IoOk;
    }

    IoError Sync() override { return ::fsync(fd_) == 0 ? IoOk : errno; }

    IoError Close() override {
        const int fd = fd_;
        fd_ = -1;
        // The descriptor is gone even when close reports an error; never retry it.
        return ::close(fd) == 0 || errno == EINTR ? IoOk : errno;
    }

private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string RandomSuffix(std::mt19937_64& generator) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string suffix;
    for (std::uint64_t bits = generator(); suffix.size() < 12; bits >>= 4)
        suffix += Digits[bits & 15];
    return suffix;
}

// A replacement keeps the permissions the player gave the old file.
void TakePermissionsOf(const std::string& target, int fd) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        (void)::fchmod(fd, existing.st_mode & 07777);
}

} // namespace

IoError PosixFileSystem::CreateTemporaryBeside(const std::string& target,
                                               std::string& temporaryPath,
                                               std::unique_ptr<OutputFile>& file) {
    // Renaming over a file needs no right on the file itself; a file the player protected
    // against writing stays protected, as it would be if we wrote into it.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return errno;
    const std::string folder = FolderOf(target);
    std::mt19937_64 generator(std::random_device{}());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = folder + "/.krugheim-save-" + RandomSuffix(generator);
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return errno;
        TakePermissionsOf(target, fd);
        temporaryPath = candidate;
        file = std::make_unique<PosixOutputFile>(fd);
        return IoOk;
    }
    return EEXIST;
}

IoError PosixFileSystem::Replace(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        return errno;
    // Make the new name itself durable. The old file is already replaced at this point, so a
    // failure here is no reason to report the save as failed.
    const int folder = ::open(FolderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        (void)::fsync(folder);
        ::close(folder);
    }
    return IoOk;
}

IoError PosixFileSystem::Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? IoOk : errno;
}

IoError PosixFileSystem::ReadPrefix(const std::string& path, std::size_t count,
                                    std::vector<std::uint8_t>& bytes) {
    // Non-blocking open, so that a pipe under the chosen name cannot hang the game.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    struct stat info {};
    IoError error = ::fstat(fd, &info) != 0 ? errno : IoOk;
    if (error == IoOk && !S_ISREG(info.st_mode))
        error = S_ISDIR(info.st_mode) ? EISDIR : EACCES;
    bytes.assign(count, 0);
    std::size_t filled = 0;
    while (error == IoOk && filled < count) {
        const ssize_t got = ::read(fd, bytes.data() + filled, count - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error = errno;
        else if (got == 0)
            break;
        else
            filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    bytes.resize(filled);
    return error;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/file_system.h"
#include "persistence/save_game.h"

#include <cerrno>

namespace {

SaveResult SaveFailed(IoError error) {
    return {.Ok = false, .Error = IoErrorText(error)};
}

bool IsFileName(const std::string& path) {
    return !path.empty() && path.back() != '/' && path.find('\0') == std::string::npos;
}

// Overwrites the file where it stands. A full disk must not leave half a game where a whole
// one stood: the blocks for the new bytes are reserved and the free space is checked before
// the first byte changes (a copy-on-write file system needs new blocks even to overwrite),
// the file is cut to its new length only when the new bytes are on the disk, and should a
// step fail before that all the same, the old bytes, kept in memory, are written back. A save
// killed, or a machine that stops, in the middle of the write can still leave a file that is
// part old and part new game; that is why this way is taken only where no other works.
IoError WriteInPlace(ExistingFile& file, std::span<const std::uint8_t> image) {
    std::uint64_t oldSize = 0;
    if (const IoError error = file.Size(oldSize); error != IoOk)
        return error;
    std::vector<std::uint8_t> oldBytes;
    const bool oldBytesKept = file.ReadPrefix(image.size(), oldBytes) == IoOk;
    if (const IoError error = file.Reserve(image.size()); error != IoOk)
        return error;
    std::uint64_t freeBytes = 0;
    if (const IoError error = file.FreeSpace(freeBytes); error != IoOk)
        return error;
    if (freeBytes < image.size())
        return ENOSPC;

    IoError error = file.WriteAt(0, image);
    if (error == IoOk)
        error = file.Sync();
    if (error == IoOk)
        error = file.Truncate(image.size());
    if (error != IoOk && oldBytesKept) {
        (void)file.WriteAt(0, oldBytes);
        (void)file.Truncate(oldSize);
        (void)file.Sync();
        return error;
    }
    // The new game is whole on the disk now; what is left is making its length durable.
    return error == IoOk ? file.Sync() : error;
}

IoError SaveInPlace(FileSystem& fs, const SaveTarget& target, std::span<const std::uint8_t> image) {
    std::unique_ptr<ExistingFile> file;
    if (const IoError error = fs.OpenExisting(target, file); error != IoOk)
        return error;
    return WriteInPlace(*file, image);
}

// The save by replacement. `inPlaceInstead` tells a failure that writing the file itself may
// overcome: no new file can be made or given the old one's owner (a folder closed to the
// player, another user's file), or it cannot take the old one's place (a file that is a mount
// point of its own).
IoError SaveByReplacement(FileSystem& fs, const SaveTarget& target,
                          std::span<const std::uint8_t> image, bool& inPlaceInstead) {
    std::unique_ptr<ReplacementFile> file;
    IoError error = fs.CreateReplacement(target, file);
    if (error != IoOk) {
        inPlaceInstead = error == EACCES || error == EPERM;
        return error;
    }
    error = file->Write(image);
    if (error == IoOk)
        error = file->Sync();
    if (error == IoOk) {
        error = file->Commit();
        inPlaceInstead = error == EBUSY || error == EXDEV;
    }
    return error;
}

// Files with more names are replaced as well: the chosen name gets the new game whole or not
// at all, and the other names keep the earlier game as a file of their own.
IoError Save(FileSystem& fs, const SaveTarget& target, std::span<const std::uint8_t> image) {
    bool inPlaceInstead = false;
    const IoError error = SaveByReplacement(fs, target, image, inPlaceInstead);
    if (inPlaceInstead && target.Exists)
        return SaveInPlace(fs, target, image);
    return error;
}

} // namespace

SaveResult WriteSavedGame(const std::string& path, const GameState& state, FileSystem& fs) {
    if (!IsFileName(path))
        return SaveFailed(InvalidFilename);
    const std::vector<std::uint8_t> image = EncodeSavedGame(state);

    SaveTarget target;
    if (const IoError error = fs.Inspect(path, target); error != IoOk)
        return SaveFailed(error);
    // Only plain files are saved over; a file the player protected against writing stays
    // protected.
    if (target.Exists && (!target.Regular || !target.Writable))
        return SaveFailed(EACCES);
    fs.RemoveStaleTemporaryFiles(target);
    if (const IoError error = Save(fs, target, image); error != IoOk)
        return SaveFailed(error);
    return {.Ok = true, .Error = {}};
}

SaveResult WriteSavedGame(const std::string& path, const GameState& state) {
    PosixFileSystem fs;
    return WriteSavedGame(path, state, fs);
}

LoadResult ReadSavedGame(const std::string& path, const ControlValues& current, FileSystem& fs) {
    std::vector<std::uint8_t> image;
    IoError error = IsFileName(path) ? fs.ReadPrefix(path, SavedGameSize, image) : InvalidFilename;
    if (error == IoOk && image.size() < SavedGameSize)
        error = ReadBeyondEndOfFile;
    if (error != IoOk) {
        LoadResult failed;
        failed.Error = IoErrorText(error);
        return failed;
    }
    return DecodeSavedGame(image, current);
}

LoadResult ReadSavedGame(const std::string& path, const ControlValues& current) {
    PosixFileSystem fs;
    return ReadSavedGame(path, current, fs);
}

#include "persistence/file_system.h"
#include "persistence/save_game.h"

namespace {

SaveResult SaveFailed(IoError error) {
    return {.Ok = false, .Error = IoErrorText(error)};
}

bool IsFileName(const std::string& path) {
    return !path.empty() && path.back() != '/' && path.find('\0') == std::string::npos;
}

// Writes, syncs and closes; the file is closed whatever happens.
IoError WriteAll(OutputFile& file, std::span<const std::uint8_t> bytes) {
    IoError error = file.Write(bytes);
    if (error == IoOk)
        error = file.Sync();
    const IoError closeError = file.Close();
    return error != IoOk ? error : closeError;
}

} // namespace

SaveResult WriteSavedGame(const std::string& path, const GameState& state, FileSystem& fs) {
    if (!IsFileName(path))
        return SaveFailed(InvalidFilename);
    const std::vector<std::uint8_t> image = EncodeSavedGame(state);

    std::string temporaryPath;
    std::unique_ptr<OutputFile> file;
    if (const IoError error = fs.CreateTemporaryBeside(path, temporaryPath, file); error != IoOk)
        return SaveFailed(error);

    IoError error = WriteAll(*file, image);
    if (error == IoOk)
        error = fs.Replace(temporaryPath, path);
    if (error != IoOk) {
        (void)fs.Remove(temporaryPath);
        return SaveFailed(error);
    }
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

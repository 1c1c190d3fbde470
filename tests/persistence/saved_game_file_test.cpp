#include "persistence/file_system.h"
#include "persistence/save_game.h"
#include "saved_game_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <optional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

Image ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const Image& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    return names;
}

// The game whose file is on disk before a save over it is attempted.
GameState OldGame() {
    GameState game = DistinctValueGame();
    game.Wealth = 111.0;
    return game;
}

GameState NewGame() {
    GameState game = DistinctValueGame();
    game.Wealth = 999.0;
    game.Drinks[1].Name = ShortString50::FromUtf8("Pils");
    return game;
}

class SavedGameFile : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/krugheim-save-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder_ = pattern;
        target_ = folder_ / "spielstand.krg";
    }
    void TearDown() override {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    // Puts an earlier save in place and remembers its bytes.
    void SaveOldGame() {
        ASSERT_TRUE(WriteSavedGame(target_, OldGame()).Ok);
        oldBytes_ = ReadBytes(target_);
        ASSERT_EQ(oldBytes_.size(), 14456u);
    }
    void ExpectOldFileUntouched() {
        EXPECT_EQ(ReadBytes(target_), oldBytes_);
        EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"spielstand.krg"});
    }

    fs::path folder_;
    fs::path target_;
    Image oldBytes_;
    bool mounted_ = false;
};

TEST_F(SavedGameFile, WrittenFileReadsBackAsTheSameGame) {
    const GameState game = DistinctValueGame();
    const SaveResult saved = WriteSavedGame(target_, game);
    ASSERT_TRUE(saved.Ok) << saved.Error;
    EXPECT_EQ(ReadBytes(target_), EncodeSavedGame(game));
    EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"spielstand.krg"});

    const LoadResult loaded = ReadSavedGame(target_, ControlValues{});
    ASSERT_TRUE(loaded.Ok) << loaded.Error;
    ExpectSameGame(loaded.Game, game);
}

TEST_F(SavedGameFile, SaveReplacesAnEarlierFileAndKeepsItsPermissions) {
    SaveOldGame();
    fs::permissions(target_,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteSavedGame(target_, NewGame()).Ok);
    EXPECT_EQ(ReadBytes(target_), EncodeSavedGame(NewGame()));
    EXPECT_EQ(fs::status(target_).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"spielstand.krg"});
}

TEST_F(SavedGameFile, ReadFailuresShowTheSystemText) {
    EXPECT_EQ(ReadSavedGame(folder_ / "fehlt.krg", {}).Error, "File not found");
    EXPECT_EQ(ReadSavedGame(folder_ / "fehlt" / "a.krg", {}).Error, "File not found");
    EXPECT_EQ(ReadSavedGame("", {}).Error, "Invalid filename");
    EXPECT_EQ(ReadSavedGame(folder_, {}).Error, "File access denied");

    Image image = EncodeSavedGame(DistinctValueGame());
    image.pop_back();
    WriteBytes(target_, image);
    EXPECT_EQ(ReadSavedGame(target_, {}).Error, "Read beyond end of file");
    WriteBytes(target_, {});
    EXPECT_EQ(ReadSavedGame(target_, {}).Error, "Read beyond end of file");
}

TEST_F(SavedGameFile, LongerFileLoads) {
    Image image = EncodeSavedGame(DistinctValueGame());
    image.resize(30000, 0x5A);
    WriteBytes(target_, image);
    const LoadResult loaded = ReadSavedGame(target_, {});
    ASSERT_TRUE(loaded.Ok) << loaded.Error;
    ExpectSameGame(loaded.Game, DistinctValueGame());
}

TEST_F(SavedGameFile, DamagedFileIsRefusedWithItsOwnText) {
    Image image = EncodeSavedGame(DistinctValueGame());
    PutInt32(image, 9944, 31);
    WriteBytes(target_, image);
    const LoadResult loaded = ReadSavedGame(target_, {});
    EXPECT_FALSE(loaded.Ok);
    EXPECT_EQ(loaded.Error, "Die Datei ist beschädigt und kann nicht geladen werden.");
}

TEST_F(SavedGameFile, SaveToImpossibleNamesFailsWithoutLeavingFiles) {
    SaveOldGame();
    EXPECT_EQ(WriteSavedGame("", NewGame()).Error, "Invalid filename");
    EXPECT_EQ(WriteSavedGame(folder_.string() + "/", NewGame()).Error, "Invalid filename");
    EXPECT_EQ(WriteSavedGame(folder_ / std::string(300, 'a'), NewGame()).Error, "Invalid filename");
    EXPECT_EQ(WriteSavedGame(folder_ / "fehlt" / "a.krg", NewGame()).Error, "File not found");
    fs::create_directory(folder_ / "ordner");
    EXPECT_EQ(WriteSavedGame(folder_ / "ordner", NewGame()).Error, "File access denied");
    fs::remove(folder_ / "ordner");
    ExpectOldFileUntouched();
}

// ---- failures in the middle of a save ----

enum class Step { Create, Write, Sync, Close, Replace };

struct Fault {
    Step At;
    IoError Error;
    std::size_t BytesWrittenFirst = 0; // for Step::Write: how much reaches the file before
};

// The real file system, except that one step fails.
class FaultyFileSystem final : public FileSystem {
public:
    explicit FaultyFileSystem(Fault fault) : fault_(fault) {}

    IoError CreateTemporaryBeside(const std::string& target, std::string& temporaryPath,
                                  std::unique_ptr<OutputFile>& file) override {
        if (fault_.At == Step::Create)
            return fault_.Error;
        std::unique_ptr<OutputFile> real;
        if (const IoError error = real_.CreateTemporaryBeside(target, temporaryPath, real))
            return error;
        file = std::make_unique<FaultyFile>(std::move(real), fault_);
        return IoOk;
    }
    IoError Replace(const std::string& from, const std::string& to) override {
        return fault_.At == Step::Replace ? fault_.Error : real_.Replace(from, to);
    }
    IoError Remove(const std::string& path) override { return real_.Remove(path); }
    IoError ReadPrefix(const std::string& path, std::size_t count, Image& bytes) override {
        return real_.ReadPrefix(path, count, bytes);
    }

private:
    class FaultyFile final : public OutputFile {
    public:
        FaultyFile(std::unique_ptr<OutputFile> real, Fault fault)
            : real_(std::move(real)), fault_(fault) {}
        IoError Write(std::span<const std::uint8_t> bytes) override {
            if (fault_.At != Step::Write)
                return real_->Write(bytes);
            EXPECT_EQ(real_->Write(bytes.first(fault_.BytesWrittenFirst)), IoOk);
            return fault_.Error;
        }
        IoError Sync() override { return fault_.At == Step::Sync ? fault_.Error : real_->Sync(); }
        IoError Close() override {
            const IoError error = real_->Close();
            return fault_.At == Step::Close ? fault_.Error : error;
        }

    private:
        std::unique_ptr<OutputFile> real_;
        Fault fault_;
    };

    PosixFileSystem real_;
    Fault fault_;
};

TEST_F(SavedGameFile, FailedSaveLeavesTheEarlierFileAsItWas) {
    const std::pair<Fault, std::string> cases[] = {
        {{Step::Write, ENOSPC, 8192}, "Disk full"},
        {{Step::Write, EIO, 100}, "I/O error 5"},
        {{Step::Write, EDQUOT, 0}, "Disk full"},
        {{Step::Sync, EIO}, "I/O error 5"},
        {{Step::Close, ENOSPC}, "Disk full"},
        {{Step::Replace, EACCES}, "File access denied"},
        {{Step::Create, EMFILE}, "Too many open files"},
    };
    SaveOldGame();
    for (const auto& [fault, text] : cases) {
        SCOPED_TRACE(text);
        FaultyFileSystem faulty(fault);
        const SaveResult saved = WriteSavedGame(target_, NewGame(), faulty);
        EXPECT_FALSE(saved.Ok);
        EXPECT_EQ(saved.Error, text);
        ExpectOldFileUntouched();
    }
}

TEST_F(SavedGameFile, FullFileSystemLeavesTheEarlierFileAsItWas) {
    // Room for six pages: the earlier save takes four, so the new one runs out part-way.
    if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=24k") != 0)
        GTEST_SKIP() << "cannot mount a small file system here (errno " << errno << ")";
    mounted_ = true;
    SaveOldGame();
    const SaveResult saved = WriteSavedGame(target_, NewGame());
    EXPECT_FALSE(saved.Ok);
    EXPECT_EQ(saved.Error, "Disk full");
    ExpectOldFileUntouched();
}

// Runs a save as an ordinary user: for root, permissions do not hold. Returns the save's
// error text, or nothing when no ordinary user can be become.
std::optional<std::string> SaveAsOrdinaryUser(const fs::path& target, const GameState& game) {
    if (::geteuid() != 0)
        return WriteSavedGame(target, game).Error;
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        constexpr uid_t nobody = 65534;
        std::string report = "-";
        if (::setgroups(0, nullptr) == 0 && ::setgid(nobody) == 0 && ::setuid(nobody) == 0)
            report = "+" + WriteSavedGame(target, game).Error;
        (void)!::write(channel[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string report;
    char buffer[256];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (report.empty() || report[0] != '+')
        return std::nullopt;
    return report.substr(1);
}

TEST_F(SavedGameFile, FolderWithoutWriteRightLeavesTheEarlierFileAsItWas) {
    SaveOldGame();
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                 fs::perms::group_exec | fs::perms::others_read |
                                 fs::perms::others_exec);
    const std::optional<std::string> error = SaveAsOrdinaryUser(target_, NewGame());
    if (!error)
        GTEST_SKIP() << "cannot run as an ordinary user";
    EXPECT_EQ(*error, "File access denied");
    ExpectOldFileUntouched();
}

TEST_F(SavedGameFile, WriteProtectedFileStaysAsItWas) {
    SaveOldGame();
    fs::permissions(folder_, fs::perms::all);
    fs::permissions(target_,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::optional<std::string> error = SaveAsOrdinaryUser(target_, NewGame());
    if (!error)
        GTEST_SKIP() << "cannot run as an ordinary user";
    EXPECT_EQ(*error, "File access denied");
    ExpectOldFileUntouched();
}

} // namespace

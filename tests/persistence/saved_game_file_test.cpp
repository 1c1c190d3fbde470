// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/file_system.h"
#include "persistence/save_game.h"
#include "saved_game_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <optional>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
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

// ---- what the saved file is ----

struct FileFacts {
    ino_t Inode = 0;
    uid_t Owner = 0;
    gid_t Group = 0;
    mode_t Mode = 0;
    nlink_t Links = 0;
};

FileFacts FactsOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return {info.st_ino, info.st_uid, info.st_gid, info.st_mode, info.st_nlink};
}

TEST_F(SavedGameFile, SaveOntoASymbolicLinkWritesTheFileItLeadsTo) {
    struct Case {
        const char* What;
        std::vector<std::pair<std::string, std::string>> Links; // name in folder_ -> target
        std::string Target;                                     // relative to folder_
        bool TargetExists;
    };
    const Case cases[] = {
        {"absolute link", {{"spielstand.krg", "ABSOLUTE"}}, "ablage/echt.krg", true},
        {"chain of relative links",
         {{"spielstand.krg", "zwischen.krg"}, {"zwischen.krg", "ablage/echt.krg"}},
         "ablage/echt.krg",
         true},
        {"link to a file not yet there",
         {{"spielstand.krg", "ablage/neu.krg"}},
         "ablage/neu.krg",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "ablage");
        const fs::path target = folder_ / c.Target;
        if (c.TargetExists) {
            ASSERT_TRUE(WriteSavedGame(target, OldGame()).Ok);
        }
        for (const auto& [name, to] : c.Links)
            fs::create_symlink(to == "ABSOLUTE" ? target.string() : to, folder_ / name);

        const SaveResult saved = WriteSavedGame(target_, NewGame());
        ASSERT_TRUE(saved.Ok) << saved.Error;
        EXPECT_EQ(ReadBytes(target), EncodeSavedGame(NewGame()));
        for (const auto& [name, to] : c.Links)
            EXPECT_TRUE(fs::is_symlink(folder_ / name)) << name;
        EXPECT_EQ(FilesIn(target.parent_path()), std::vector<std::string>{target.filename()});
    }
}

TEST_F(SavedGameFile, FileWithASecondNameIsWrittenInPlace) {
    SaveOldGame();
    fs::create_hard_link(target_, folder_ / "zweitname.krg");
    const FileFacts before = FactsOf(target_);
    ASSERT_TRUE(WriteSavedGame(target_, NewGame()).Ok);
    for (const char* name : {"spielstand.krg", "zweitname.krg"})
        EXPECT_EQ(ReadBytes(folder_ / name), EncodeSavedGame(NewGame())) << name;
    EXPECT_EQ(FactsOf(target_).Inode, before.Inode);
    EXPECT_EQ(FactsOf(target_).Links, 2u);
    EXPECT_EQ(FilesIn(folder_).size(), 2u);
}

TEST_F(SavedGameFile, RootKeepsOwnerGroupModeAndAttributesOfAPlayersFile) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can save over another user's file";
    constexpr uid_t player = 65534;
    SaveOldGame();
    ASSERT_EQ(::chown(target_.c_str(), player, player), 0);
    ASSERT_EQ(::chmod(target_.c_str(), 0640), 0);
    const char value[] = "Stammgast";
    const bool attributes =
        ::setxattr(target_.c_str(), "user.krugheim", value, sizeof value, 0) == 0;
    const FileFacts before = FactsOf(target_);

    ASSERT_TRUE(WriteSavedGame(target_, NewGame()).Ok);
    const FileFacts after = FactsOf(target_);
    EXPECT_NE(after.Inode, before.Inode); // replaced, not overwritten
    EXPECT_EQ(after.Owner, player);
    EXPECT_EQ(after.Group, player);
    EXPECT_EQ(after.Mode, before.Mode);
    if (attributes) {
        char read[32] = {};
        EXPECT_EQ(::getxattr(target_.c_str(), "user.krugheim", read, sizeof read),
                  static_cast<ssize_t>(sizeof value));
        EXPECT_STREQ(read, value);
    }
    EXPECT_EQ(ReadBytes(target_), EncodeSavedGame(NewGame()));
}

// Runs a save as an ordinary user: for root, permissions do not hold. Returns the save's
// error text, or nothing when no ordinary user can be become.
constexpr uid_t Nobody = 65534;

std::optional<std::string> SaveAsOrdinaryUser(const fs::path& target, const GameState& game) {
    if (::geteuid() != 0)
        return WriteSavedGame(target, game).Error;
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::string report = "-";
        if (::setgroups(0, nullptr) == 0 && ::setgid(Nobody) == 0 && ::setuid(Nobody) == 0)
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

// Folder and file rights as an ordinary player meets them. Where the folder is closed to the
// player or the file belongs to someone else, the file is written in place and keeps its owner.
TEST_F(SavedGameFile, OrdinaryUserSavesWhereverTheFileMayBeWritten) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "the cases need files of two users";
    struct Case {
        const char* What;
        mode_t FolderMode;
        uid_t FileOwner;
        mode_t FileMode;
        const char* Error;
        bool InPlace;
    };
    const Case cases[] = {
        {"own file, open folder", 0777, Nobody, 0644, "", false},
        {"own file, closed folder", 0555, Nobody, 0644, "", true},
        {"another's writable file, open folder", 0777, 0, 0666, "", true},
        {"another's file, closed folder", 0555, 0, 0644, "File access denied", false},
        {"write-protected file", 0777, 0, 0444, "File access denied", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        fs::permissions(folder_, fs::perms::all);
        fs::remove(target_);
        SaveOldGame();
        ASSERT_EQ(::chown(target_.c_str(), c.FileOwner, c.FileOwner), 0);
        ASSERT_EQ(::chmod(target_.c_str(), c.FileMode), 0);
        ASSERT_EQ(::chmod(folder_.c_str(), c.FolderMode), 0);
        const FileFacts before = FactsOf(target_);

        const std::optional<std::string> error = SaveAsOrdinaryUser(target_, NewGame());
        ASSERT_TRUE(error);
        EXPECT_EQ(*error, c.Error);
        EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"spielstand.krg"});
        if (*error != "") {
            EXPECT_EQ(ReadBytes(target_), oldBytes_);
            continue;
        }
        EXPECT_EQ(ReadBytes(target_), EncodeSavedGame(NewGame()));
        const FileFacts after = FactsOf(target_);
        EXPECT_EQ(after.Inode == before.Inode, c.InPlace);
        EXPECT_EQ(after.Owner, c.FileOwner);
        EXPECT_EQ(after.Mode, before.Mode);
    }
}

// ---- failures in the middle of a save ----

enum class Step { Create, Write, Sync, Commit, Reserve, FreeSpace, WriteAt, Truncate, InPlaceSync };

struct Fault {
    Step At;
    IoError Error;
    std::size_t BytesWrittenFirst = 0; // for the two write steps: how much reaches the file
    bool Killed = false;               // the process is killed instead of failing
};

// The real file system, except that one step fails once.
class FaultyFileSystem final : public FileSystem {
public:
    explicit FaultyFileSystem(Fault fault, bool unnamedReplacements = true)
        : fault_(fault), real_(unnamedReplacements) {}

    IoError Inspect(const std::string& path, SaveTarget& target) override {
        return real_.Inspect(path, target);
    }
    IoError CreateReplacement(const SaveTarget& target,
                              std::unique_ptr<ReplacementFile>& file) override {
        if (Fails(Step::Create))
            return fault_.Error;
        std::unique_ptr<ReplacementFile> real;
        if (const IoError error = real_.CreateReplacement(target, real))
            return error;
        file = std::make_unique<Replacement>(std::move(real), *this);
        return IoOk;
    }
    IoError OpenExisting(const SaveTarget& target, std::unique_ptr<ExistingFile>& file) override {
        std::unique_ptr<ExistingFile> real;
        if (const IoError error = real_.OpenExisting(target, real))
            return error;
        file = std::make_unique<Existing>(std::move(real), *this);
        return IoOk;
    }
    void RemoveStaleTemporaryFiles(const std::string& folder) override {
        real_.RemoveStaleTemporaryFiles(folder);
    }
    IoError ReadPrefix(const std::string& path, std::size_t count, Image& bytes) override {
        return real_.ReadPrefix(path, count, bytes);
    }

private:
    bool Fails(Step step) {
        if (step != fault_.At || failed_)
            return false;
        failed_ = true;
        return true;
    }
    IoError FailedWrite(std::span<const std::uint8_t> bytes,
                        const std::function<IoError(std::span<const std::uint8_t>)>& write) {
        EXPECT_EQ(write(bytes.first(fault_.BytesWrittenFirst)), IoOk);
        if (fault_.Killed)
            ::raise(SIGKILL);
        return fault_.Error;
    }

    class Replacement final : public ReplacementFile {
    public:
        Replacement(std::unique_ptr<ReplacementFile> real, FaultyFileSystem& fs)
            : real_(std::move(real)), fs_(fs) {}
        IoError Write(std::span<const std::uint8_t> bytes) override {
            const auto write = [this](auto part) { return real_->Write(part); };
            return fs_.Fails(Step::Write) ? fs_.FailedWrite(bytes, write) : write(bytes);
        }
        IoError Sync() override { return fs_.Fails(Step::Sync) ? fs_.fault_.Error : real_->Sync(); }
        IoError Commit() override {
            return fs_.Fails(Step::Commit) ? fs_.fault_.Error : real_->Commit();
        }

    private:
        std::unique_ptr<ReplacementFile> real_;
        FaultyFileSystem& fs_;
    };

    class Existing final : public ExistingFile {
    public:
        Existing(std::unique_ptr<ExistingFile> real, FaultyFileSystem& fs)
            : real_(std::move(real)), fs_(fs) {}
        IoError Size(std::uint64_t& size) override { return real_->Size(size); }
        IoError ReadPrefix(std::size_t count, Image& bytes) override {
            return real_->ReadPrefix(count, bytes);
        }
        IoError Reserve(std::uint64_t size) override {
            return fs_.Fails(Step::Reserve) ? fs_.fault_.Error : real_->Reserve(size);
        }
        IoError FreeSpace(std::uint64_t& bytes) override {
            const IoError error = real_->FreeSpace(bytes);
            if (fs_.Fails(Step::FreeSpace))
                bytes = SavedGameSize - 1;
            return error;
        }
        IoError WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
            const auto write = [&](auto part) { return real_->WriteAt(offset, part); };
            return fs_.Fails(Step::WriteAt) ? fs_.FailedWrite(bytes, write) : write(bytes);
        }
        IoError Truncate(std::uint64_t size) override {
            return fs_.Fails(Step::Truncate) ? fs_.fault_.Error : real_->Truncate(size);
        }
        IoError Sync() override {
            return fs_.Fails(Step::InPlaceSync) ? fs_.fault_.Error : real_->Sync();
        }

    private:
        std::unique_ptr<ExistingFile> real_;
        FaultyFileSystem& fs_;
    };

    Fault fault_;
    bool failed_ = false;
    PosixFileSystem real_;
};

TEST_F(SavedGameFile, FailedSaveLeavesTheEarlierFileAsItWas) {
    const std::pair<Fault, std::string> cases[] = {
        {{Step::Write, ENOSPC, 8192}, "Disk full"},
        {{Step::Write, EIO, 100}, "I/O error 5"},
        {{Step::Write, EDQUOT, 0}, "Disk full"},
        {{Step::Sync, EIO}, "I/O error 5"},
        {{Step::Commit, ENOSPC}, "Disk full"},
        {{Step::Commit, EACCES}, "File access denied"},
        {{Step::Create, EMFILE}, "Too many open files"},
    };
    SaveOldGame();
    for (const bool unnamed : {true, false}) {
        for (const auto& [fault, text] : cases) {
            SCOPED_TRACE(text + (unnamed ? " (unnamed)" : " (named)"));
            FaultyFileSystem faulty(fault, unnamed);
            const SaveResult saved = WriteSavedGame(target_, NewGame(), faulty);
            EXPECT_FALSE(saved.Ok);
            EXPECT_EQ(saved.Error, text);
            ExpectOldFileUntouched();
        }
    }
}

// A file with a second name is written in place: whatever fails, both names keep the whole
// earlier game (the write is only started with room for it, and undone when it fails).
TEST_F(SavedGameFile, FailedSaveInPlaceLeavesTheEarlierFileAsItWas) {
    const std::pair<Fault, std::string> cases[] = {
        {{Step::Reserve, ENOSPC}, "Disk full"},       {{Step::FreeSpace, IoOk}, "Disk full"},
        {{Step::WriteAt, ENOSPC, 8192}, "Disk full"}, {{Step::WriteAt, EIO, 100}, "I/O error 5"},
        {{Step::Truncate, EIO}, "I/O error 5"},       {{Step::InPlaceSync, EIO}, "I/O error 5"},
    };
    for (const std::size_t oldSize : {std::size_t{100}, SavedGameSize, std::size_t{30000}}) {
        Image old = EncodeSavedGame(OldGame());
        old.resize(oldSize, 0x5A);
        WriteBytes(target_, old);
        fs::remove(folder_ / "zweitname.krg");
        fs::create_hard_link(target_, folder_ / "zweitname.krg");
        for (const auto& [fault, text] : cases) {
            SCOPED_TRACE(text + " over " + std::to_string(oldSize) + " bytes");
            FaultyFileSystem faulty(fault);
            const SaveResult saved = WriteSavedGame(target_, NewGame(), faulty);
            EXPECT_EQ(saved.Error, text);
            EXPECT_EQ(ReadBytes(target_), old);
            EXPECT_EQ(ReadBytes(folder_ / "zweitname.krg"), old);
            EXPECT_EQ(FilesIn(folder_).size(), 2u);
        }
    }
}

class SmallFileSystem : public SavedGameFile {
protected:
    // Room for six pages of 4 kB.
    bool Mount() {
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=24k") == 0;
        return mounted_;
    }
};

TEST_F(SmallFileSystem, FullDiskLeavesTheEarlierFileAsItWas) {
    if (!Mount())
        GTEST_SKIP() << "cannot mount a small file system here (errno " << errno << ")";
    // The earlier save takes four pages, so a new one runs out part-way.
    SaveOldGame();
    const SaveResult saved = WriteSavedGame(target_, NewGame());
    EXPECT_FALSE(saved.Ok);
    EXPECT_EQ(saved.Error, "Disk full");
    ExpectOldFileUntouched();
}

TEST_F(SmallFileSystem, FullDiskLeavesAFileWithASecondNameAsItWas) {
    if (!Mount())
        GTEST_SKIP() << "cannot mount a small file system here (errno " << errno << ")";
    // A short file that cannot grow, and a whole game without room for a second copy.
    struct Case {
        std::size_t OldSize;
        std::size_t Filler;
    };
    for (const Case c : {Case{100, 16384}, Case{SavedGameSize, 0}}) {
        SCOPED_TRACE(c.OldSize);
        for (const auto& entry : fs::directory_iterator(folder_))
            fs::remove(entry.path());
        Image old = EncodeSavedGame(OldGame());
        old.resize(c.OldSize);
        WriteBytes(target_, old);
        fs::create_hard_link(target_, folder_ / "zweitname.krg");
        WriteBytes(folder_ / "fueller", Image(c.Filler, 1));
        const SaveResult saved = WriteSavedGame(target_, NewGame());
        EXPECT_EQ(saved.Error, "Disk full");
        EXPECT_EQ(ReadBytes(target_), old);
        EXPECT_EQ(ReadBytes(folder_ / "zweitname.krg"), old);
    }
}

// ---- saves that were killed ----

// Saves in a child process that is killed half-way through writing the new file.
void SaveKilledHalfWay(const fs::path& target, bool unnamedReplacements) {
    const pid_t child = ::fork();
    if (child == 0) {
        FaultyFileSystem killing({Step::Write, EIO, SavedGameSize / 2, true}, unnamedReplacements);
        (void)WriteSavedGame(target, NewGame(), killing);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}

TEST_F(SavedGameFile, KilledSaveLeavesNothingOrIsClearedAtTheNextSave) {
    SaveOldGame();
    SaveKilledHalfWay(target_, true);
    ExpectOldFileUntouched(); // the unnamed file died with the process

    SaveKilledHalfWay(target_, false);
    EXPECT_EQ(ReadBytes(target_), oldBytes_);
    ASSERT_EQ(FilesIn(folder_).size(), 2u);
    ASSERT_TRUE(WriteSavedGame(target_, NewGame()).Ok);
    EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"spielstand.krg"});
}

TEST_F(SavedGameFile, TemporaryFileOfASaveStillRunningIsKept) {
    SaveOldGame();
    const fs::path running = folder_ / ".krugheim-save-0123456789ab";
    WriteBytes(running, Image(10, 1));
    const int fd = ::open(running.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    for (const char* name : {".krugheim-save-0123", "krugheim-save-0123456789ab"})
        WriteBytes(folder_ / name, {}); // not the game's names
    ASSERT_TRUE(WriteSavedGame(target_, NewGame()).Ok);
    EXPECT_TRUE(fs::exists(running));
    ::close(fd);
    ASSERT_TRUE(WriteSavedGame(target_, NewGame()).Ok);
    EXPECT_FALSE(fs::exists(running));
    EXPECT_EQ(FilesIn(folder_).size(), 3u);
}

} // namespace

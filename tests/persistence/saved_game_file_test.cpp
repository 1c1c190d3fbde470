// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/file_system.h"
#include "persistence/save_game.h"
#include "saved_game_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstddef>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <optional>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
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
    // A file system of its own in the test's folder; false where mounting is not allowed.
    bool MountTmpfs(const char* options) {
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options) == 0;
        return mounted_;
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

// ---- other users, other processes, a system that refuses calls ----

// Runs `body` in a child process and returns what it returns; nothing when the child died or
// could not be set up.
std::optional<std::string> InChild(const std::function<std::optional<std::string>()>& body) {
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const std::optional<std::string> result = body();
        const std::string report = result ? "+" + *result : "-";
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

// For root, permissions do not hold: the player's side runs as an ordinary user.
constexpr uid_t Nobody = 65534;

std::optional<std::string> SaveAs(uid_t user, const fs::path& target, const GameState& game) {
    return InChild([&]() -> std::optional<std::string> {
        if (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0)
            return std::nullopt;
        return WriteSavedGame(target, game).Error;
    });
}

// Makes every later system call `number` of this process fail with `error`, as a file system
// or kernel that refuses it does. The process makes only native calls, so the number alone
// tells the call.
bool FailSystemCall(long number, int error) {
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<std::uint32_t>(number), 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | static_cast<std::uint32_t>(error)),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program{.len = static_cast<unsigned short>(std::size(filter)),
                             .filter = filter};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
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

        const std::optional<std::string> error = SaveAs(Nobody, target_, NewGame());
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

// In a shared sticky folder such as /tmp, another user's link is not followed (as the kernel's
// fs.protected_symlinks would not): it could lead the save into any file of the player's.
TEST_F(SavedGameFile, LinkOfAnotherUserInASharedStickyFolderIsNotFollowed) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "the cases need files of three users";
    constexpr uid_t player = 4242; // a user of its own, neither the folder's owner nor Nobody
    struct Case {
        const char* What;
        mode_t FolderMode;
        uid_t LinkOwner;
        const char* LeadsTo; // relative to folder_
        const char* Error;
    };
    const Case cases[] = {
        {"another user's link to the player's file", 01777, Nobody, "spieler/wichtig.krg",
         "File access denied"},
        {"another user's link to a new file", 01777, Nobody, "spieler/neu.krg",
         "File access denied"},
        {"the player's own link", 01777, player, "spieler/wichtig.krg", ""},
        {"the folder owner's link", 01777, 0, "spieler/wichtig.krg", ""},
        {"another user's link, folder not sticky", 0777, Nobody, "spieler/wichtig.krg", ""},
    };
    const fs::path own = folder_ / "spieler";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        fs::remove_all(own);
        fs::remove(target_);
        fs::create_directory(own);
        WriteBytes(own / "wichtig.krg", EncodeSavedGame(OldGame()));
        for (const fs::path& mine : {own, own / "wichtig.krg"})
            ASSERT_EQ(::chown(mine.c_str(), player, player), 0);
        ASSERT_EQ(::chmod(folder_.c_str(), c.FolderMode), 0);
        fs::create_symlink(c.LeadsTo, target_);
        ASSERT_EQ(::lchown(target_.c_str(), c.LinkOwner, c.LinkOwner), 0);
        const Image before = ReadBytes(folder_ / c.LeadsTo); // empty for a file not there

        const std::optional<std::string> error = SaveAs(player, target_, NewGame());
        ASSERT_TRUE(error);
        EXPECT_EQ(*error, c.Error);
        EXPECT_TRUE(fs::is_symlink(target_));
        EXPECT_EQ(ReadBytes(folder_ / c.LeadsTo),
                  *error == "" ? EncodeSavedGame(NewGame()) : before);
        EXPECT_EQ(FilesIn(own), std::vector<std::string>{"wichtig.krg"});
    }
}

// ---- failures in the middle of a save ----

enum class Step {
    None,
    Create,
    Write,
    Sync,
    Commit,
    Reserve,
    FreeSpace,
    WriteAt,
    Truncate,
    InPlaceSync
};

struct Fault {
    Step At = Step::None;
    IoError Error = IoOk;                 // IoOk: the step goes on after Meanwhile
    std::size_t BytesWrittenFirst = 0;    // for the two write steps: how much reaches the file
    std::function<void()> Meanwhile = {}; // runs at the step, after those bytes
};

const std::function<void()> Killed = [] { ::raise(SIGKILL); };

// How the save goes about it: the game's own choice, named temporary files only (as where
// unnamed files are not to be had), or in place (as where no replacement can be made).
enum class Way { Unnamed, Named, InPlace };

// The real file system, except that one step fails, or is paused or killed, once.
class FaultyFileSystem final : public FileSystem {
public:
    explicit FaultyFileSystem(Fault fault = {}, Way way = Way::Unnamed)
        : fault_(std::move(fault)), way_(way), real_(way == Way::Unnamed) {}

    IoError Inspect(const std::string& path, SaveTarget& target) override {
        return real_.Inspect(path, target);
    }
    IoError CreateReplacement(const SaveTarget& target,
                              std::unique_ptr<ReplacementFile>& file) override {
        if (Fails(Step::Create))
            return fault_.Error;
        if (way_ == Way::InPlace)
            return EACCES;
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
    void RemoveStaleTemporaryFiles(const SaveTarget& target) override {
        real_.RemoveStaleTemporaryFiles(target);
    }
    IoError ReadPrefix(const std::string& path, std::size_t count, Image& bytes) override {
        return real_.ReadPrefix(path, count, bytes);
    }

private:
    using WriteFrom = std::function<IoError(std::size_t, std::span<const std::uint8_t>)>;

    bool Hits(Step step) {
        if (step != fault_.At || hit_)
            return false;
        hit_ = true;
        return true;
    }
    bool Fails(Step step) {
        if (!Hits(step))
            return false;
        if (fault_.Meanwhile)
            fault_.Meanwhile();
        return fault_.Error != IoOk;
    }
    IoError Write(Step step, std::span<const std::uint8_t> bytes, const WriteFrom& write) {
        if (!Hits(step))
            return write(0, bytes);
        const std::size_t first = fault_.BytesWrittenFirst;
        EXPECT_EQ(write(0, bytes.first(first)), IoOk);
        if (fault_.Meanwhile)
            fault_.Meanwhile();
        return fault_.Error != IoOk ? fault_.Error : write(first, bytes.subspan(first));
    }

    class Replacement final : public ReplacementFile {
    public:
        Replacement(std::unique_ptr<ReplacementFile> real, FaultyFileSystem& fs)
            : real_(std::move(real)), fs_(fs) {}
        IoError Write(std::span<const std::uint8_t> bytes) override {
            return fs_.Write(Step::Write, bytes,
                             [this](std::size_t, auto part) { return real_->Write(part); });
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
            if (fs_.Hits(Step::FreeSpace))
                bytes = SavedGameSize - 1;
            return error;
        }
        IoError WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
            return fs_.Write(Step::WriteAt, bytes, [&](std::size_t from, auto part) {
                return real_->WriteAt(offset + from, part);
            });
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
    Way way_;
    bool hit_ = false;
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
    for (const Way way : {Way::Unnamed, Way::Named}) {
        for (const auto& [fault, text] : cases) {
            SCOPED_TRACE(text + (way == Way::Unnamed ? " (unnamed)" : " (named)"));
            FaultyFileSystem faulty(fault, way);
            const SaveResult saved = WriteSavedGame(target_, NewGame(), faulty);
            EXPECT_FALSE(saved.Ok);
            EXPECT_EQ(saved.Error, text);
            ExpectOldFileUntouched();
        }
    }
}

// Whatever fails in a save in place, the file keeps the whole earlier game (the write is only
// started with room for it, and undone when it fails).
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
        for (const auto& [fault, text] : cases) {
            SCOPED_TRACE(text + " over " + std::to_string(oldSize) + " bytes");
            FaultyFileSystem faulty(fault, Way::InPlace);
            const SaveResult saved = WriteSavedGame(target_, NewGame(), faulty);
            EXPECT_EQ(saved.Error, text);
            EXPECT_EQ(ReadBytes(target_), old);
            EXPECT_EQ(FilesIn(folder_).size(), 1u);
        }
    }
}

// Saving and loading do without what some systems refuse: file locks (network and user-space
// file systems), or a name for an unnamed file (no /proc, and a kernel that lets only
// privileged processes link a file by its descriptor). A lock that fails otherwise fails the
// save without leaving a temporary file.
TEST_F(SavedGameFile, SaveAndLoadWhereTheSystemRefusesACallTheyCanDoWithout) {
    struct Case {
        const char* What;
        long Call;
        int Error;
        Way How;
        const char* Errors; // of the save and of a load after it
    };
    const Case cases[] = {
        {"no locks (ENOLCK)", SYS_flock, ENOLCK, Way::Named, "/"},
        {"no locks (EOPNOTSUPP)", SYS_flock, EOPNOTSUPP, Way::Named, "/"},
        {"no locks (ENOSYS)", SYS_flock, ENOSYS, Way::Named, "/"},
        {"no locks, in place", SYS_flock, ENOLCK, Way::InPlace, "/"},
        {"failing locks", SYS_flock, EIO, Way::Named, "I/O error 5/I/O error 5"},
        {"unnamed file cannot be named", SYS_linkat, ENOENT, Way::Unnamed, "/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        fs::remove(target_);
        SaveOldGame();
        const std::optional<std::string> errors = InChild([&]() -> std::optional<std::string> {
            if (!FailSystemCall(c.Call, c.Error))
                return std::nullopt;
            FaultyFileSystem refusing({}, c.How);
            return WriteSavedGame(target_, NewGame(), refusing).Error + "/" +
                   ReadSavedGame(target_, {}).Error;
        });
        if (!errors)
            GTEST_SKIP() << "system calls cannot be made to fail here";
        EXPECT_EQ(*errors, c.Errors);
        EXPECT_EQ(ReadBytes(target_), *errors == "/" ? EncodeSavedGame(NewGame()) : oldBytes_);
        EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"spielstand.krg"});
    }
}

// What takes the file's place between the look at it and the save does not decide what the
// saved file is: a link is not saved over (nor through), and the new file gets the owner and
// permissions that were found.
TEST_F(SavedGameFile, FileSwappedJustBeforeTheSaveKeepsWhatWasFound) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "what is swapped in belongs to another user";
    const fs::path elsewhere = folder_ / "anderswo.krg";
    struct Case {
        const char* What; // another user's, swapped in
        bool Link;
        const char* Error;
    };
    const Case cases[] = {
        {"link to another file", true, "File access denied"},
        {"file open to all", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        fs::remove(target_);
        SaveOldGame();
        ASSERT_EQ(::chmod(target_.c_str(), 0640), 0);
        WriteBytes(elsewhere, oldBytes_);
        const FileFacts found = FactsOf(target_);
        const auto swap = [&] {
            fs::remove(target_);
            if (c.Link)
                fs::create_symlink(elsewhere, target_);
            else
                WriteBytes(target_, Image(10, 1));
            ASSERT_EQ(::lchown(target_.c_str(), Nobody, Nobody), 0);
            ASSERT_TRUE(c.Link || ::chmod(target_.c_str(), 0666) == 0);
        };

        FaultyFileSystem swapping({.At = Step::Create, .Meanwhile = swap});
        EXPECT_EQ(WriteSavedGame(target_, NewGame(), swapping).Error, c.Error);
        EXPECT_EQ(ReadBytes(elsewhere), oldBytes_);
        EXPECT_EQ(FilesIn(folder_).size(), 2u);
        if (c.Link) {
            EXPECT_TRUE(fs::is_symlink(target_));
            continue;
        }
        EXPECT_EQ(ReadBytes(target_), EncodeSavedGame(NewGame()));
        const FileFacts saved = FactsOf(target_);
        EXPECT_EQ(saved.Owner, found.Owner);
        EXPECT_EQ(saved.Group, found.Group);
        EXPECT_EQ(saved.Mode, found.Mode);
    }
}

// A file that cannot be replaced, being a mount point of its own or where the rename would
// cross file systems, is written in place.
TEST_F(SavedGameFile, FileThatCannotBeReplacedIsWrittenInPlace) {
    const fs::path source = folder_ / "quelle.krg";
    const std::pair<Fault, const char*> cases[] = {
        {{Step::Commit, EXDEV}, "rename across file systems"},
        {{}, "a file mounted on the name"},
    };
    for (const auto& [fault, what] : cases) {
        SCOPED_TRACE(what);
        const bool mountPoint = fault.At == Step::None;
        fs::remove(target_);
        SaveOldGame();
        WriteBytes(source, oldBytes_);
        const fs::path shown = mountPoint ? source : target_;
        const ino_t inode = FactsOf(shown).Inode;

        const std::optional<std::string> error = InChild([&]() -> std::optional<std::string> {
            // A mount namespace of its own, so that the mount ends with the process.
            if (mountPoint &&
                (::unshare(CLONE_NEWNS) != 0 ||
                 ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                 ::mount(source.c_str(), target_.c_str(), nullptr, MS_BIND, nullptr) != 0))
                return std::nullopt;
            FaultyFileSystem faulty(fault);
            return WriteSavedGame(target_, NewGame(), faulty).Error;
        });
        if (!error)
            GTEST_SKIP() << "cannot mount a file here";
        EXPECT_EQ(*error, "");
        EXPECT_EQ(ReadBytes(shown), EncodeSavedGame(NewGame()));
        EXPECT_EQ(FactsOf(shown).Inode, inode);
        EXPECT_EQ(FilesIn(folder_).size(), 2u);
    }
}

// The longest path the system takes is saved to and loaded from: the temporary file's longer
// name is used only within its folder.
TEST_F(SavedGameFile, PathOfTheGreatestLengthIsSavedAndLoaded) {
    const std::string name = "spielstand.krg";
    fs::path folder = folder_;
    for (std::size_t left; (left = PATH_MAX - 1 - folder.string().size() - 1 - name.size()) > 0;) {
        folder /= std::string(left > 256 ? 200 : left - 1, 'o');
        fs::create_directory(folder);
    }
    const fs::path target = folder / name;
    ASSERT_EQ(target.string().size(), PATH_MAX - 1u);
    for (const Way way : {Way::Unnamed, Way::Named}) {
        SCOPED_TRACE(way == Way::Unnamed ? "unnamed" : "named");
        FaultyFileSystem real({}, way);
        const GameState game = way == Way::Unnamed ? OldGame() : NewGame();
        const SaveResult saved = WriteSavedGame(target, game, real);
        ASSERT_TRUE(saved.Ok) << saved.Error;
        const LoadResult loaded = ReadSavedGame(target, {});
        ASSERT_TRUE(loaded.Ok) << loaded.Error;
        ExpectSameGame(loaded.Game, game);
        EXPECT_EQ(FilesIn(folder), std::vector<std::string>{name});
    }
}

class SmallFileSystem : public SavedGameFile {
protected:
    // Room for six pages of 4 kB.
    bool Mount() { return MountTmpfs("size=24k"); }
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

TEST_F(SmallFileSystem, FullDiskLeavesAFileSavedInPlaceAsItWas) {
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
        WriteBytes(folder_ / "fueller", Image(c.Filler, 1));
        FaultyFileSystem inPlace({}, Way::InPlace);
        const SaveResult saved = WriteSavedGame(target_, NewGame(), inPlace);
        EXPECT_EQ(saved.Error, "Disk full");
        EXPECT_EQ(ReadBytes(target_), old);
    }
}

// ---- saves that were killed or run while the game is loaded ----

// Saves in a child process that is killed half-way through writing at `step`; whether it was.
bool SaveKilledHalfWay(const fs::path& target, Step step, Way way = Way::Unnamed) {
    return !InChild([&] {
        FaultyFileSystem killing({step, IoOk, SavedGameSize / 2, Killed}, way);
        return WriteSavedGame(target, NewGame(), killing).Error;
    });
}

TEST_F(SavedGameFile, KilledSaveLeavesNothingOrIsClearedAtTheNextSave) {
    SaveOldGame();
    EXPECT_TRUE(SaveKilledHalfWay(target_, Step::Write));
    ExpectOldFileUntouched(); // the unnamed file died with the process

    EXPECT_TRUE(SaveKilledHalfWay(target_, Step::Write, Way::Named));
    EXPECT_EQ(ReadBytes(target_), oldBytes_);
    ASSERT_EQ(FilesIn(folder_).size(), 2u);
    ASSERT_TRUE(WriteSavedGame(target_, NewGame()).Ok);
    EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"spielstand.krg"});
}

// A file with a second name is replaced under the chosen name like any other, so that a save
// killed at any moment leaves each name a whole game; the other name keeps the earlier one.
TEST_F(SavedGameFile, FileWithASecondNameIsReplacedUnderTheChosenNameOnly) {
    (void)MountTmpfs("size=1m"); // where a torn write shows page by page; a disk shows it too
    const fs::path second = folder_ / "zweitname.krg";
    const Image newBytes = EncodeSavedGame(NewGame());
    const auto startOver = [&] {
        fs::remove(target_);
        fs::remove(second);
        SaveOldGame();
        fs::create_hard_link(target_, second);
    };
    for (const Step killedAt : {Step::Write, Step::WriteAt}) {
        SCOPED_TRACE(killedAt == Step::Write ? "killed writing a new file"
                                             : "killed where a write in place would be");
        startOver();
        (void)SaveKilledHalfWay(target_, killedAt);
        const Image saved = ReadBytes(target_);
        EXPECT_TRUE(saved == oldBytes_ || saved == newBytes);
        EXPECT_EQ(ReadBytes(second), oldBytes_);
    }
    startOver();
    ASSERT_TRUE(WriteSavedGame(target_, NewGame()).Ok);
    EXPECT_EQ(ReadBytes(target_), newBytes);
    EXPECT_EQ(ReadBytes(second), oldBytes_);
    EXPECT_EQ(FactsOf(target_).Links, 1u);
    EXPECT_EQ(FilesIn(folder_).size(), 2u);
}

// A load while another process writes the file in place waits for the whole new game.
TEST_F(SavedGameFile, LoadWaitsForASaveInPlace) {
    (void)MountTmpfs("size=1m"); // where a load reads a torn write most often; a disk as well
    SaveOldGame();
    int halfWritten[2];
    ASSERT_EQ(::pipe(halfWritten), 0);
    const pid_t saver = ::fork();
    if (saver == 0) {
        const auto pause = [&] {
            (void)!::write(halfWritten[1], "h", 1);
            ::usleep(200'000);
        };
        FaultyFileSystem pausing({Step::WriteAt, IoOk, SavedGameSize / 2, pause}, Way::InPlace);
        ::_exit(WriteSavedGame(target_, NewGame(), pausing).Ok ? 0 : 1);
    }
    char signal = 0;
    const bool paused = ::read(halfWritten[0], &signal, 1) == 1;
    const LoadResult loaded = ReadSavedGame(target_, {});
    int status = 0;
    ::waitpid(saver, &status, 0);
    ::close(halfWritten[0]);
    ::close(halfWritten[1]);
    ASSERT_TRUE(paused);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(loaded.Ok) << loaded.Error;
    ExpectSameGame(loaded.Game, NewGame());
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

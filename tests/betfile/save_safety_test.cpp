// Saves stopped, failed or interrupted at chosen system calls (through the
// writer's hook), and what the new file carries.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

#include "betfile/bet_writer.h"
#include "betfile/internal/save_hook.h"
#include "betfile/save_interruption.h"
#include "tests/betfile/save_test_support.h"

using namespace lumo;
using namespace lumo::internal;

namespace fs = std::filesystem;

namespace {

// Installs a hook for one test and removes it afterwards.
class HookGuard {
  public:
    explicit HookGuard(SaveHook hook) { SetSaveHook(std::move(hook)); }
    ~HookGuard() { SetSaveHook({}); }
    HookGuard(const HookGuard&) = delete;
    HookGuard& operator=(const HookGuard&) = delete;
};

// A hook that acts at the n-th time a call is made (counting from 1).
SaveHook AtCall(SaveCall call, int occurrence, std::function<int()> act) {
    auto seen = std::make_shared<int>(0);
    return [=](SaveCall made) { return made == call && ++*seen == occurrence ? act() : 0; };
}

ino_t Inode(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0);
    return status.st_ino;
}

mode_t Mode(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0);
    return status.st_mode & 07777;
}

// Every extended attribute of the file the test sees, by name.
std::map<std::string, std::string> Attributes(const fs::path& path) {
    std::map<std::string, std::string> attributes;
    std::string names(4096, '\0');
    const ssize_t length = ::llistxattr(path.c_str(), names.data(), names.size());
    for (std::size_t at = 0; length > 0 && at < static_cast<std::size_t>(length);) {
        const std::string name(names.c_str() + at);
        std::string value(4096, '\0');
        const ssize_t size = ::lgetxattr(path.c_str(), name.c_str(), value.data(), value.size());
        value.resize(static_cast<std::size_t>(std::max<ssize_t>(size, 0)));
        attributes[name] = value;
        at += name.size() + 1;
    }
    return attributes;
}

// An access control list in its extended attribute form: entries of tag,
// permissions and id, in the order the kernel wants them.
std::string AccessList(std::initializer_list<std::array<std::uint32_t, 3>> entries) {
    std::string list(4, '\0');
    const std::uint32_t version = 2;
    std::memcpy(list.data(), &version, sizeof version);
    for (const auto& [tag, permissions, id] : entries) {
        const std::uint16_t parts[2] = {static_cast<std::uint16_t>(tag),
                                        static_cast<std::uint16_t>(permissions)};
        list.append(reinterpret_cast<const char*>(parts), sizeof parts);
        list.append(reinterpret_cast<const char*>(&id), sizeof id);
    }
    return list;
}

constexpr std::uint32_t kUserObject = 0x01;
constexpr std::uint32_t kNamedUser = 0x02;
constexpr std::uint32_t kGroupObject = 0x04;
constexpr std::uint32_t kMask = 0x10;
constexpr std::uint32_t kOther = 0x20;
constexpr std::uint32_t kNoId = 0xFFFFFFFF;

class SaveSafetyTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(WriteBet(path, *oldBet).Saved()); }

    SaveAftermath Examine() const { return AftermathOf(path, oldText, newText); }

    // Saves the new bet in a child process whose hook ends it abruptly (as a
    // kill would) at the n-th `call`.
    void SaveStoppedAt(SaveCall call, int occurrence) const {
        const pid_t child = StartChild([&] {
            SetSaveHook(AtCall(call, occurrence, [] {
                ::_exit(9);
                return 0;
            }));
            WriteBet(path, *newBet);
        });
        int status = -1;
        ::waitpid(child, &status, 0);
    }

    ScratchFolder folder{"save-safety"};
    const fs::path path = folder.Path() / "apuesta.txt";
    const std::unique_ptr<CColumnSet> oldBet = LargeBet(30'000, 3, 5);
    const std::unique_ptr<CColumnSet> newBet = LargeBet(20'000, 1, 3);
    const std::string oldText = TextOf(*oldBet);
    const std::string newText = TextOf(*newBet);
};

// A save stopped before each of its steps (as a kill would stop it): through
// a new file it leaves the old bet; written in place (a file with two names)
// it leaves the old bet until the mark is written, a refused file until the
// count is written, and the new bet afterwards.
TEST_F(SaveSafetyTest, SaveStoppedAtEachStep) {
    const fs::path secondName = folder.Path() / "other-name.txt";
    const struct {
        bool inPlace;
        SaveCall call;
        int occurrence;
        SaveAftermath expected;
    } cases[] = {
        {false, SaveCall::kTemporaryCreated, 1, SaveAftermath::kOld},
        {false, SaveCall::kWrite, 3, SaveAftermath::kOld},
        {false, SaveCall::kSetAttribute, 1, SaveAftermath::kOld},
        {false, SaveCall::kChangeMode, 1, SaveAftermath::kOld},
        {false, SaveCall::kSync, 1, SaveAftermath::kOld},
        {false, SaveCall::kRename, 1, SaveAftermath::kOld},
        {true, SaveCall::kWriteMark, 1, SaveAftermath::kOld},
        {true, SaveCall::kSync, 1, SaveAftermath::kRefused},
        {true, SaveCall::kWrite, 1, SaveAftermath::kRefused},
        {true, SaveCall::kWrite, 4, SaveAftermath::kRefused},
        {true, SaveCall::kTruncate, 1, SaveAftermath::kRefused},
        {true, SaveCall::kSync, 2, SaveAftermath::kRefused},
        {true, SaveCall::kWriteCount, 1, SaveAftermath::kRefused},
        {true, SaveCall::kSync, 3, SaveAftermath::kNew},
    };
    for (const auto& c : cases) {
        fs::remove(secondName);
        ASSERT_TRUE(WriteBet(path, *oldBet).Saved());
        ASSERT_EQ(::setxattr(path.c_str(), "user.lumo", "1", 1, 0), 0);
        if (c.inPlace) {
            fs::create_hard_link(path, secondName);
        }
        SaveStoppedAt(c.call, c.occurrence);
        EXPECT_EQ(Examine(), c.expected)
            << "stopped at call " << static_cast<int>(c.call) << " #" << c.occurrence;
    }
}

// A system call failing at each step: the answer, and the file afterwards.
// Failures before the mark and on the way through a new file keep the old
// bet; those after the mark leave a refused file; a new file that cannot
// be given what the old one carries, or that cannot be renamed over the
// target at all, gives way to the in-place save.
TEST_F(SaveSafetyTest, FailuresAtEachStep) {
    enum class Route { kNewFile, kInPlace };
    const struct {
        Route route;
        SaveCall call;
        int occurrence;
        int error;
        SaveFailure failure;
        SaveAftermath expected;
        bool sameFile;
    } cases[] = {
        {Route::kNewFile, SaveCall::kWrite, 2, EIO, SaveFailure::kWriteFailed, SaveAftermath::kOld,
         true},
        {Route::kNewFile, SaveCall::kSync, 1, EIO, SaveFailure::kWriteFailed, SaveAftermath::kOld,
         true},
        {Route::kNewFile, SaveCall::kRename, 1, EACCES, SaveFailure::kCannotReplace,
         SaveAftermath::kOld, true},
        {Route::kNewFile, SaveCall::kSetAttribute, 1, EPERM, SaveFailure::kNone,
         SaveAftermath::kNew, true},
        {Route::kNewFile, SaveCall::kChangeMode, 1, EPERM, SaveFailure::kNone, SaveAftermath::kNew,
         true},
        {Route::kNewFile, SaveCall::kRename, 1, EBUSY, SaveFailure::kNone, SaveAftermath::kNew,
         true},
        {Route::kNewFile, SaveCall::kRename, 1, EXDEV, SaveFailure::kNone, SaveAftermath::kNew,
         true},
        {Route::kNewFile, SaveCall::kWrite, 1, ENOSPC, SaveFailure::kWriteFailed,
         SaveAftermath::kOld, true},
        {Route::kInPlace, SaveCall::kWriteMark, 1, EIO, SaveFailure::kWriteFailed,
         SaveAftermath::kOld, true},
        {Route::kInPlace, SaveCall::kWrite, 3, EIO, SaveFailure::kWriteInPlaceFailed,
         SaveAftermath::kRefused, true},
        {Route::kInPlace, SaveCall::kTruncate, 1, EFBIG, SaveFailure::kWriteInPlaceFailed,
         SaveAftermath::kRefused, true},
        {Route::kInPlace, SaveCall::kSync, 2, EIO, SaveFailure::kWriteInPlaceFailed,
         SaveAftermath::kRefused, true},
        {Route::kInPlace, SaveCall::kWriteCount, 1, EIO, SaveFailure::kWriteInPlaceFailed,
         SaveAftermath::kRefused, true},
    };
    const fs::path secondName = folder.Path() / "other-name.txt";
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteBet(path, *oldBet).Saved());
        ASSERT_EQ(::setxattr(path.c_str(), "user.lumo", "1", 1, 0), 0);
        if (c.route == Route::kInPlace) {
            fs::create_hard_link(path, secondName);
        }
        const ino_t before = Inode(path);
        SaveResult result;
        {
            const HookGuard hook(AtCall(c.call, c.occurrence, [&] { return c.error; }));
            result = WriteBet(path, *newBet);
        }
        const std::string what = "call " + std::to_string(static_cast<int>(c.call)) + " #" +
                                 std::to_string(c.occurrence) + " failing with " +
                                 std::to_string(c.error);
        EXPECT_EQ(result.failure, c.failure) << what;
        EXPECT_EQ(result.systemError, c.failure == SaveFailure::kNone ? 0 : c.error) << what;
        EXPECT_EQ(Examine(), c.expected) << what;
        EXPECT_EQ(Inode(path) == before, c.sameFile) << what;
        EXPECT_EQ(Attributes(path).at("user.lumo"), "1") << what;
        EXPECT_TRUE(TemporaryFilesIn(folder.Path()).empty()) << what;
        fs::remove(secondName);
    }
}

// The new file is readable by the saving user alone while the text goes in,
// whatever the umask, and gets its final permission bits only at the end.
TEST_F(SaveSafetyTest, NewFileIsTheSaversAloneUntilItIsComplete) {
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    const mode_t previousMask = ::umask(0);
    std::vector<mode_t> seen;
    {
        const HookGuard hook([&](SaveCall call) {
            if (call == SaveCall::kWrite || call == SaveCall::kChangeMode) {
                for (const auto& name : TemporaryFilesIn(folder.Path())) {
                    seen.push_back(Mode(folder.Path() / name));
                }
            }
            return 0;
        });
        EXPECT_TRUE(WriteBet(path, *newBet).Saved());
    }
    ::umask(previousMask);
    ASSERT_FALSE(seen.empty());
    for (const mode_t mode : seen) {
        EXPECT_EQ(mode, 0600u);
    }
    EXPECT_EQ(Mode(path), 0644u);
    EXPECT_EQ(Contents(path), newText);
}

// A new file gets the bits a file made in its folder gets: 0666 without the
// umask, or what the folder's default access list allows.
TEST_F(SaveSafetyTest, NewFileGetsTheModeOfAFileMadeInItsFolder) {
    const mode_t previousMask = ::umask(0);
    const struct {
        mode_t umask;
        bool defaultList;
        mode_t expected;
    } cases[] = {
        {022, false, 0644}, {077, false, 0600}, {0, false, 0666},
        {027, false, 0640}, {0, true, 0640},    {077, true, 0640},
    };
    for (const auto& c : cases) {
        const fs::path sub =
            folder.Path() / ("sub" + std::to_string(c.umask) + (c.defaultList ? "-list" : ""));
        fs::create_directory(sub);
        if (c.defaultList) {
            const std::string list =
                AccessList({{kUserObject, 6, kNoId}, {kGroupObject, 4, kNoId}, {kOther, 0, kNoId}});
            ASSERT_EQ(
                ::setxattr(sub.c_str(), "system.posix_acl_default", list.data(), list.size(), 0),
                0);
        }
        ::umask(c.umask);
        const SaveResult result = WriteBet(sub / "nueva.txt", *newBet);
        ::umask(0);
        ASSERT_TRUE(result.Saved());
        EXPECT_EQ(Mode(sub / "nueva.txt"), c.expected) << "umask " << c.umask;
    }
    ::umask(previousMask);
}

// Replaced through a new file, the bet keeps its extended attributes (an
// access list, a user attribute) and gets none that the folder would give
// a new file.
TEST_F(SaveSafetyTest, NewFileCarriesTheOldOnesAttributesAndNoOthers) {
    const std::string list = AccessList({{kUserObject, 6, kNoId},
                                         {kNamedUser, 4, kOtherUid},
                                         {kGroupObject, 4, kNoId},
                                         {kMask, 4, kNoId},
                                         {kOther, 0, kNoId}});
    ASSERT_EQ(::setxattr(path.c_str(), "system.posix_acl_access", list.data(), list.size(), 0), 0);
    ASSERT_EQ(::setxattr(path.c_str(), "user.lumo.nota", "hola", 4, 0), 0);
    const std::string plain = (folder.Path() / "sin-atributos.txt").string();
    ASSERT_TRUE(WriteBet(plain, *oldBet).Saved());
    const std::string inherited = AccessList({{kUserObject, 7, kNoId},
                                              {kNamedUser, 7, kOtherUid},
                                              {kGroupObject, 5, kNoId},
                                              {kMask, 7, kNoId},
                                              {kOther, 5, kNoId}});
    ASSERT_EQ(::setxattr(folder.Path().c_str(), "system.posix_acl_default", inherited.data(),
                         inherited.size(), 0),
              0);

    for (const fs::path& file : {path, fs::path(plain)}) {
        const auto attributesBefore = Attributes(file);
        const mode_t modeBefore = Mode(file);
        const ino_t before = Inode(file);
        ASSERT_TRUE(WriteBet(file, *newBet).Saved());
        EXPECT_NE(Inode(file), before) << file;  // replaced by a new file
        EXPECT_EQ(Attributes(file), attributesBefore) << file;
        EXPECT_EQ(Mode(file), modeBefore) << file;
        EXPECT_EQ(Contents(file), newText);
    }
    EXPECT_EQ(Attributes(path).size(), 2u);
    EXPECT_TRUE(Attributes(plain).empty());
}

// SIGINT or SIGTERM in the middle of a save, with the handlers installed as
// lumo-cli does: the process ends by the signal, the temporary file is gone
// and the old bet stays.
TEST_F(SaveSafetyTest, InterruptedSaveLeavesNoTemporaryFile) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        const pid_t child = StartChild([&] {
            InstallSaveInterruptionHandlers();
            SetSaveHook(AtCall(SaveCall::kWrite, 3, [signal] {
                ::raise(signal);
                return 0;
            }));
            WriteBet(path, *newBet);
        });
        int status = -1;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "status " << status;
        EXPECT_TRUE(TemporaryFilesIn(folder.Path()).empty()) << "signal " << signal;
        EXPECT_EQ(Contents(path), oldText);
    }
}

// What the next save removes: temporary files of the saving user whose
// process is gone and whose lock is free; nothing else.
TEST_F(SaveSafetyTest, NextSaveRemovesTheTemporaryFilesOfDeadSaves) {
    GiveTo(path, Saver());
    const pid_t gone = StartChild([] {});
    ::waitpid(gone, nullptr, 0);
    const std::string dead = std::to_string(gone);
    enum class Kind { kFile, kFolder, kLink, kLockedFile };
    const struct {
        std::string name;
        Kind kind;
        bool removed;
        Identity owner = Saver();
    } cases[] = {
        {".lumo-" + dead + "-a1B2c3.tmp", Kind::kFile, true},
        {".lumo-" + dead + "-7.tmp", Kind::kFile, true},  // an earlier program's name
        {".lumo-" + std::to_string(::getpid()) + "-a1B2c3.tmp", Kind::kFile, false},  // alive
        {".lumo-1-a1B2c3.tmp", Kind::kFile, false},  // init is alive
        {".lumo-" + dead + "-x.tmp", Kind::kLockedFile, false},
        {".lumo-" + dead + "-y.tmp", Kind::kFolder, false},
        {".lumo-" + dead + "-z.tmp", Kind::kLink, false},
        {".lumo-" + dead + "-a-b.tmp", Kind::kFile, false},
        {".lumo-" + dead + "-.tmp", Kind::kFile, false},
        {".lumo-" + dead + "-a1B2c3.txt", Kind::kFile, false},
        {"lumo-" + dead + "-a1B2c3.tmp", Kind::kFile, false},
        {".lumo-" + dead + "-0therU.tmp", Kind::kFile, !RunningAsRoot(), OtherUser()},
    };
    std::vector<int> locks;
    for (const auto& c : cases) {
        const fs::path entry = folder.Path() / c.name;
        switch (c.kind) {
            case Kind::kFile:
            case Kind::kLockedFile:
                std::ofstream(entry) << "left over";
                break;
            case Kind::kFolder:
                fs::create_directory(entry);
                break;
            case Kind::kLink:
                fs::create_symlink("apuesta.txt", entry);
                break;
        }
        GiveTo(entry, c.owner);
        if (c.kind == Kind::kLockedFile) {
            locks.push_back(::open(entry.c_str(), O_RDONLY | O_CLOEXEC));
            ASSERT_EQ(::flock(locks.back(), LOCK_EX), 0);
        }
    }
    ASSERT_TRUE(SaveAs(Saver(), path, *newBet).Saved());
    for (const auto& c : cases) {
        EXPECT_EQ(!fs::exists(fs::symlink_status(folder.Path() / c.name)), c.removed) << c.name;
    }
    for (const int fd : locks) {
        ::close(fd);
    }
    EXPECT_EQ(Contents(path), newText);
}

}  // namespace

// Saves in folders shared with another user: the saving user (nobody) and
// the other user (4242) each act in a child process of their own. Becoming
// them needs root, which the test runs have; a plain user's run skips these.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "betfile/bet_writer.h"
#include "betfile/internal/save_hook.h"
#include "tests/betfile/save_test_support.h"

using namespace lumo;
using namespace lumo::internal;

namespace fs = std::filesystem;

namespace {

class SaveOtherUsersTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!RunningAsRoot()) {
            GTEST_SKIP() << "acting as two other users needs root";
        }
        // The saving user's own folder and the file another user wants.
        fs::create_directory(home);
        GiveTo(home, Saver());
        ASSERT_TRUE(WriteBet(victim, *BetOf({7})).Saved());
        GiveTo(victim, Saver());
        ASSERT_EQ(::chmod(victim.c_str(), 0600), 0);
    }

    // The folder "shared" made anew in the scratch folder, with this owner
    // and mode.
    fs::path SharedFolder(const Identity& owner, mode_t mode) const {
        const fs::path shared = folder.Path() / "shared";
        fs::remove_all(shared);
        fs::create_directory(shared);
        GiveTo(shared, owner);
        EXPECT_EQ(::chmod(shared.c_str(), mode), 0);
        return shared;
    }

    // Makes `link` point at `target` as `identity` (root makes it itself).
    static void LinkAs(const Identity& identity, const fs::path& target, const fs::path& link) {
        if (identity.uid == 0) {
            fs::create_symlink(target, link);
            return;
        }
        const std::string made = InChild(identity, [&] {
            return ::symlink(target.c_str(), link.c_str()) == 0 ? std::string("made") : "";
        });
        ASSERT_EQ(made, "made") << link;
    }

    ScratchFolder folder{"save-other-users"};
    const fs::path home = folder.Path() / "home";
    const fs::path victim = home / "authorized_keys";
    const std::string victimText = TextOf(*BetOf({7}));
    const std::unique_ptr<CColumnSet> bet = BetOf({0, 1});
};

// A link is followed only where the kernel's protected_symlinks rule would
// follow it: outside a sticky folder open to all, or when it belongs to the
// folder's owner or to the saving user. Another user's link in /tmp-like
// folders would make the save replace a file of the saver's own.
TEST_F(SaveOtherUsersTest, LinksInSharedFoldersAreFollowedAsTheKernelWould) {
    const Identity root{0, 0, {}};
    const struct {
        const char* name;
        mode_t folderMode;
        Identity folderOwner;
        Identity linkOwner;
        bool followed;
    } cases[] = {
        {"another user's link in a sticky shared folder", 01777, root, OtherUser(), false},
        {"the saver's own link there", 01777, root, Saver(), true},
        {"the folder owner's link there", 01777, root, root, true},
        {"the other user's link in the other user's sticky folder", 01777, OtherUser(), OtherUser(),
         true},
        {"another user's link in a shared folder that is not sticky", 0777, root, OtherUser(),
         true},
    };
    for (const auto& c : cases) {
        const fs::path shared = folder.Path() / "shared";
        fs::remove_all(shared);
        fs::create_directory(shared);
        GiveTo(shared, c.folderOwner);
        ASSERT_EQ(::chmod(shared.c_str(), c.folderMode), 0);
        LinkAs(c.linkOwner, victim, shared / "apuesta.txt");
        ASSERT_TRUE(WriteBet(victim, *BetOf({7})).Saved());

        const SaveResult result = SaveAs(Saver(), shared / "apuesta.txt", *bet);
        if (c.followed) {
            EXPECT_TRUE(result.Saved()) << c.name;
            EXPECT_EQ(Contents(victim), TextOf(*bet)) << c.name;
        } else {
            EXPECT_EQ(result.failure, SaveFailure::kUnsafeLink) << c.name;
            EXPECT_EQ(result.systemError, EACCES) << c.name;
            EXPECT_EQ(Contents(victim), victimText) << c.name;
        }
        EXPECT_TRUE(fs::is_symlink(shared / "apuesta.txt")) << c.name;
    }
}

// The same along a chain of links, and for a link to a file not yet there,
// which is not made.
TEST_F(SaveOtherUsersTest, AnotherUsersLinkAnywhereAlongTheWayIsRefused) {
    const fs::path shared = folder.Path() / "shared";
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    LinkAs(OtherUser(), victim, shared / "trap.txt");
    LinkAs(Saver(), shared / "trap.txt", home / "apuesta.txt");
    LinkAs(OtherUser(), home / "nueva.txt", shared / "dangling.txt");

    EXPECT_EQ(SaveAs(Saver(), home / "apuesta.txt", *bet).failure, SaveFailure::kUnsafeLink);
    EXPECT_EQ(Contents(victim), victimText);
    EXPECT_EQ(SaveAs(Saver(), shared / "dangling.txt", *bet).failure, SaveFailure::kUnsafeLink);
    EXPECT_FALSE(fs::exists(home / "nueva.txt"));
}

// In a sticky folder open to all, a regular file is written only when
// nobody else may have laid it there for the save, as the kernel's
// protected_regular=2 rule has it: a file of the saver's or of the folder's
// owner. A second name for a file is refused whoever owns the file (another
// user may have made it for a file of the saver's).
TEST_F(SaveOtherUsersTest, FilesLaidInSharedFoldersAreWrittenOnlyWhenSafe) {
    const Identity root{0, 0, {}};
    enum class Laid { kSecondNameOfVictim, kFileOpenToAll };
    const struct {
        const char* name;
        mode_t folderMode;
        Identity folderOwner;
        Laid laid;
        Identity fileOwner;
        SaveFailure failure;
    } cases[] = {
        {"a second name for the saver's file in a sticky shared folder", 01777, root,
         Laid::kSecondNameOfVictim, Saver(), SaveFailure::kUnsafeHardLink},
        {"the same in the saver's own sticky shared folder", 01777, Saver(),
         Laid::kSecondNameOfVictim, Saver(), SaveFailure::kUnsafeHardLink},
        {"the same in a shared folder that is not sticky", 0777, root, Laid::kSecondNameOfVictim,
         Saver(), SaveFailure::kNone},
        {"another user's file open to all in a sticky shared folder", 01777, root,
         Laid::kFileOpenToAll, OtherUser(), SaveFailure::kUnsafeOtherUsersFile},
        {"the folder owner's file there", 01777, OtherUser(), Laid::kFileOpenToAll, OtherUser(),
         SaveFailure::kNone},
        {"the saver's own file there", 01777, root, Laid::kFileOpenToAll, Saver(),
         SaveFailure::kNone},
        {"another user's file in a shared folder that is not sticky", 0777, root,
         Laid::kFileOpenToAll, OtherUser(), SaveFailure::kNone},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteBet(victim, *BetOf({7})).Saved());
        const fs::path entry = SharedFolder(c.folderOwner, c.folderMode) / "apuesta.txt";
        if (c.laid == Laid::kSecondNameOfVictim) {
            fs::create_hard_link(victim, entry);
        } else {
            ASSERT_TRUE(WriteBet(entry, *BetOf({7})).Saved());
            GiveTo(entry, c.fileOwner);
            ASSERT_EQ(::chmod(entry.c_str(), 0666), 0);
        }

        const SaveResult result = SaveAs(Saver(), entry, *bet);
        EXPECT_EQ(result.failure, c.failure) << c.name;
        if (result.Saved()) {
            EXPECT_EQ(Contents(entry), TextOf(*bet)) << c.name;
        } else {
            EXPECT_EQ(result.systemError, EACCES) << c.name;
            EXPECT_EQ(Contents(entry), victimText) << c.name;
        }
    }
}

// What stands at a saved name when it is not a regular file.
enum class Special { kPipe, kDevice, kSocket };

// Makes a pipe, a device that takes everything (as /dev/null) or a socket at
// `path`, owned by `owner`.
void MakeSpecial(Special kind, const fs::path& path, const Identity& owner) {
    if (kind == Special::kSocket) {
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
        path.string().copy(address.sun_path, sizeof address.sun_path - 1);
        ASSERT_EQ(::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ::close(socket);
    } else {
        const mode_t type = kind == Special::kPipe ? S_IFIFO : S_IFCHR;
        ASSERT_EQ(::mknod(path.c_str(), type | 0666, makedev(1, 3)), 0) << path;
    }
    ASSERT_EQ(::lchown(path.c_str(), owner.uid, owner.gid), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
}

// In a sticky folder open to all, a pipe, device or socket is written only
// when it is the saver's: another user's pipe held open without reading
// would stop the save for ever, or take the bet. A pipe is read (without
// waiting) through the whole save.
TEST_F(SaveOtherUsersTest, PipesAndDevicesInSharedFoldersOnlyWhenTheSaversOwn) {
    const Identity root{0, 0, {}};
    const struct {
        const char* name;
        mode_t folderMode;
        Special kind;
        Identity owner;
        SaveFailure failure;
    } cases[] = {
        {"another user's pipe in a sticky shared folder", 01777, Special::kPipe, OtherUser(),
         SaveFailure::kUnsafeSpecialFile},
        {"the folder owner's pipe there", 01777, Special::kPipe, root,
         SaveFailure::kUnsafeSpecialFile},
        {"the saver's own pipe there", 01777, Special::kPipe, Saver(), SaveFailure::kNone},
        {"another user's pipe in a shared folder that is not sticky", 0777, Special::kPipe,
         OtherUser(), SaveFailure::kNone},
        {"a device in a sticky shared folder", 01777, Special::kDevice, root,
         SaveFailure::kUnsafeSpecialFile},
        {"another user's socket there", 01777, Special::kSocket, OtherUser(),
         SaveFailure::kUnsafeSpecialFile},
    };
    for (const auto& c : cases) {
        const fs::path entry = SharedFolder(root, c.folderMode) / "apuesta.txt";
        MakeSpecial(c.kind, entry, c.owner);
        const int reader =
            c.kind == Special::kPipe ? ::open(entry.c_str(), O_RDONLY | O_NONBLOCK) : -1;

        const SaveResult result = SaveAs(Saver(), entry, *bet);
        EXPECT_EQ(result.failure, c.failure) << c.name;
        if (reader >= 0) {
            std::string text(64, '\0');
            text.resize(
                static_cast<std::size_t>(std::max<ssize_t>(0, ::read(reader, text.data(), 64))));
            ::close(reader);
            EXPECT_EQ(text, result.Saved() ? TextOf(*bet) : "") << c.name;
        }
    }
}

// While a bet of mode 0600 is saved in a shared folder, the other user,
// watching the folder, cannot read the new file: it is the saver's alone
// from the moment it is made.
TEST_F(SaveOtherUsersTest, OtherUserCannotReadTheNewFileWhileItIsWritten) {
    const fs::path shared = folder.Path() / "shared";
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const fs::path path = shared / "apuesta.txt";
    ASSERT_TRUE(WriteBet(path, *BetOf({5})).Saved());
    GiveTo(path, Saver());
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);

    int written[2];  // the saver says the text is going in
    int looked[2];   // the watcher says it has looked
    ASSERT_EQ(::pipe(written), 0);
    ASSERT_EQ(::pipe(looked), 0);
    const pid_t saver = StartChild(Saver(), [&] {
        ::close(written[0]);
        ::close(looked[1]);
        ::umask(0);  // the worst a user can have
        SetSaveHook([&, calls = 0](SaveCall call) mutable {
            if (call == SaveCall::kWrite && ++calls == 2) {
                char byte = 'w';
                if (::write(written[1], &byte, 1) != 1 || ::read(looked[0], &byte, 1) != 1) {
                    ::_exit(4);
                }
            }
            return 0;
        });
        if (!WriteBet(path, *bet).Saved()) {
            ::_exit(5);
        }
    });
    // The watcher: 0 when it saw the new file and could not open it, 1 when
    // it read it, 6 when it saw none.
    const pid_t watcher = StartChild(OtherUser(), [&] {
        ::close(written[1]);
        ::close(looked[0]);
        char byte = 0;
        if (::read(written[0], &byte, 1) != 1) {
            ::_exit(7);
        }
        const std::vector<std::string> names = TemporaryFilesIn(shared);
        int outcome = names.empty() ? 6 : 0;
        for (const auto& name : names) {
            const int fd = ::open((shared / name).c_str(), O_RDONLY);
            if (fd >= 0 || errno != EACCES) {
                outcome = 1;
            }
        }
        if (::write(looked[1], &byte, 1) != 1) {
            ::_exit(8);
        }
        ::_exit(outcome);
    });
    for (const int fd : {written[0], written[1], looked[0], looked[1]}) {
        ::close(fd);
    }
    int saverStatus = -1;
    int watcherStatus = -1;
    ::waitpid(watcher, &watcherStatus, 0);
    ::waitpid(saver, &saverStatus, 0);
    EXPECT_TRUE(WIFEXITED(watcherStatus) && WEXITSTATUS(watcherStatus) == 0)
        << "watcher status " << watcherStatus;
    EXPECT_TRUE(WIFEXITED(saverStatus) && WEXITSTATUS(saverStatus) == 0)
        << "saver status " << saverStatus;
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
    EXPECT_EQ(Contents(path), TextOf(*bet));
}

}  // namespace

#include "betfile/bet_writer.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "betfile/bet_reader.h"
#include "tests/betfile/save_test_support.h"
#include "tests/core/allocation_failure.h"

using namespace lumo;

namespace fs = std::filesystem;

namespace {

// The tests that write files, each in a fresh, empty folder that goes with
// what it holds.
class WriteBetFileTest : public testing::Test {
  protected:
    std::size_t Entries() const { return scratch.Entries(); }

    ScratchFolder scratch{"bet-writer"};
    const fs::path folder = scratch.Path();
    const fs::path path = folder / "apuesta.txt";
};

// An output buffer that takes `room` bytes and then refuses, as a full disk.
class FullBuffer : public std::streambuf {
  public:
    explicit FullBuffer(std::size_t room) : room(room) {}
    std::string taken;

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof()) || taken.size() == room) {
            return traits_type::eof();
        }
        taken += traits_type::to_char_type(c);
        return c;
    }

  private:
    std::size_t room;
};

// Saves under a file size limit of 100,000 bytes, which makes write(2) fail
// part of the way through with EFBIG, as a full disk does.
SaveResult SaveWithSizeLimit(const fs::path& path, const CColumnSet& bet) {
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 100'000;
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveResult result = WriteBet(path, bet);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    return result;
}

TEST(WriteBetTest, CountLineThenOneCrLfLinePerColumn) {
    EXPECT_EQ(TextOf(CColumnSet()), "0\r\n");
    const auto bet = BetOf({0, kAllColumns - 1});
    (*bet)[1].results[3] = 9;
    (*bet)[1].results[4] = kDraw;
    const std::string text = TextOf(*bet);
    EXPECT_EQ(text, "2\r\n11111111111111\r\n2222X222222222\r\n");
    EXPECT_EQ(text.size(), 35u);
}

TEST(WriteBetTest, StreamThatFillsUpEndsBad) {
    const auto bet = BetOf({1, 2, 3});
    FullBuffer full(20);
    std::ostream out(&full);
    EXPECT_TRUE(WriteBet(out, *bet).bad());
    EXPECT_EQ(full.taken, "3\r\nX1111111111111\r\n2");
}

TEST_F(WriteBetFileTest, FullSetRoundTripsThroughAFile) {
    CColumnSet all(kAllColumns);
    all.GenerateAll(Scoring());
    ASSERT_TRUE(WriteBet(path, all).Saved());
    EXPECT_EQ(fs::file_size(path), 76'527'513u);

    CColumnSet read;
    const BetReadResult result = ReadBet(path, read);
    EXPECT_EQ(result.end, BetReadEnd::kComplete);
    ASSERT_EQ(read.Count(), kAllColumns);
    for (std::int32_t i = 0; i < kAllColumns; ++i) {
        if (read[i].results != all[i].results || read[i].score != 0 || read[i].marked != 0) {
            FAIL() << "column " << i << " differs";
        }
    }
}

TEST_F(WriteBetFileTest, ReplacesAnExistingFileKeepingItsPermissions) {
    std::ofstream(path) << "old";
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteBet(path, *BetOf({0})).Saved());
    EXPECT_EQ(Contents(path), "1\r\n11111111111111\r\n");
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(WriteBetFileTest, SymbolicLinkKeepsPointingAtTheReplacedFile) {
    std::ofstream(folder / "real.txt") << "old";
    fs::create_symlink("real.txt", folder / "link.txt");
    ASSERT_TRUE(WriteBet(folder / "link.txt", *BetOf({})).Saved());
    EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
    EXPECT_EQ(Contents(folder / "real.txt"), "0\r\n");

    // A chain of links ends at its last target; a link to nothing creates it.
    fs::create_symlink("link.txt", folder / "chain.txt");
    fs::create_symlink(folder / "new.txt", folder / "dangling.txt");
    ASSERT_TRUE(WriteBet(folder / "chain.txt", *BetOf({1})).Saved());
    ASSERT_TRUE(WriteBet(folder / "dangling.txt", *BetOf({0})).Saved());
    EXPECT_EQ(Contents(folder / "real.txt"), "1\r\nX1111111111111\r\n");
    EXPECT_EQ(Contents(folder / "new.txt"), "1\r\n11111111111111\r\n");
    EXPECT_TRUE(fs::is_symlink(folder / "chain.txt"));
    EXPECT_TRUE(fs::is_symlink(folder / "dangling.txt"));
    EXPECT_EQ(Entries(), 5u);
}

TEST_F(WriteBetFileTest, LongestNamesAreCreatedAndReplaced) {
    const fs::path longName = folder / std::string(250, 'a');
    ASSERT_TRUE(WriteBet(longName, *BetOf({0})).Saved());
    ASSERT_TRUE(WriteBet(longName, *BetOf({})).Saved());
    EXPECT_EQ(Contents(longName), "0\r\n");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(WriteBetFileTest, PipesAndDevicesAreWrittenIntoWhenSomeoneReads) {
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const SaveResult unread = WriteBet(pipe, *BetOf({0}));
    EXPECT_EQ(unread.failure, SaveFailure::kNotRegularFile);
    EXPECT_EQ(unread.systemError, ENXIO);

    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_TRUE(WriteBet(pipe, *BetOf({2})).Saved());
    std::string text(64, '\0');
    text.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::read(reader, text.data(), 64))));
    ::close(reader);
    EXPECT_EQ(text, "1\r\n21111111111111\r\n");
    EXPECT_TRUE(fs::is_fifo(pipe));

    EXPECT_TRUE(WriteBet("/dev/null", *BetOf({0, 1})).Saved());
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(WriteBetFileTest, TargetsThatCannotBeWritten) {
    fs::create_directory(folder / "sub");
    std::ofstream(folder / "sub" / "keep.txt") << "kept";
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
    (folder / "socket").string().copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(socket);
    const struct {
        fs::path path;
        SaveFailure failure;
        int error;
    } cases[] = {
        {folder / "sub", SaveFailure::kIsFolder, EISDIR},
        {folder / "socket", SaveFailure::kNotRegularFile, ENXIO},
        {folder / "missing" / "apuesta.txt", SaveFailure::kCannotCreate, ENOENT},
        {folder / "sub" / "keep.txt" / "apuesta.txt", SaveFailure::kCannotCreate, ENOTDIR}};
    for (const auto& [path, failure, error] : cases) {
        const SaveResult result = WriteBet(path, *BetOf({0, 1}));
        EXPECT_EQ(result.failure, failure) << path;
        EXPECT_EQ(result.systemError, error) << path;
        EXPECT_FALSE(result.Saved());
    }
    EXPECT_EQ(Contents(folder / "sub" / "keep.txt"), "kept");
    EXPECT_TRUE(fs::is_socket(folder / "socket"));
    EXPECT_EQ(Entries(), 2u);
}

// A write failing part of the way through: the old file stays, the new one
// is gone, and the error is EFBIG.
TEST_F(WriteBetFileTest, SaveFailingHalfWayLeavesTheOldFile) {
    std::ofstream(path) << "1\r\n22222222222222\r\n";
    const SaveResult result = SaveWithSizeLimit(path, *LargeBet(100'000));
    EXPECT_EQ(result.failure, SaveFailure::kWriteFailed);
    EXPECT_EQ(result.systemError, EFBIG);
    EXPECT_EQ(Contents(path), "1\r\n22222222222222\r\n");
    EXPECT_EQ(Entries(), 1u);
}

// Without memory for the text block the save fails as a write does: the old
// file stays and no hidden new file is left behind.
TEST_F(WriteBetFileTest, SaveWithoutMemoryLeavesTheOldFile) {
    std::ofstream(path) << "1\r\n22222222222222\r\n";
    const auto bet = BetOf({0, 1});
    SaveResult result;
    {
        const AllocationFailure noBlock(60'000);
        result = WriteBet(path, *bet);
    }
    EXPECT_EQ(result.failure, SaveFailure::kWriteFailed);
    EXPECT_EQ(result.systemError, ENOMEM);
    EXPECT_EQ(Contents(path), "1\r\n22222222222222\r\n");
    EXPECT_EQ(Entries(), 1u);
}

// Saves made by a user without privileges, whatever user runs the tests.
class WriteBetUnprivilegedTest : public WriteBetFileTest {
  protected:
    // Gives the file (or folder) to the saving user.
    void GiveToSaver(const fs::path& file) const { GiveTo(file, Saver()); }

    // A file of the saving user holding "old", with the permission bits `mode`.
    void OldFile(const fs::path& file, mode_t mode) const {
        std::ofstream(file) << "old";
        GiveToSaver(file);
        ASSERT_EQ(::chmod(file.c_str(), mode), 0);
    }

    struct stat Status(const fs::path& file) const {
        struct stat status {};
        EXPECT_EQ(::stat(file.c_str(), &status), 0);
        return status;
    }

    const std::unique_ptr<CColumnSet> bet = BetOf({0, 1});
    const std::string betText = "2\r\n11111111111111\r\nX1111111111111\r\n";
};

TEST_F(WriteBetUnprivilegedTest, FileTheUserMayNotWriteIsRefusedAndKept) {
    GiveToSaver(folder);
    OldFile(path, 0444);
    const SaveResult result = SaveAs(Saver(), path, *bet);
    EXPECT_EQ(result.failure, SaveFailure::kNotWritable);
    EXPECT_EQ(result.systemError, EACCES);
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(Status(path).st_mode & 07777, 0444u);
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(WriteBetUnprivilegedTest, OwnFileIsReplacedKeepingItsPermissions) {
    GiveToSaver(folder);
    OldFile(path, 0640);
    const ino_t before = Status(path).st_ino;
    ASSERT_TRUE(SaveAs(Saver(), path, *bet).Saved());
    EXPECT_EQ(Contents(path), betText);
    const struct stat after = Status(path);
    EXPECT_NE(after.st_ino, before);  // a new file took the old one's place
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, EffectiveUid(Saver()));
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(WriteBetUnprivilegedTest, FileWithTwoNamesIsWrittenInPlace) {
    GiveToSaver(folder);
    OldFile(path, 0644);
    fs::create_hard_link(path, folder / "other-name.txt");
    ASSERT_TRUE(SaveAs(Saver(), path, *bet).Saved());
    EXPECT_EQ(Contents(path), betText);
    EXPECT_EQ(Contents(folder / "other-name.txt"), betText);
    EXPECT_EQ(Status(path).st_nlink, 2u);
    EXPECT_EQ(Entries(), 2u);
}

TEST_F(WriteBetUnprivilegedTest, WritableFileInAFolderThatTakesNoNewFile) {
    OldFile(path, 0644);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    ASSERT_TRUE(SaveAs(Saver(), path, *bet).Saved());
    EXPECT_EQ(Contents(path), betText);
    EXPECT_EQ(Entries(), 1u);
}

// Files of other owners that the saving user may write: a file of root's
// shared with the saving user's group, and another user's file open to all
// in that user's sticky folder (where it cannot have been laid by someone
// else). Each keeps its owner, group and permission bits.
TEST_F(WriteBetUnprivilegedTest, FilesOfOtherOwnersKeepTheirOwnerGroupAndMode) {
    if (!RunningAsRoot()) {
        GTEST_SKIP() << "giving files to other users and groups needs root";
    }
    const struct {
        mode_t folderMode;
        uid_t owner;
        gid_t group;
        mode_t mode;
    } cases[] = {{0777, 0, kSharedGroup, 0664}, {01777, kOtherUid, kOtherUid, 0666}};
    for (const auto& c : cases) {
        ASSERT_EQ(::chmod(folder.c_str(), c.folderMode), 0);
        ASSERT_EQ(::chown(folder.c_str(), c.owner, c.group), 0);
        std::ofstream(path) << "old";
        ASSERT_EQ(::chown(path.c_str(), c.owner, c.group), 0);
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        ASSERT_TRUE(SaveAs(Saver(), path, *bet).Saved()) << c.owner;
        EXPECT_EQ(Contents(path), betText);
        const struct stat after = Status(path);
        EXPECT_EQ(after.st_uid, c.owner);
        EXPECT_EQ(after.st_gid, c.group);
        EXPECT_EQ(after.st_mode & 07777, c.mode);
        EXPECT_EQ(Entries(), 1u);
        fs::remove(path);
    }
}

// Writing into the file itself fails half-way (a file size limit, as a full
// disk after the room was reserved): the failure is reported as such.
TEST_F(WriteBetUnprivilegedTest, FailureWritingInPlaceIsReported) {
    OldFile(path, 0644);
    fs::create_hard_link(path, folder / "other-name.txt");
    const SaveResult result = SaveWithSizeLimit(path, *LargeBet(100'000));
    EXPECT_EQ(result.failure, SaveFailure::kWriteInPlaceFailed);
    EXPECT_EQ(result.systemError, EFBIG);
    EXPECT_EQ(Entries(), 2u);
}

}  // namespace

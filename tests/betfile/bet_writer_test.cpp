#include "betfile/bet_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "betfile/bet_reader.h"
#include "tests/core/allocation_failure.h"

namespace fs = std::filesystem;

namespace {

std::string Written(const CColumnSet& bet) {
    std::ostringstream out;
    WriteBet(out, bet);
    return out.str();
}

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The tests that write files, each in a fresh, empty folder that goes with
// what it holds.
class WriteBetFileTest : public testing::Test {
  protected:
    WriteBetFileTest() {
        fs::remove_all(folder);
        fs::create_directory(folder);
    }
    ~WriteBetFileTest() override { fs::remove_all(folder); }

    std::size_t Entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
    }

    const fs::path folder =
        fs::temp_directory_path() / ("lumo-bet-writer-" + std::to_string(::getpid()));
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

// Column sets can be neither copied nor moved, hence the pointer.
std::unique_ptr<CColumnSet> BetOf(std::initializer_list<std::int32_t> indices) {
    auto bet = std::make_unique<CColumnSet>();
    for (const auto index : indices) {
        bet->AppendNoGrow(CColumn(index));
    }
    return bet;
}

TEST(WriteBetTest, CountLineThenOneCrLfLinePerColumn) {
    EXPECT_EQ(Written(CColumnSet()), "0\r\n");
    const auto bet = BetOf({0, kAllColumns - 1});
    (*bet)[1].results[3] = 9;
    (*bet)[1].results[4] = kDraw;
    const std::string text = Written(*bet);
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
    all.GenerateAll();
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
}

TEST_F(WriteBetFileTest, TargetsThatCannotBeWritten) {
    fs::create_directory(folder / "sub");
    std::ofstream(folder / "sub" / "keep.txt") << "kept";
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    const struct {
        fs::path path;
        BetSaveFailure failure;
        int error;
    } cases[] = {
        {folder / "sub", BetSaveFailure::kIsFolder, EISDIR},
        {folder / "pipe", BetSaveFailure::kNotRegularFile, 0},
        {folder / "missing" / "apuesta.txt", BetSaveFailure::kCannotCreate, ENOENT},
        {folder / "sub" / "keep.txt" / "apuesta.txt", BetSaveFailure::kCannotCreate, ENOTDIR}};
    for (const auto& [path, failure, error] : cases) {
        const BetSaveResult result = WriteBet(path, *BetOf({0, 1}));
        EXPECT_EQ(result.failure, failure) << path;
        EXPECT_EQ(result.systemError, error) << path;
        EXPECT_FALSE(result.Saved());
    }
    EXPECT_EQ(Contents(folder / "sub" / "keep.txt"), "kept");
    EXPECT_TRUE(fs::is_fifo(folder / "pipe"));
    EXPECT_EQ(Entries(), 2u);
}

// A file size limit makes write(2) fail part of the way through, as a full
// disk does: the old file stays, the new one is gone, and the error is EFBIG.
TEST_F(WriteBetFileTest, SaveFailingHalfWayLeavesTheOldFile) {
    std::ofstream(path) << "1\r\n22222222222222\r\n";
    CColumnSet bet(100'000);
    for (std::int32_t i = 0; i < 100'000; ++i) {
        bet.AppendNoGrow(CColumn(i));
    }

    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 100'000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const BetSaveResult result = WriteBet(path, bet);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result.failure, BetSaveFailure::kWriteFailed);
    EXPECT_EQ(result.systemError, EFBIG);
    EXPECT_EQ(Contents(path), "1\r\n22222222222222\r\n");
    EXPECT_EQ(Entries(), 1u);
}

// Without memory for the text block the save fails as a write does: the old
// file stays and no hidden new file is left behind.
TEST_F(WriteBetFileTest, SaveWithoutMemoryLeavesTheOldFile) {
    std::ofstream(path) << "1\r\n22222222222222\r\n";
    const auto bet = BetOf({0, 1});
    BetSaveResult result;
    {
        const AllocationFailure noBlock(60'000);
        result = WriteBet(path, *bet);
    }
    EXPECT_EQ(result.failure, BetSaveFailure::kWriteFailed);
    EXPECT_EQ(result.systemError, ENOMEM);
    EXPECT_EQ(Contents(path), "1\r\n22222222222222\r\n");
    EXPECT_EQ(Entries(), 1u);
}

}  // namespace

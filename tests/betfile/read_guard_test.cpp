// Reading a bet file strictly while something else writes it: a save
// holding the file's lock, or a writer taking no lock at all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "betfile/internal/read_guard.h"
#include "betfile/strict_bet_reader.h"

using namespace lumo;
using namespace lumo::internal;

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBet = "2\r\n1X21X21X21X21X\r\n11111111111111\r\n";

class ReadGuardTest : public testing::Test {
  protected:
    ReadGuardTest() { std::ofstream(path, std::ios::binary) << kBet; }
    ~ReadGuardTest() override {
        SetReadHook({});
        std::error_code ignored;
        fs::remove(path, ignored);
    }

    const fs::path path =
        fs::temp_directory_path() / ("lumo-read-guard-" + std::to_string(::getpid()) + ".txt");
};

TEST_F(ReadGuardTest, AFileBeingSavedIsRefusedAtOnce) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    CColumnSet set;
    EXPECT_EQ(ReadBetStrictly(path, set).error, BetFileError::kBeingSaved);
    EXPECT_EQ(set.Count(), 0);
    ::close(fd);
    EXPECT_TRUE(ReadBetStrictly(path, set).Ok());
    EXPECT_EQ(set.Count(), 2);
}

TEST_F(ReadGuardTest, AFileGrownWhileReadIsRefused) {
    SetReadHook([this] { std::ofstream(path, std::ios::binary | std::ios::app) << "1\r\n"; });
    CColumnSet set;
    EXPECT_EQ(ReadBetStrictly(path, set).error, BetFileError::kChangedWhileRead);
    EXPECT_EQ(set.Count(), 0);
}

TEST_F(ReadGuardTest, ACountRewrittenInPlaceWhileReadIsRefused) {
    // Same size: only the count line and the change time move.
    SetReadHook([this] {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(::pwrite(fd, "3", 1, 0), 1);
        ::close(fd);
    });
    CColumnSet set;
    EXPECT_EQ(ReadBetStrictly(path, set).error, BetFileError::kChangedWhileRead);
    EXPECT_EQ(set.Count(), 0);
}

TEST_F(ReadGuardTest, AFileReplacedWhileReadIsRefused) {
    // The same text under a new file: only the file the name leads to moves.
    const fs::path other = path.string() + ".new";
    std::ofstream(other, std::ios::binary) << kBet;
    SetReadHook([&] { fs::rename(other, path); });
    CColumnSet set;
    EXPECT_EQ(ReadBetStrictly(path, set).error, BetFileError::kChangedWhileRead);
    EXPECT_EQ(set.Count(), 0);
}

TEST_F(ReadGuardTest, AFileLeftAloneIsRead) {
    int looks = 0;
    SetReadHook([&looks] { ++looks; });
    CColumnSet set;
    EXPECT_TRUE(ReadBetStrictly(path, set).Ok());
    EXPECT_EQ(set.Count(), 2);
    EXPECT_EQ(looks, 1);
}

}  // namespace

// Reading a bet file, in either grammar, while something else writes it: a
// save holding the file's lock, or a writer taking no lock at all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "betfile/bet_file_reading.h"
#include "betfile/internal/read_guard.h"

using namespace lumo;
using namespace lumo::internal;

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBet = "2\r\n1X21X21X21X21X\r\n11111111111111\r\n";

constexpr std::string_view kBeingSaved = "Otro programa está grabando «b.txt»";
constexpr std::string_view kChanged = "La apuesta «b.txt» cambió mientras se leía";

class ReadGuardTest : public testing::TestWithParam<BetGrammar> {
  protected:
    ReadGuardTest() { std::ofstream(path, std::ios::binary) << kBet; }
    ~ReadGuardTest() override {
        SetReadHook({});
        std::error_code ignored;
        fs::remove(path, ignored);
    }

    // The message of reading the file in the grammar under test; empty when
    // the whole bet was read.
    std::string Read(CColumnSet& set) const { return ReadBetFile(path, set, GetParam(), "b.txt"); }

    const fs::path path =
        fs::temp_directory_path() / ("lumo-read-guard-" + std::to_string(::getpid()) + ".txt");
};

TEST_P(ReadGuardTest, AFileBeingSavedIsRefusedAtOnce) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    CColumnSet set;
    EXPECT_NE(Read(set).find(kBeingSaved), std::string::npos);
    EXPECT_EQ(set.Count(), 0);
    ::close(fd);
    EXPECT_EQ(Read(set), "");
    EXPECT_EQ(set.Count(), 2);
}

TEST_P(ReadGuardTest, AFileGrownWhileReadIsRefused) {
    SetReadHook([this] { std::ofstream(path, std::ios::binary | std::ios::app) << "1\r\n"; });
    CColumnSet set;
    EXPECT_NE(Read(set).find(kChanged), std::string::npos);
    EXPECT_EQ(set.Count(), 0);
}

TEST_P(ReadGuardTest, ACountRewrittenInPlaceWhileReadIsRefused) {
    // Same size: only the count line and the change time move.
    SetReadHook([this] {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(::pwrite(fd, "3", 1, 0), 1);
        ::close(fd);
    });
    CColumnSet set;
    EXPECT_NE(Read(set).find(kChanged), std::string::npos);
    EXPECT_EQ(set.Count(), 0);
}

TEST_P(ReadGuardTest, AFileReplacedWhileReadIsRefused) {
    // The same text under a new file: only the file the name leads to moves.
    const fs::path other = path.string() + ".new";
    std::ofstream(other, std::ios::binary) << kBet;
    SetReadHook([&] { fs::rename(other, path); });
    CColumnSet set;
    EXPECT_NE(Read(set).find(kChanged), std::string::npos);
    EXPECT_EQ(set.Count(), 0);
}

TEST_P(ReadGuardTest, AFileLeftAloneIsRead) {
    int looks = 0;
    SetReadHook([&looks] { ++looks; });
    CColumnSet set;
    EXPECT_EQ(Read(set), "");
    EXPECT_EQ(set.Count(), 2);
    EXPECT_EQ(looks, 1);
}

INSTANTIATE_TEST_SUITE_P(Grammars, ReadGuardTest,
                         testing::Values(BetGrammar::kStrict, BetGrammar::kLenient));

}  // namespace

// A save killed with SIGKILL at random moments, on each of its paths: the
// file afterwards is the whole old bet, the whole new bet, or a file that
// every reader of ours refuses; and the next save leaves no temporary file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <thread>

#include "betfile/bet_writer.h"
#include "tests/betfile/save_test_support.h"

using namespace lumo;

namespace fs = std::filesystem;

namespace {

// The ways a save can go: through a new file, and in place for a file with
// two names and for a file in a folder that takes no new file.
enum class SaveRoute { kRename, kHardLink, kClosedFolder };

struct RouteCase {
    const char* name;
    SaveRoute route;
};

class SaveCrashTest : public testing::TestWithParam<RouteCase> {
  protected:
    static constexpr int kKills = 20;

    void SetUp() override {
        ASSERT_TRUE(WriteBet(path, *oldBet).Saved());
        GiveTo(path, Saver());
        switch (GetParam().route) {
            case SaveRoute::kRename:
                GiveTo(folder.Path(), Saver());
                break;
            case SaveRoute::kHardLink:
                GiveTo(folder.Path(), Saver());
                fs::create_hard_link(path, folder.Path() / "other-name.txt");
                break;
            case SaveRoute::kClosedFolder:
                ASSERT_EQ(::chmod(folder.Path().c_str(), 0555), 0);
                break;
        }
    }

    // Starts a child that saves the new bet as the saving user.
    pid_t StartSaving() const {
        return StartChild(Saver(), [this] { WriteBet(path, *newBet); });
    }

    ScratchFolder folder{"save-crash"};
    const fs::path path = folder.Path() / "apuesta.txt";
    // Different counts and columns, so that a mixture shows.
    const std::unique_ptr<CColumnSet> oldBet = LargeBet(400'000, 0, 7);
    const std::unique_ptr<CColumnSet> newBet = LargeBet(300'000, 5, 11);
    const std::string oldText = TextOf(*oldBet);
    const std::string newText = TextOf(*newBet);
};

TEST_P(SaveCrashTest, KilledSaveLeavesOldNewOrRefusedAndNoTemporaryFile) {
    // How long an undisturbed save takes, so that the kills spread over it.
    const auto start = std::chrono::steady_clock::now();
    int status = -1;
    ASSERT_EQ(::waitpid(StartSaving(), &status, 0) > 0 && WIFEXITED(status), true);
    const auto duration = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(Contents(path), newText);

    std::random_device seedSource;
    const unsigned seed = seedSource();
    std::mt19937 random(seed);
    // Every fourth kill falls in the save's first 64th, where it opens, locks
    // and marks the file: a gap of microseconds that kills spread evenly
    // over the whole save would hardly ever reach.
    const std::int64_t whole =
        std::chrono::duration_cast<std::chrono::microseconds>(duration).count();
    std::uniform_int_distribution<std::int64_t> anyMoment(0, whole);
    std::uniform_int_distribution<std::int64_t> earlyMoment(0, whole / 64);
    std::array<int, 4> tally{};  // by SaveAftermath
    for (int kill = 0; kill < kKills; ++kill) {
        // The next save: it brings the old bet back and clears what the
        // killed one left.
        ASSERT_TRUE(SaveAs(Saver(), path, *oldBet).Saved());
        ASSERT_EQ(Contents(path), oldText);
        EXPECT_TRUE(TemporaryFilesIn(folder.Path()).empty()) << "after kill " << kill;

        const pid_t child = StartSaving();
        const std::int64_t moment = kill % 4 == 0 ? earlyMoment(random) : anyMoment(random);
        std::this_thread::sleep_for(std::chrono::microseconds(moment));
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        ++tally[static_cast<std::size_t>(AftermathOf(path, oldText, newText))];
    }
    ASSERT_TRUE(SaveAs(Saver(), path, *oldBet).Saved());
    EXPECT_TRUE(TemporaryFilesIn(folder.Path()).empty());

    std::cout << "kill -9 on the " << GetParam().name << " path (seed " << seed << "): old "
              << tally[0] << ", new " << tally[1] << ", refused " << tally[2] << ", mixed "
              << tally[3] << "\n";
    EXPECT_EQ(tally[static_cast<std::size_t>(SaveAftermath::kMixed)], 0);
}

void PrintTo(const RouteCase& route, std::ostream* out) {
    *out << route.name;
}

INSTANTIATE_TEST_SUITE_P(Paths, SaveCrashTest,
                         testing::Values(RouteCase{"rename", SaveRoute::kRename},
                                         RouteCase{"hard-link", SaveRoute::kHardLink},
                                         RouteCase{"closed-folder", SaveRoute::kClosedFolder}),
                         [](const auto& info) {
                             return std::string(info.param.route == SaveRoute::kRename ? "Rename"
                                                : info.param.route == SaveRoute::kHardLink
                                                    ? "HardLink"
                                                    : "ClosedFolder");
                         });

}  // namespace

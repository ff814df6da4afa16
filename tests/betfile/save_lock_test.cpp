// Two saves of one file at once, each by the saving user (not root) in a
// child process: the first is stopped at a chosen system call through the
// writer's hook while the second runs.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <vector>

#include "betfile/bet_writer.h"
#include "betfile/internal/save_hook.h"
#include "tests/betfile/save_test_support.h"

using namespace lumo;
using namespace lumo::internal;

namespace fs = std::filesystem;

namespace {

// How the first save writes the file.
enum class SavePath {
    kNewFile,       // no file yet: a new file takes the name
    kReplaced,      // a plain file, replaced by a new one
    kInPlace,       // a file with two names, written into
    kClosedFolder,  // a file in a folder that takes no new file, written into
};

struct Stop {
    SaveCall call;
    int occurrence;
};

struct Counts {
    int whole = 0;    // the file afterwards is one save's whole text
    int refused = 0;  // the second save was refused as another's
    int mixed = 0;    // anything else
};

// Stops at the stop's call, says so on `stopped` and waits for a byte on
// `go`.
SaveHook StopAt(Stop stop, int stopped, int go) {
    return [=, seen = 0](SaveCall call) mutable {
        char byte = 's';
        if (call == stop.call && ++seen == stop.occurrence &&
            (::write(stopped, &byte, 1) != 1 || ::read(go, &byte, 1) != 1)) {
            ::_exit(4);
        }
        return 0;
    };
}

class SaveLockTest : public testing::Test {
  protected:
    // Saves `first` stopped at `stop`, saves `second` meanwhile, lets the
    // first go on, and counts what came of it.
    void Race(const fs::path& path, Stop stop, Counts& counts) {
        int stopped[2];
        int go[2];
        ASSERT_EQ(::pipe(stopped), 0);
        ASSERT_EQ(::pipe(go), 0);
        const pid_t child = StartChild(Saver(), [&] {
            SetSaveHook(StopAt(stop, stopped[1], go[0]));
            ::_exit(WriteBet(path, *first).Saved() ? 0 : 3);
        });
        ::close(stopped[1]);
        ::close(go[0]);
        char byte = 0;
        ASSERT_EQ(::read(stopped[0], &byte, 1), 1) << static_cast<int>(stop.call);
        const SaveResult second = SaveAs(Saver(), path, *this->second);
        EXPECT_EQ(::write(go[1], &byte, 1), 1);
        for (const int fd : {stopped[0], go[1]}) {
            ::close(fd);
        }
        int status = -1;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        counts.refused += second.failure == SaveFailure::kBeingSaved ? 1 : 0;
        const std::string text = Contents(path);
        const bool whole = text == TextOf(*first) || text == TextOf(*this->second);
        (whole ? counts.whole : counts.mixed) += 1;
    }

    // Lays what the path needs and races at every stop.
    Counts RaceAt(SavePath savePath, const std::vector<Stop>& stops) {
        Counts counts;
        for (const Stop stop : stops) {
            const ScratchFolder folder("save-lock");
            const fs::path path = folder.Path() / "apuesta.txt";
            GiveTo(folder.Path(), Saver());
            if (savePath != SavePath::kNewFile) {
                EXPECT_TRUE(WriteBet(path, *BetOf({7})).Saved());
                GiveTo(path, Saver());
            }
            if (savePath == SavePath::kInPlace) {
                fs::create_hard_link(path, folder.Path() / "otro-nombre.txt");
            }
            if (savePath == SavePath::kClosedFolder) {
                EXPECT_EQ(::chmod(folder.Path().c_str(), 0555), 0);
            }
            Race(path, stop, counts);
        }
        return counts;
    }

    const std::unique_ptr<CColumnSet> first = LargeBet(20'000);
    const std::unique_ptr<CColumnSet> second = LargeBet(30'000, 7, 3);
};

const std::vector<Stop> kThroughNewFile = {
    {SaveCall::kTemporaryCreated, 1}, {SaveCall::kWrite, 2},  {SaveCall::kSync, 1},
    {SaveCall::kChangeMode, 1},       {SaveCall::kRename, 1}, {SaveCall::kSyncFolder, 1},
};
const std::vector<Stop> kInPlace = {
    {SaveCall::kWriteMark, 1}, {SaveCall::kSync, 1},       {SaveCall::kWrite, 2},
    {SaveCall::kTruncate, 1},  {SaveCall::kWriteCount, 1},
};

void Report(const char* name, const Counts& counts) {
    std::cout << name << ": " << counts.whole << " whole, " << counts.refused << " refused, "
              << counts.mixed << " mixed\n";
}

// A file that is there is locked by its save from start to end: the second
// save is refused at every stop, and the file is one save's whole text.
TEST_F(SaveLockTest, SecondSaveOfAnExistingFileIsRefusedWhileTheFirstRuns) {
    const struct {
        const char* name;
        SavePath path;
        const std::vector<Stop>& stops;
    } cases[] = {
        {"replaced through a new file", SavePath::kReplaced, kThroughNewFile},
        {"written in place", SavePath::kInPlace, kInPlace},
        {"written in place in a closed folder", SavePath::kClosedFolder, kInPlace},
    };
    for (const auto& c : cases) {
        const Counts counts = RaceAt(c.path, c.stops);
        Report(c.name, counts);
        EXPECT_EQ(counts.refused, static_cast<int>(c.stops.size())) << c.name;
        EXPECT_EQ(counts.whole, static_cast<int>(c.stops.size())) << c.name;
        EXPECT_EQ(counts.mixed, 0) << c.name;
    }
}

// A name with no file yet has nothing to lock until the first save's new
// file takes it: a second save before that makes a whole file of its own,
// one after it is refused; no file is ever mixed.
TEST_F(SaveLockTest, NewFileIsLockedOnceItTakesTheName) {
    const Counts counts = RaceAt(SavePath::kNewFile, kThroughNewFile);
    Report("new file", counts);
    EXPECT_EQ(counts.refused, 1);  // stopped after the rename only
    EXPECT_EQ(counts.whole, static_cast<int>(kThroughNewFile.size()));
    EXPECT_EQ(counts.mixed, 0);
}

}  // namespace

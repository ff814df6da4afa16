#include "betfile/text_file_writer.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include "betfile/bet_messages.h"
#include "betfile/internal/save_hook.h"
#include "tests/betfile/save_test_support.h"

using namespace lumo;

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLong = "150 100 35\n100 100 100\n90 80 70\n";
constexpr std::string_view kShort = "1 2 3\n";

class TextFileWriterTest : public testing::Test {
  protected:
    void Write(const fs::path& file, std::string_view text) { std::ofstream(file) << text; }

    ScratchFolder scratch{"text-writer"};
    const fs::path path = scratch.Path() / "esperanza.txt";
};

// Whichever way the file is written (a new one in its place, or into the
// file itself because another name shares it), a shorter text leaves nothing
// of the longer one, and the permission bits stay.
TEST_F(TextFileWriterTest, ShorterTextReplacesTheOldWholeBothWays) {
    for (const bool hardLinked : {false, true}) {
        SCOPED_TRACE(hardLinked ? "in place" : "new file");
        Write(path, kLong);
        ::chmod(path.c_str(), 0640);
        const fs::path other = scratch.Path() / "otro-nombre.txt";
        if (hardLinked) {
            fs::create_hard_link(path, other);
        }
        ASSERT_TRUE(WriteTextFile(path, kShort).Saved());
        EXPECT_EQ(Contents(path), kShort);
        EXPECT_EQ(fs::status(path).permissions(),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        EXPECT_EQ(Contents(other), hardLinked ? std::string(kShort) : std::string());
        fs::remove(other);
    }
}

TEST_F(TextFileWriterTest, RefusesWhatItMustNotWriteAndSaysWhy) {
    EXPECT_EQ(WriteTextFile(scratch.Path(), kShort).failure, SaveFailure::kIsFolder);

    Write(path, kLong);
    const int fd = ::open(path.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    const SaveResult locked = WriteTextFile(path, kShort);
    ::close(fd);
    EXPECT_EQ(locked.failure, SaveFailure::kBeingSaved);
    EXPECT_EQ(Contents(path), kLong);
    EXPECT_EQ(TextSaveMessage("esperanza.txt", locked),
              "No se ha podido grabar «esperanza.txt»: otro programa está grabando "
              "«esperanza.txt». Si el archivo ya existía, no ha cambiado.");
}

// A write that fails part of the way into a file written in place says that
// the file may be incomplete; through a new file the old one stays whole.
TEST_F(TextFileWriterTest, FailedWriteKeepsTheOldTextOrSaysItMayBeIncomplete) {
    for (const bool hardLinked : {false, true}) {
        Write(path, kLong);
        if (hardLinked) {
            fs::create_hard_link(path, scratch.Path() / "enlace.txt");
        }
        internal::SetSaveHook([](internal::SaveCall call) {
            return call == internal::SaveCall::kTruncate || call == internal::SaveCall::kSync ? EIO
                                                                                              : 0;
        });
        const SaveResult failed = WriteTextFile(path, kShort);
        internal::SetSaveHook({});
        if (hardLinked) {
            EXPECT_EQ(failed.failure, SaveFailure::kWriteInPlaceFailed);
            EXPECT_NE(TextSaveMessage("e.txt", failed).find("incompleto"), std::string::npos);
        } else {
            EXPECT_EQ(failed.failure, SaveFailure::kWriteFailed);
            EXPECT_EQ(Contents(path), kLong);
        }
    }
}

}  // namespace

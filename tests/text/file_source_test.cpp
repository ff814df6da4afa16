// Opening what a reader is named: files, folders and FIFOs, never waiting
// where a window reads.
#include "text/file_source.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

using namespace lumo;

namespace fs = std::filesystem;

namespace {

class FileSourceTest : public testing::Test {
  protected:
    FileSourceTest() { fs::create_directory(folder); }
    ~FileSourceTest() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    // What the stream gives until it ends or fails, as a reader sees it.
    static std::string ReadAll(FileSource& source) {
        std::string text;
        for (int c = source.Stream().get(); c != EOF; c = source.Stream().get()) {
            text.push_back(static_cast<char>(c));
        }
        return text;
    }

    const fs::path folder =
        fs::temp_directory_path() / ("lumo-file-source-" + std::to_string(::getpid()));
};

TEST_F(FileSourceTest, FilesReadWholeAndTheRestSayWhy) {
    std::ofstream(folder / "a.txt") << "1\n11111111111111\n";
    FileSource file(folder / "a.txt", PipeWaiting::kNever);
    EXPECT_EQ(file.OpenError(), 0);
    EXPECT_TRUE(file.OpenedByName());
    EXPECT_EQ(ReadAll(file), "1\n11111111111111\n");

    const FileSource missing(folder / "b.txt", PipeWaiting::kMayWait);
    EXPECT_EQ(missing.OpenError(), ENOENT);
    const FileSource itsFolder(folder, PipeWaiting::kMayWait);
    EXPECT_EQ(itsFolder.OpenError(), EISDIR);
}

TEST_F(FileSourceTest, AWindowNeverWaitsOnAFifo) {
    const fs::path fifo = folder / "tuberia";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // No writer: the text is empty.
    FileSource alone(fifo, PipeWaiting::kNever);
    EXPECT_EQ(ReadAll(alone), "");
    // A writer that holds the FIFO open and writes nothing: a read error at
    // once, where waiting would hang the window.
    const int writer = ::open(fifo.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    FileSource held(fifo, PipeWaiting::kNever);
    EXPECT_EQ(ReadAll(held), "");
    EXPECT_TRUE(held.Stream().bad());
    ::close(writer);
}

TEST_F(FileSourceTest, ACommandWaitsForAPipesWriter) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ASSERT_EQ(::write(ends[1], "2\n", 2), 2);
    ::close(ends[1]);
    FileSource piped("/dev/fd/" + std::to_string(ends[0]), PipeWaiting::kMayWait);
    EXPECT_EQ(ReadAll(piped), "2\n");
    ::close(ends[0]);
}

}  // namespace

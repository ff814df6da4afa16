#pragma once

#include <sys/types.h>

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

namespace lumo::internal {

// What a reader sees of a file before and after reading it: a writer that
// moved any of these while the text was read may have left a mixed bet.
struct FileLook {
    off_t size = 0;
    timespec changed{};     // st_ctim
    std::string countLine;  // the first bytes of line 1, up to its LF
};

// A shared lock (flock) on the bet file being read, held for as long as the
// object lives, so that a save (save_lock.h) cannot start meanwhile. A save
// already running holds the exclusive lock: the reader is told at once and
// never waits. Writers that take no lock are caught by Unchanged().
class ReadGuard {
  public:
    // Opens `path` for reading (without waiting on anything) and takes the
    // shared lock without waiting.
    explicit ReadGuard(const std::filesystem::path& path);
    ~ReadGuard();
    ReadGuard(const ReadGuard&) = delete;
    ReadGuard& operator=(const ReadGuard&) = delete;

    // The error number of a failed opening or look; 0 when it worked.
    int OpenError() const { return openError; }
    // Whether a save holds the file's lock.
    bool Taken() const { return taken; }
    // Whether the file looks as it did when the guard opened it.
    bool Unchanged() const;

  private:
    int fd = -1;
    int openError = 0;
    bool taken = false;
    FileLook before;
};

// A seam for tests: runs between reading the text and looking at the file
// again. Without a hook (the program) nothing runs.
void SetReadHook(std::function<void()> hook);

}  // namespace lumo::internal

#pragma once

#include <sys/types.h>

#include <ctime>
#include <functional>
#include <optional>
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
// never waits. Writers that take no lock are caught by Unchanged(). Only a
// regular file is guarded: a pipe or a device is never saved over.
class ReadGuard {
  public:
    // Guards the file read through `fd` (not owned; -1 guards nothing),
    // taking the shared lock without waiting.
    explicit ReadGuard(int fd);
    ~ReadGuard();
    ReadGuard(const ReadGuard&) = delete;
    ReadGuard& operator=(const ReadGuard&) = delete;

    // Whether a save holds the file's lock.
    bool Taken() const { return taken; }
    // Whether the file looks as it did when the guard took it; true for
    // what is not guarded.
    bool Unchanged() const;

  private:
    int fd = -1;  // the locked descriptor; -1 when nothing is guarded
    bool taken = false;
    std::optional<FileLook> before;
};

// A seam for tests: runs between reading the text and looking at the file
// again. Without a hook (the program) nothing runs.
void SetReadHook(std::function<void()> hook);

}  // namespace lumo::internal

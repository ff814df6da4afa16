#pragma once

#include <filesystem>

namespace lumo::internal {

// An exclusive lock (flock) on the existing regular file a save is about to
// write, held for as long as the object lives, so that two saves of one
// file never write it at the same time: the second finds the lock taken and
// gives up at once. A save through a new file holds this lock on the old
// file and its new file's own (temporary_file.h) until it ends, so a save
// starting after the new file took the old one's place finds that one
// taken.
class SaveLock {
  public:
    // Opens `target` for writing (without following a link, without waiting
    // on anything) and takes its lock without waiting. A file that cannot
    // be opened is not locked; the save's own opening reports why.
    explicit SaveLock(const std::filesystem::path& target);
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    // Whether another save holds the file's lock.
    bool Taken() const { return taken; }

  private:
    int fd = -1;
    bool taken = false;
};

}  // namespace lumo::internal

#pragma once

#include <filesystem>

namespace lumo::internal {

// A save's new file, made in the target's folder under a short hidden name of
// its own, ".lumo-PID-XXXXXX.tmp" (the saving process's id, six random
// letters or digits), so that a target name of any allowed length leaves room
// for it. It is made with mode 0600, so that nobody else can read it while
// the text goes in, is locked (flock) for as long as it is open, and is
// registered for removal when the process is interrupted
// (save_interruption.h).
class TemporaryFile {
  public:
    // Makes the file in `folder` (as FolderOf gives it). When none could be
    // made, Fd() is -1 and Error() the error number.
    explicit TemporaryFile(const std::filesystem::path& folder);
    // Closes the file and, unless it was renamed, removes it.
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int Fd() const { return fd; }
    int Error() const { return error; }

    // Puts the file in the place of `target`: 0, or the error number (the
    // file is then still there, to be removed).
    int RenameTo(const std::filesystem::path& target);

  private:
    std::filesystem::path path;
    int fd = -1;
    int error = 0;
    bool renamed = false;
};

// Removes from `folder` the temporary files left by saves whose process no
// longer exists (killed, crashed): entries named as above that are regular
// files owned by the user saving, whose process id is not running and whose
// lock nobody holds (which also spares the file of a live save seen from
// another process id namespace). Anything else is left alone; failures are
// ignored.
void RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

}  // namespace lumo::internal

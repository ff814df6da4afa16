#pragma once

#include <functional>

namespace lumo::internal {

// A seam for tests: a save asks the hook at each system call that changes
// the disk, and the hook may look at the files, stop the process or make the
// call fail. Without a hook (the program) every call just runs.

enum class SaveCall {
    kTemporaryCreated,  // the new file was just made (asked after the call)
    kWrite,             // a block of the text
    kWriteMark,         // the in-place save's placeholder, before anything else
    kWriteCount,        // the in-place save's count, over the placeholder, last
    kSync,              // flushing the file to the disk
    kTruncate,          // cutting the file written in place to its length
    kSetAttribute,      // copying one extended attribute to the new file
    kChangeMode,        // giving the new file its final permission bits
    kRename,            // putting the new file in the old one's place
    kSyncFolder,        // flushing the folder's entries to the disk after the rename
};

// Returns 0 to let the call run, or the error number it fails with instead.
using SaveHook = std::function<int(SaveCall)>;

// Installs the hook; an empty one removes it.
void SetSaveHook(SaveHook hook);

// What the hook says of the call: 0 without a hook.
int InjectedSaveError(SaveCall call);

}  // namespace lumo::internal

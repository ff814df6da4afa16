#pragma once

namespace lumo {

// Why a save failed.
enum class SaveFailure {
    kNone,            // saved
    kIsFolder,        // the path names a folder
    kNotRegularFile,  // the path names something that takes no writing (a socket, a pipe nobody
                      // reads)
    kNotWritable,     // the file exists and the user may not write it; it was left as it was
    kCannotCreate,   // no new file could be made in the folder (missing folder, no permission, ...)
    kWriteFailed,    // writing, flushing or closing the new file failed (full disk, ...)
    kCannotReplace,  // the new file could not take the place of the old one
    kWriteInPlaceFailed,  // writing into the existing file failed part of the way: it is
                          // left incomplete, marked so that no reader of ours takes it
                          // when its text has a mark (a bet file)
    kUnsafeLink,  // the name is another user's symbolic link in a shared folder (sticky, open to
                  // all), which is not followed
    kUnsafeHardLink,        // the name is a file with more than one name in a shared folder, which
                            // is not written
    kUnsafeSpecialFile,     // the name is a pipe, device or socket in a shared folder that the
                            // saving user does not own, which is not written
    kUnsafeOtherUsersFile,  // the name is a file in a shared folder owned by neither the
                            // saving user nor the folder's owner, which is not written
    kBeingSaved,            // another save of the same file is under way; nothing was changed
};

struct SaveResult {
    SaveFailure failure = SaveFailure::kNone;
    // The error number of the failing system call, 0 when there was none.
    int systemError = 0;
    // For a save through a new file: the error number when the folder could
    // not be flushed to the disk after the new file took the old one's
    // place. The save happened, but a crash soon after may bring back the
    // old file. 0 otherwise.
    int folderSyncError = 0;

    bool Saved() const { return failure == SaveFailure::kNone; }
};

}  // namespace lumo

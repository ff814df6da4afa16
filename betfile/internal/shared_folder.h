#pragma once

#include <sys/stat.h>

#include <filesystem>

#include "betfile/save_result.h"

namespace lumo::internal {

// A folder that every user may write and whose sticky bit keeps each user's
// entries their own, such as /tmp. Any user may lay a name there before a
// save comes, so what stands there is written only as the kernel's
// protected_* rules, at their strictest, would let it be.

// How the folder holding an entry is shared.
struct FolderSharing {
    bool shared = false;  // sticky and writable by every user
    uid_t owner = 0;      // the folder's owner
};

// The sharing of the folder that holds `entry`. A folder that cannot be
// examined is taken as shared, with an owner no user is, so that only what
// the saving user owns passes.
FolderSharing SharingOf(const std::filesystem::path& entry);

// Whether the saving user may write the existing `target`, whose status
// (not followed) is `existing`: kNone, or why not. In a shared folder a
// regular file with more than one name is refused (kUnsafeHardLink),
// whoever owns it: who made a name cannot be known, and another user's name
// for a file of the saver's would make the save write that file. A pipe,
// device or socket that the saving user does not own is refused too
// (kUnsafeSpecialFile), as protected_fifos has it for pipes. Any other file
// is refused when it belongs neither to the saving user nor to the folder's
// owner (kUnsafeOtherUsersFile), as protected_regular=2 has it.
SaveFailure SharedFolderRefusal(const std::filesystem::path& target, const struct stat& existing);

}  // namespace lumo::internal

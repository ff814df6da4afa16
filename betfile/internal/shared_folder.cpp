#include "betfile/internal/shared_folder.h"

#include <unistd.h>

#include "betfile/internal/link_following.h"

namespace lumo::internal {

namespace {

// An owner that no user is.
constexpr uid_t kNoOwner = static_cast<uid_t>(-1);

}  // namespace

FolderSharing SharingOf(const std::filesystem::path& entry) {
    struct stat folder {};
    if (::stat(FolderOf(entry).c_str(), &folder) != 0) {
        return {.shared = true, .owner = kNoOwner};
    }
    return {.shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0,
            .owner = folder.st_uid};
}

SaveFailure SharedFolderRefusal(const std::filesystem::path& target, const struct stat& existing) {
    const FolderSharing folder = SharingOf(target);
    if (!folder.shared) {
        return SaveFailure::kNone;
    }
    if (S_ISREG(existing.st_mode) && existing.st_nlink > 1) {
        return SaveFailure::kUnsafeHardLink;
    }
    if (!S_ISREG(existing.st_mode) && existing.st_uid != ::geteuid()) {
        return SaveFailure::kUnsafeSpecialFile;
    }
    if (existing.st_uid != ::geteuid() && existing.st_uid != folder.owner) {
        return SaveFailure::kUnsafeOtherUsersFile;
    }
    return SaveFailure::kNone;
}

}  // namespace lumo::internal

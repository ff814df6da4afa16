#include "betfile/internal/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "betfile/internal/bet_text.h"
#include "betfile/internal/file_attributes.h"
#include "betfile/internal/link_following.h"
#include "betfile/internal/save_hook.h"
#include "betfile/internal/save_lock.h"
#include "betfile/internal/shared_folder.h"
#include "betfile/internal/temporary_file.h"

namespace lumo::internal {

namespace {

SaveResult Failure(SaveFailure failure, int systemError) {
    return {.failure = failure, .systemError = systemError};
}

// Flushes a folder's entries to the disk, so that the replacement survives a
// crash. 0, or the error number of a flush the system refused; a folder that
// cannot be opened for it is not looked at further.
int SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return 0;
    }
    int error = InjectedSaveError(SaveCall::kSyncFolder);
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    ::close(fd);
    return error;
}

// Gives the new file the owner and group of the existing one; false when the
// system refuses.
bool TakeOwner(int fd, const struct stat& existing) {
    struct stat created {};
    if (::fstat(fd, &created) != 0) {
        return false;
    }
    return (created.st_uid == existing.st_uid && created.st_gid == existing.st_gid) ||
           ::fchown(fd, existing.st_uid, existing.st_gid) == 0;
}

// Gives the new file, whose text is in, what the user will see of it: the
// existing file's extended attributes and permission bits, or those of a
// file made anew in the folder. 0 or the error number.
int DressNewFile(int fd, const std::filesystem::path& target, const struct stat* existing) {
    mode_t mode = 0;
    if (existing != nullptr) {
        if (const int error = CopyExtendedAttributes(target, fd)) {
            return error;
        }
        mode = existing->st_mode & 07777;
    } else {
        mode = NewFileMode(FolderOf(target));
    }
    if (const int injected = InjectedSaveError(SaveCall::kChangeMode)) {
        return injected;
    }
    return ::fchmod(fd, mode) == 0 ? 0 : errno;
}

// Whether a rename failing so means the target cannot be replaced by another
// file at all (a file mounted on its own, as containers do), though it can be
// written into.
bool RenameRefusedForTheTarget(int error) {
    return error == EBUSY || error == EXDEV;
}

// Writes the text to a new file and puts it in the place of `target`.
// `existing` is the target's status when there is one: the new file must
// then look like it, and when it cannot (a foreign owner, an attribute that
// cannot be copied, a folder that takes no new file, a target that cannot be
// renamed over), nothing is changed and the answer is empty.
std::optional<SaveResult> SaveThroughNewFile(const std::filesystem::path& target,
                                             const struct stat* existing,
                                             const SaveContent& content) {
    TemporaryFile temporary(FolderOf(target));
    if (temporary.Fd() < 0) {
        if (existing != nullptr) {
            return std::nullopt;
        }
        return Failure(SaveFailure::kCannotCreate, temporary.Error());
    }
    if (existing != nullptr && !TakeOwner(temporary.Fd(), *existing)) {
        return std::nullopt;
    }
    if (const int error = content.writeNew(temporary.Fd())) {
        return Failure(SaveFailure::kWriteFailed, error);
    }
    if (const int error = DressNewFile(temporary.Fd(), target, existing)) {
        if (existing != nullptr) {
            return std::nullopt;  // written in place, it keeps what it carries
        }
        return Failure(SaveFailure::kWriteFailed, error);
    }
    if (const int error = SyncFile(temporary.Fd())) {
        return Failure(SaveFailure::kWriteFailed, error);
    }
    if (const int error = temporary.RenameTo(target)) {
        if (existing != nullptr && RenameRefusedForTheTarget(error)) {
            return std::nullopt;
        }
        return Failure(SaveFailure::kCannotReplace, error);
    }
    return SaveResult{.folderSyncError = SyncFolder(FolderOf(target))};
}

// Saves over the existing `target`, a file the user may write, holding its
// lock when it is a regular file.
SaveResult SaveExisting(const std::filesystem::path& target, const struct stat& existing,
                        const SaveContent& content) {
    if (!S_ISREG(existing.st_mode)) {
        return content.writeInPlace(target, existing);
    }
    const SaveLock lock(target);
    if (lock.Taken()) {
        return Failure(SaveFailure::kBeingSaved, EWOULDBLOCK);
    }
    if (existing.st_nlink == 1) {
        if (const auto replaced = SaveThroughNewFile(target, &existing, content)) {
            return *replaced;
        }
    }
    return content.writeInPlace(target, existing);
}

}  // namespace

SaveResult SaveSafely(const std::filesystem::path& path, const SaveContent& content) {
    SaveTarget target;
    if (const SaveResult followed = FollowLinks(path, target); !followed.Saved()) {
        return followed;
    }
    if (!target.exists || S_ISREG(target.status.st_mode)) {
        RemoveStaleTemporaryFiles(FolderOf(target.path));
    }
    if (!target.exists) {
        // Nothing there (or nothing that can be examined): a new file, whose
        // making reports what stands in the way.
        return *SaveThroughNewFile(target.path, nullptr, content);
    }
    const struct stat& existing = target.status;
    if (S_ISDIR(existing.st_mode)) {
        return Failure(SaveFailure::kIsFolder, EISDIR);
    }
    if (const SaveFailure refused = SharedFolderRefusal(target.path, existing);
        refused != SaveFailure::kNone) {
        return Failure(refused, EACCES);
    }
    if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
        return Failure(SaveFailure::kNotWritable, errno);
    }
    return SaveExisting(target.path, existing, content);
}

}  // namespace lumo::internal

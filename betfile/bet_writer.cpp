#include "betfile/bet_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <ostream>
#include <string_view>

#include "betfile/internal/bet_text.h"
#include "betfile/internal/file_attributes.h"
#include "betfile/internal/in_place_save.h"
#include "betfile/internal/link_following.h"
#include "betfile/internal/save_hook.h"
#include "betfile/internal/save_lock.h"
#include "betfile/internal/shared_folder.h"
#include "betfile/internal/temporary_file.h"

namespace lumo {

using namespace internal;

namespace {

BetSaveResult Failure(BetSaveFailure failure, int systemError) {
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

// Writes the bet to a new file and puts it in the place of `target`.
// `existing` is the target's status when there is one: the new file must
// then look like it, and when it cannot (a foreign owner, an attribute that
// cannot be copied, a folder that takes no new file, a target that cannot be
// renamed over), nothing is changed and the answer is empty.
std::optional<BetSaveResult> SaveThroughNewFile(const std::filesystem::path& target,
                                                const struct stat* existing,
                                                const CColumnSet& bet) {
    TemporaryFile temporary(FolderOf(target));
    if (temporary.Fd() < 0) {
        if (existing != nullptr) {
            return std::nullopt;
        }
        return Failure(BetSaveFailure::kCannotCreate, temporary.Error());
    }
    if (existing != nullptr && !TakeOwner(temporary.Fd(), *existing)) {
        return std::nullopt;
    }
    if (const int error = WriteBetText(temporary.Fd(), bet, CountLine(bet.Count()))) {
        return Failure(BetSaveFailure::kWriteFailed, error);
    }
    if (const int error = DressNewFile(temporary.Fd(), target, existing)) {
        if (existing != nullptr) {
            return std::nullopt;  // written in place, it keeps what it carries
        }
        return Failure(BetSaveFailure::kWriteFailed, error);
    }
    if (const int error = SyncFile(temporary.Fd())) {
        return Failure(BetSaveFailure::kWriteFailed, error);
    }
    if (const int error = temporary.RenameTo(target)) {
        if (existing != nullptr && RenameRefusedForTheTarget(error)) {
            return std::nullopt;
        }
        return Failure(BetSaveFailure::kCannotReplace, error);
    }
    return BetSaveResult{.folderSyncError = SyncFolder(FolderOf(target))};
}

// Saves over the existing `target`, a file the user may write, holding its
// lock when it is a regular file.
BetSaveResult SaveExisting(const std::filesystem::path& target, const struct stat& existing,
                           const CColumnSet& bet) {
    if (!S_ISREG(existing.st_mode)) {
        return WriteInPlace(target, existing, bet);
    }
    const SaveLock lock(target);
    if (lock.Taken()) {
        return Failure(BetSaveFailure::kBeingSaved, EWOULDBLOCK);
    }
    if (existing.st_nlink == 1) {
        if (const auto replaced = SaveThroughNewFile(target, &existing, bet)) {
            return *replaced;
        }
    }
    return WriteInPlace(target, existing, bet);
}

}  // namespace

std::ostream& WriteBet(std::ostream& out, const CColumnSet& bet) {
    FormatBet(bet, CountLine(bet.Count()), [&out](std::string_view text) {
        return static_cast<bool>(out.write(text.data(), static_cast<std::streamsize>(text.size())));
    });
    return out;
}

BetSaveResult WriteBet(const std::filesystem::path& path, const CColumnSet& bet) {
    SaveTarget target;
    if (const BetSaveResult followed = FollowLinks(path, target); !followed.Saved()) {
        return followed;
    }
    if (!target.exists || S_ISREG(target.status.st_mode)) {
        RemoveStaleTemporaryFiles(FolderOf(target.path));
    }
    if (!target.exists) {
        // Nothing there (or nothing that can be examined): a new file, whose
        // making reports what stands in the way.
        return *SaveThroughNewFile(target.path, nullptr, bet);
    }
    const struct stat& existing = target.status;
    if (S_ISDIR(existing.st_mode)) {
        return Failure(BetSaveFailure::kIsFolder, EISDIR);
    }
    if (const BetSaveFailure refused = SharedFolderRefusal(target.path, existing);
        refused != BetSaveFailure::kNone) {
        return Failure(refused, EACCES);
    }
    if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
        return Failure(BetSaveFailure::kNotWritable, errno);
    }
    return SaveExisting(target.path, existing, bet);
}

}  // namespace lumo

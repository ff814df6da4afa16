#include "betfile/internal/in_place_save.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "betfile/internal/bet_text.h"
#include "betfile/internal/save_hook.h"
#include "betfile/interrupted_save_mark.h"

namespace lumo::internal {

namespace {

BetSaveResult Failure(BetSaveFailure failure, int systemError) {
    return {.failure = failure, .systemError = systemError};
}

// The count line's placeholder: the mark over the count's width, CR LF.
std::string MarkLine(const std::string& countLine) {
    std::string mark = countLine;
    mark.replace(0, mark.size() - 2, mark.size() - 2, kInterruptedSaveMark);
    return mark;
}

// The steps after the mark; 0 or the error number of the first that failed.
int WriteMarkedText(int fd, const CColumnSet& bet, const std::string& mark,
                    const std::string& count, off_t bytes) {
    int error = SyncFile(fd);
    if (error == 0) {
        error = WriteBetText(fd, bet, mark);
    }
    if (error == 0) {
        error = InjectedSaveError(SaveCall::kTruncate);
        if (error == 0 && ::ftruncate(fd, bytes) != 0) {
            error = errno;
        }
    }
    if (error == 0) {
        error = SyncFile(fd);
    }
    if (error == 0) {
        error = WriteAllAt(fd, count, 0, SaveCall::kWriteCount);
    }
    if (error == 0) {
        error = SyncFile(fd);
    }
    return error;
}

}  // namespace

BetSaveResult WriteInPlace(const std::filesystem::path& target, const struct stat& existing,
                           const CColumnSet& bet) {
    const bool plainFile = S_ISREG(existing.st_mode);
    // Not blocking in the opening: a pipe that nobody reads is refused. Not
    // following a link either: the name was followed already.
    const int fd =
        ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) {
        const int error = errno;
        return Failure(
            error == ENXIO ? BetSaveFailure::kNotRegularFile : BetSaveFailure::kNotWritable, error);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const std::string count = CountLine(bet.Count());
    int error = 0;
    if (plainFile) {
        const off_t bytes = TextBytes(bet);
        const std::string mark = MarkLine(count);
        // Without room for the new text, or when not even the mark goes in,
        // the old text is still whole.
        if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, bytes) != 0 && errno != EOPNOTSUPP) {
            error = errno;
        } else {
            error = WriteAllAt(fd, mark, 0, SaveCall::kWriteMark);
        }
        if (error != 0) {
            ::close(fd);
            return Failure(BetSaveFailure::kWriteFailed, error);
        }
        error = WriteMarkedText(fd, bet, mark, count, bytes);
    } else {
        error = WriteBetText(fd, bet, count);
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error == 0 ? BetSaveResult{} : Failure(BetSaveFailure::kWriteInPlaceFailed, error);
}

}  // namespace lumo::internal

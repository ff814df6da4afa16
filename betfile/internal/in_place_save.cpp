#include "betfile/internal/in_place_save.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

#include "betfile/internal/bet_text.h"
#include "betfile/internal/save_hook.h"
#include "betfile/interrupted_save_mark.h"

namespace lumo::internal {

namespace {

SaveResult Failure(SaveFailure failure, int systemError) {
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

// Opens the existing target for writing in place: without blocking (a pipe
// that nobody reads is refused) and without following a link (the name was
// followed already). The descriptor, or -1 with `failure` saying why.
int OpenInPlace(const std::filesystem::path& target, SaveResult& failure) {
    const int fd =
        ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) {
        const int error = errno;
        failure = Failure(error == ENXIO ? SaveFailure::kNotRegularFile : SaveFailure::kNotWritable,
                          error);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// Reserves room for `bytes` from the start of the file, so that a full disk
// shows before anything is changed; 0 or the error number.
int Reserve(int fd, off_t bytes) {
    return ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, bytes) != 0 && errno != EOPNOTSUPP ? errno : 0;
}

// Closes the descriptor of a write in place; the result of the whole write.
SaveResult Closed(int fd, int error) {
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error == 0 ? SaveResult{} : Failure(SaveFailure::kWriteInPlaceFailed, error);
}

}  // namespace

SaveResult WriteInPlace(const std::filesystem::path& target, const struct stat& existing,
                        const CColumnSet& bet) {
    SaveResult failure;
    const int fd = OpenInPlace(target, failure);
    if (fd < 0) {
        return failure;
    }
    const std::string count = CountLine(bet.Count());
    if (!S_ISREG(existing.st_mode)) {
        return Closed(fd, WriteBetText(fd, bet, count));
    }
    const off_t bytes = TextBytes(bet);
    const std::string mark = MarkLine(count);
    // Without room for the new text, or when not even the mark goes in, the
    // old text is still whole.
    int error = Reserve(fd, bytes);
    if (error == 0) {
        error = WriteAllAt(fd, mark, 0, SaveCall::kWriteMark);
    }
    if (error != 0) {
        ::close(fd);
        return Failure(SaveFailure::kWriteFailed, error);
    }
    return Closed(fd, WriteMarkedText(fd, bet, mark, count, bytes));
}

SaveResult WriteTextInPlace(const std::filesystem::path& target, const struct stat& existing,
                            std::string_view text) {
    SaveResult failure;
    const int fd = OpenInPlace(target, failure);
    if (fd < 0) {
        return failure;
    }
    if (!S_ISREG(existing.st_mode)) {
        return Closed(fd, WriteAllAt(fd, text, std::nullopt, SaveCall::kWrite));
    }
    const auto bytes = static_cast<off_t>(text.size());
    if (const int error = Reserve(fd, bytes)) {
        ::close(fd);
        return Failure(SaveFailure::kWriteFailed, error);
    }
    int error = WriteAllAt(fd, text, 0, SaveCall::kWrite);
    if (error == 0) {
        error = InjectedSaveError(SaveCall::kTruncate);
        if (error == 0 && ::ftruncate(fd, bytes) != 0) {
            error = errno;
        }
    }
    if (error == 0) {
        error = SyncFile(fd);
    }
    return Closed(fd, error);
}

}  // namespace lumo::internal

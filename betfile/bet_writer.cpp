#include "betfile/bet_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <memory>
#include <new>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kLineBytes = kMatches + 2;
// Columns formatted per block handed on: 64 KiB of text.
constexpr std::int32_t kBlockColumns = 4096;

// Formats the bet and hands it on in blocks to emit(std::string_view), which
// returns false to stop.
template <typename Emit>
void FormatBet(const CColumnSet& bet, Emit&& emit) {
    constexpr std::size_t kBlockBytes = kBlockColumns * kLineBytes;
    const auto block = std::make_unique_for_overwrite<char[]>(kBlockBytes);
    char* out = std::to_chars(block.get(), block.get() + kBlockBytes, bet.Count()).ptr;
    *out++ = '\r';
    *out++ = '\n';
    if (!emit(std::string_view(block.get(), static_cast<std::size_t>(out - block.get())))) {
        return;
    }
    for (std::int32_t first = 0; first < bet.Count(); first += kBlockColumns) {
        const std::int32_t last = first + std::min(kBlockColumns, bet.Count() - first);
        out = block.get();
        for (std::int32_t i = first; i < last; ++i) {
            for (const auto code : bet[i].results) {
                *out++ = SignOf(code);
            }
            *out++ = '\r';
            *out++ = '\n';
        }
        if (!emit(std::string_view(block.get(), static_cast<std::size_t>(out - block.get())))) {
            return;
        }
    }
}

// Writes all of `text` to the descriptor; false with errno set on failure.
bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The number of bytes FormatBet gives for the bet.
off_t TextBytes(const CColumnSet& bet) {
    std::array<char, 16> digits{};
    const char* end = std::to_chars(digits.begin(), digits.end(), bet.Count()).ptr;
    return static_cast<off_t>(end - digits.begin()) + 2 +
           static_cast<off_t>(bet.Count()) * static_cast<off_t>(kLineBytes);
}

// Writes the bet's text to the descriptor; 0, or the error number of the
// first failure.
int WriteBetText(int fd, const CColumnSet& bet) {
    int error = 0;
    try {
        FormatBet(bet, [fd, &error](std::string_view text) {
            if (!WriteAll(fd, text)) {
                error = errno;
                return false;
            }
            return true;
        });
    } catch (const std::bad_alloc&) {
        error = ENOMEM;  // no room for the text block: nothing was written
    }
    return error;
}

// Follows symbolic links from `target` to the name finally written; false
// with errno set after too many links. A name that cannot be examined is
// left to the opening to report.
bool FollowLinks(std::filesystem::path& target) {
    // As many links as the system itself follows in one path.
    constexpr int kMaxLinks = 40;
    for (int links = 0; links < kMaxLinks; ++links) {
        std::error_code error;
        if (!std::filesystem::is_symlink(target, error)) {
            return true;
        }
        const std::filesystem::path next = std::filesystem::read_symlink(target, error);
        if (error) {
            errno = error.value();
            return false;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    errno = ELOOP;
    return false;
}

// A new file in the folder of `target` under a short hidden name of its own,
// so that a target name of any allowed length leaves room for it; -1 with
// errno set when none could be made.
int CreateSibling(const std::filesystem::path& target, std::filesystem::path& created) {
    const std::string stem = ".lumo-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        created = target.parent_path() / (stem + std::to_string(attempt) + ".tmp");
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Gives the new file the owner, group and permission bits of the existing
// one; false when the system refuses any of them.
bool TakeOver(int fd, const struct stat& existing) {
    struct stat created {};
    if (::fstat(fd, &created) != 0) {
        return false;
    }
    if ((created.st_uid != existing.st_uid || created.st_gid != existing.st_gid) &&
        ::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
        return false;
    }
    return ::fchmod(fd, existing.st_mode & 07777) == 0;
}

// Flushes a folder's entries to the disk, so that the replacement survives a
// crash; a failure here is not the save's, which has already happened.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

BetSaveResult Failure(BetSaveFailure failure, int systemError) {
    return {.failure = failure, .systemError = systemError};
}

// Writes the bet to a new file and puts it in the place of `target`.
// `existing` is the target's status when there is one: the new file must
// then take its owner, group and permission bits, and when it cannot, or
// the folder takes no new file, nothing is changed and the answer is empty.
std::optional<BetSaveResult> SaveThroughNewFile(const std::filesystem::path& target,
                                                const struct stat* existing,
                                                const CColumnSet& bet) {
    std::filesystem::path temporary;
    const int fd = CreateSibling(target, temporary);
    if (fd < 0) {
        if (existing != nullptr) {
            return std::nullopt;
        }
        return Failure(BetSaveFailure::kCannotCreate, errno);
    }
    if (existing != nullptr && !TakeOver(fd, *existing)) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return std::nullopt;
    }
    int error = WriteBetText(fd, bet);
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Failure(BetSaveFailure::kWriteFailed, error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.c_str());
        return Failure(BetSaveFailure::kCannotReplace, renameError);
    }
    SyncFolder(target.parent_path());
    return BetSaveResult{};
}

// Writes the bet into the existing target itself, which keeps its name,
// links, owner, group, permissions and attributes.
BetSaveResult WriteInPlace(const std::filesystem::path& target, const struct stat& existing,
                           const CColumnSet& bet) {
    const bool plainFile = S_ISREG(existing.st_mode);
    // Not blocking in the opening: a pipe that nobody reads is refused.
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        return Failure(
            error == ENXIO ? BetSaveFailure::kNotRegularFile : BetSaveFailure::kNotWritable, error);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const off_t bytes = TextBytes(bet);
    if (plainFile && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, bytes) != 0 && errno != EOPNOTSUPP) {
        // No room for the new text: the old one is still whole.
        const int error = errno;
        ::close(fd);
        return Failure(BetSaveFailure::kWriteFailed, error);
    }
    int error = WriteBetText(fd, bet);
    if (error == 0 && plainFile && (::ftruncate(fd, bytes) != 0 || ::fsync(fd) != 0)) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        return Failure(BetSaveFailure::kWriteInPlaceFailed, error);
    }
    return {};
}

// Whether the file carries extended attributes (an access control list,
// a security label) that a new file would not have.
bool HasExtendedAttributes(const std::filesystem::path& file) {
    return ::listxattr(file.c_str(), nullptr, 0) > 0;
}

}  // namespace

std::ostream& WriteBet(std::ostream& out, const CColumnSet& bet) {
    FormatBet(bet, [&out](std::string_view text) {
        return static_cast<bool>(out.write(text.data(), static_cast<std::streamsize>(text.size())));
    });
    return out;
}

BetSaveResult WriteBet(const std::filesystem::path& path, const CColumnSet& bet) {
    std::filesystem::path target = path;
    if (!FollowLinks(target)) {
        return Failure(BetSaveFailure::kCannotCreate, errno);
    }
    struct stat existing {};
    if (::stat(target.c_str(), &existing) != 0) {
        // Nothing there (or nothing that can be examined): a new file, whose
        // making reports what stands in the way.
        return *SaveThroughNewFile(target, nullptr, bet);
    }
    if (S_ISDIR(existing.st_mode)) {
        return Failure(BetSaveFailure::kIsFolder, EISDIR);
    }
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        return Failure(BetSaveFailure::kNotWritable, errno);
    }
    if (S_ISREG(existing.st_mode) && existing.st_nlink == 1 && !HasExtendedAttributes(target)) {
        if (const auto replaced = SaveThroughNewFile(target, &existing, bet)) {
            return *replaced;
        }
    }
    return WriteInPlace(target, existing, bet);
}

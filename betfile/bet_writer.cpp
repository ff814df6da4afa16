#include "betfile/bet_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <memory>
#include <new>
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

// A new file next to `target` under a hidden name of its own; -1 with errno
// set when none could be made.
int CreateSibling(const std::filesystem::path& target, std::filesystem::path& created) {
    std::string stem = ".";
    stem.append(target.filename().string()).append(".lumo-").append(std::to_string(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = stem;
        name.append("-").append(std::to_string(attempt)).append(".tmp");
        created = target.parent_path() / name;
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
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

}  // namespace

std::ostream& WriteBet(std::ostream& out, const CColumnSet& bet) {
    FormatBet(bet, [&out](std::string_view text) {
        return static_cast<bool>(out.write(text.data(), static_cast<std::streamsize>(text.size())));
    });
    return out;
}

BetSaveResult WriteBet(const std::filesystem::path& path, const CColumnSet& bet) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path target = path;
    if (fs::is_symlink(path, error) && fs::exists(path, error)) {
        target = fs::canonical(path, error);
        if (error) {
            target = path;
        }
    }
    const fs::file_status status = fs::status(target, error);
    if (fs::is_directory(status)) {
        return Failure(BetSaveFailure::kIsFolder, EISDIR);
    }
    const bool replacing = fs::exists(status);
    if (replacing && !fs::is_regular_file(status)) {
        return Failure(BetSaveFailure::kNotRegularFile, 0);
    }

    fs::path temporary;
    const int fd = CreateSibling(target, temporary);
    if (fd < 0) {
        return Failure(BetSaveFailure::kCannotCreate, errno);
    }
    if (replacing) {
        // Best effort: a file that cannot take the old permission bits keeps its own.
        ::fchmod(fd, static_cast<mode_t>(status.permissions() & fs::perms::mask));
    }
    int writeError = 0;
    try {
        FormatBet(bet, [fd, &writeError](std::string_view text) {
            if (!WriteAll(fd, text)) {
                writeError = errno;
                return false;
            }
            return true;
        });
    } catch (const std::bad_alloc&) {
        writeError = ENOMEM;  // no room for the text block: the new file goes
    }
    if (writeError == 0 && ::fsync(fd) != 0) {
        writeError = errno;
    }
    if (::close(fd) != 0 && writeError == 0) {
        writeError = errno;
    }
    if (writeError != 0) {
        ::unlink(temporary.c_str());
        return Failure(BetSaveFailure::kWriteFailed, writeError);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.c_str());
        return Failure(BetSaveFailure::kCannotReplace, renameError);
    }
    SyncFolder(target.parent_path());
    return {};
}

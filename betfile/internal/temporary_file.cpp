#include "betfile/internal/temporary_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <string>
#include <string_view>

#include "betfile/internal/interrupted_save_registry.h"
#include "betfile/internal/save_hook.h"

namespace lumo::internal {

namespace {

constexpr std::string_view kPrefix = ".lumo-";
constexpr std::string_view kSuffix = ".tmp";

bool IsNameCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The process id in a temporary file's name, 0 when the name is not one.
pid_t ProcessOf(std::string_view name) {
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) {
        return 0;
    }
    name.remove_prefix(kPrefix.size());
    name.remove_suffix(kSuffix.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos || dash + 1 == name.size() ||
        !std::all_of(name.begin() + static_cast<std::ptrdiff_t>(dash + 1), name.end(),
                     IsNameCharacter)) {
        return 0;
    }
    pid_t process = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + dash, process);
    return error == std::errc() && end == name.data() + dash && process > 0 ? process : 0;
}

bool ProcessIsGone(pid_t process) {
    return process != ::getpid() && ::kill(process, 0) != 0 && errno == ESRCH;
}

// Removes the entry when it is a stale temporary file of the saving user.
void RemoveIfStale(int folder, const char* name) {
    const int fd =
        ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        ::unlinkat(folder, name, 0);
    }
    ::close(fd);
}

}  // namespace

TemporaryFile::TemporaryFile(const std::filesystem::path& folder) {
    std::string name = (folder / (std::string(kPrefix) + std::to_string(::getpid()) + "-XXXXXX" +
                                  std::string(kSuffix)))
                           .string();
    // mkostemps makes the file with mode 0600 and tries other random names
    // while the one drawn is taken.
    fd = ::mkostemps(name.data(), static_cast<int>(kSuffix.size()), O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return;
    }
    path = name;
    RegisterInterruptedSaveFile(path);
    ::flock(fd, LOCK_EX | LOCK_NB);
    InjectedSaveError(SaveCall::kTemporaryCreated);
}

TemporaryFile::~TemporaryFile() {
    if (fd < 0) {
        return;
    }
    if (!renamed) {
        ::unlink(path.c_str());
    }
    ForgetInterruptedSaveFile();
    ::close(fd);
}

int TemporaryFile::RenameTo(const std::filesystem::path& target) {
    if (const int injected = InjectedSaveError(SaveCall::kRename)) {
        return injected;
    }
    if (::rename(path.c_str(), target.c_str()) != 0) {
        return errno;
    }
    renamed = true;
    ForgetInterruptedSaveFile();
    return 0;
}

void RemoveStaleTemporaryFiles(const std::filesystem::path& folder) {
    DIR* const entries = ::opendir(folder.c_str());
    if (entries == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const pid_t process = ProcessOf(entry->d_name);
        if (process != 0 && ProcessIsGone(process)) {
            RemoveIfStale(::dirfd(entries), entry->d_name);
        }
    }
    ::closedir(entries);
}

}  // namespace lumo::internal

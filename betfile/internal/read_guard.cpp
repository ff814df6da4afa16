#include "betfile/internal/read_guard.h"

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>

namespace lumo::internal {

namespace {

// Bytes of line 1 compared: more than any count line holds.
constexpr std::size_t kCountLook = 32;

std::function<void()>& Hook() {
    static std::function<void()> hook;
    return hook;
}

std::optional<FileLook> LookAt(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        return std::nullopt;
    }
    FileLook look{status.st_size, status.st_ctim, std::string(kCountLook, '\0')};
    const ssize_t got = ::pread(fd, look.countLine.data(), kCountLook, 0);
    if (got < 0) {
        return std::nullopt;
    }
    look.countLine.resize(static_cast<std::size_t>(got));
    look.countLine.resize(std::min(look.countLine.size(), look.countLine.find('\n')));
    return look;
}

bool Same(const FileLook& a, const FileLook& b) {
    return a.size == b.size && a.changed.tv_sec == b.changed.tv_sec &&
           a.changed.tv_nsec == b.changed.tv_nsec && a.countLine == b.countLine;
}

}  // namespace

ReadGuard::ReadGuard(int descriptor) {
    struct stat status {};
    if (descriptor < 0 || ::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        return;
    }
    if (::flock(descriptor, LOCK_SH | LOCK_NB) != 0) {
        taken = errno == EWOULDBLOCK;
        return;
    }
    fd = descriptor;
    // A file that cannot be looked at fails the read too, which says so.
    before = LookAt(fd);
}

ReadGuard::~ReadGuard() {
    // The descriptor may be the caller's own (standard input): the lock goes
    // with the guard, not with the descriptor.
    if (fd >= 0) {
        ::flock(fd, LOCK_UN);
    }
}

bool ReadGuard::Unchanged() const {
    if (!before) {
        return true;
    }
    if (const std::function<void()>& hook = Hook()) {
        hook();
    }
    const std::optional<FileLook> after = LookAt(fd);
    return after && Same(*before, *after);
}

void SetReadHook(std::function<void()> hook) {
    Hook() = std::move(hook);
}

}  // namespace lumo::internal

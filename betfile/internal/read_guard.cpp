#include "betfile/internal/read_guard.h"

#include <fcntl.h>
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

ReadGuard::ReadGuard(const std::filesystem::path& path)
    : fd(::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK)) {
    if (fd < 0) {
        openError = errno;
        return;
    }
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        taken = true;
        return;
    }
    const std::optional<FileLook> look = LookAt(fd);
    if (!look) {
        openError = errno;
        return;
    }
    before = *look;
}

ReadGuard::~ReadGuard() {
    if (fd >= 0) {
        ::close(fd);
    }
}

bool ReadGuard::Unchanged() const {
    if (const std::function<void()>& hook = Hook()) {
        hook();
    }
    const std::optional<FileLook> after = LookAt(fd);
    return after && Same(before, *after);
}

void SetReadHook(std::function<void()> hook) {
    Hook() = std::move(hook);
}

}  // namespace lumo::internal

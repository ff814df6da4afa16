#include "betfile/internal/save_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace lumo::internal {

SaveLock::SaveLock(const std::filesystem::path& target)
    : fd(::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW)) {
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        taken = errno == EWOULDBLOCK;
    }
}

SaveLock::~SaveLock() {
    if (fd >= 0) {
        ::close(fd);
    }
}

}  // namespace lumo::internal

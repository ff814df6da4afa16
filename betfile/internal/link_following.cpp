#include "betfile/internal/link_following.h"

#include <unistd.h>

#include <cerrno>
#include <string>

#include "betfile/internal/shared_folder.h"

namespace lumo::internal {

namespace {

// As many links as the system itself follows in one path.
constexpr int kMaxLinks = 40;

// Whether the kernel's rule lets the saving user follow this link.
bool MayFollow(const std::filesystem::path& link, const struct stat& linkStatus) {
    const FolderSharing folder = SharingOf(link);
    return !folder.shared || linkStatus.st_uid == folder.owner || linkStatus.st_uid == ::geteuid();
}

std::string ReadLink(const std::filesystem::path& link, const struct stat& status) {
    std::string text(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 256), '\0');
    for (;;) {
        const ssize_t length = ::readlink(link.c_str(), text.data(), text.size());
        if (length < 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < text.size()) {
            text.resize(static_cast<std::size_t>(length));
            return text;
        }
        text.resize(text.size() * 2);  // the link grew since it was examined
    }
}

}  // namespace

std::filesystem::path FolderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

SaveResult FollowLinks(const std::filesystem::path& path, SaveTarget& target) {
    target.path = path;
    for (int links = 0; links <= kMaxLinks; ++links) {
        target.exists = ::lstat(target.path.c_str(), &target.status) == 0;
        if (!target.exists || !S_ISLNK(target.status.st_mode)) {
            return {};
        }
        if (links == kMaxLinks) {
            break;
        }
        if (!MayFollow(target.path, target.status)) {
            return {.failure = SaveFailure::kUnsafeLink, .systemError = EACCES};
        }
        errno = 0;
        const std::string next = ReadLink(target.path, target.status);
        if (next.empty()) {
            return {.failure = SaveFailure::kCannotCreate, .systemError = errno ? errno : ENOENT};
        }
        const std::filesystem::path nextPath(next);
        target.path = nextPath.is_absolute() ? nextPath : FolderOf(target.path) / nextPath;
    }
    return {.failure = SaveFailure::kCannotCreate, .systemError = ELOOP};
}

}  // namespace lumo::internal

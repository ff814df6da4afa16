#pragma once

#include <sys/stat.h>

#include <filesystem>

#include "betfile/save_result.h"

namespace lumo::internal {

// The folder that holds `path`: its parent, or "." for a bare name.
std::filesystem::path FolderOf(const std::filesystem::path& path);

// Where a save's name leads.
struct SaveTarget {
    // The name finally written: the given one with its symbolic links
    // followed.
    std::filesystem::path path;
    // Whether something stands there, and its status (not followed).
    bool exists = false;
    struct stat status {};
};

// Follows the symbolic links from `path`, link after link, as the kernel
// does with fs.protected_symlinks set: a link that stands in a sticky folder
// that every user may write is followed only when it belongs to the folder's
// owner or to the user saving (else kUnsafeLink, EACCES: another user may
// have laid it there to make the save replace a file of the saver's). More
// than 40 links, or a link that cannot be read, is kCannotCreate with the
// error number. A name that cannot be examined is taken as absent, for the
// making of the file to report.
SaveResult FollowLinks(const std::filesystem::path& path, SaveTarget& target);

}  // namespace lumo::internal

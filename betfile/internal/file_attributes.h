#pragma once

#include <sys/types.h>

#include <filesystem>

namespace lumo::internal {

// What a replacing file must carry to look like the file it replaces, or
// like a file made anew in its folder.

// Gives the open file `fd` exactly the extended attributes of `source` that
// the saving user can see (access control list, security label, user
// attributes): each is copied, and any the new file got that `source` lacks
// (such as a list inherited from the folder) is removed. Returns 0, or the
// error number of the first attribute that could not be read, set or
// removed.
int CopyExtendedAttributes(const std::filesystem::path& source, int fd);

// The permission bits that a file made now in `folder` with mode 0666 gets:
// those its default access control list allows when the folder has one,
// else 0666 without the process's umask.
mode_t NewFileMode(const std::filesystem::path& folder);

}  // namespace lumo::internal

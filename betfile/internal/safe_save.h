#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "betfile/save_result.h"

namespace lumo::internal {

// What a save puts in the file, in the two ways it may get there.
struct SaveContent {
    // Writes the whole text from the descriptor's offset into a new file;
    // 0 or the error number.
    std::function<int(int fd)> writeNew;
    // Writes the text into the existing `target`, whose status is
    // `existing`: a regular file that cannot be replaced through a new file,
    // a pipe or a device.
    std::function<SaveResult(const std::filesystem::path& target, const struct stat& existing)>
        writeInPlace;
};

// Saves the content to `path` as bet_writer.h's WriteBet describes: links
// followed safely, shared folders' rules, the save lock, stale temporary
// files removed, a new file put in the target's place when it can look like
// it, else the content's own writing in place.
SaveResult SaveSafely(const std::filesystem::path& path, const SaveContent& content);

}  // namespace lumo::internal

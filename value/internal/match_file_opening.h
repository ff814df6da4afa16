#pragma once

#include <filesystem>
#include <istream>

#include "text/file_source.h"
#include "value/match_file.h"

namespace lumo::internal {

// Opens `path` and reads it with `reader`; an opening error is kUnreadable.
template <typename Reader>
MatchFileRead ReadMatchFile(const std::filesystem::path& path, PipeWaiting waiting,
                            Reader&& reader) {
    FileSource file(path, waiting);
    if (file.OpenError() != 0) {
        MatchFileRead read;
        read.error = MatchFileError::kUnreadable;
        read.systemError = file.OpenError();
        return read;
    }
    return reader(file.Stream());
}

}  // namespace lumo::internal

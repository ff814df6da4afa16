#pragma once

#include <filesystem>
#include <iosfwd>

#include "text/file_source.h"
#include "value/match_file.h"

namespace lumo {

// Reads the public's percentages as published, strictly (the grammar of
// match_file.h): a number may end in '%', or be followed by a lone '%';
// every percentage above 0; a row adds up to 100 within ±kPublicRowSlack.
// Each row is divided by its sum, without rounding, into shares adding up
// to 1.
MatchFileRead ReadPublicStrictly(std::istream& in);

// The same from a file; a file that cannot be opened, or a folder, is
// kUnreadable with the error number.
MatchFileRead ReadPublicStrictly(const std::filesystem::path& path,
                                 PipeWaiting waiting = PipeWaiting::kNever);

}  // namespace lumo

#pragma once

#include <filesystem>
#include <iosfwd>

#include "text/file_source.h"
#include "value/match_file.h"

namespace lumo {

// Reads bookmakers' decimal odds strictly (the grammar of match_file.h):
// every odd above 1, no '%'. Each row becomes probabilities without the
// bookmaker's margin: 1/odd over the row's sum of 1/odd.
MatchFileRead ReadOddsStrictly(std::istream& in);

// The same from a file; a file that cannot be opened, or a folder, is
// kUnreadable with the error number.
MatchFileRead ReadOddsStrictly(const std::filesystem::path& path,
                               PipeWaiting waiting = PipeWaiting::kNever);

}  // namespace lumo

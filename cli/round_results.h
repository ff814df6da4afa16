#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "betfile/round_file.h"
#include "core/column.h"

// The column of a result typed as 14 signs 1, X (or x) and 2, blanks and
// hyphens between them allowed. Throws CommandError, naming `where`, for any
// other text.
lumo::CColumn ParseResultSigns(std::string_view signs, std::string_view where);

// Reads a file of past rounds (betfile/round_file.h). Throws CommandError
// naming the file and the line of the first line it cannot use, or why it
// could not be opened or read: a read error is never taken for its end.
std::vector<lumo::RoundResult> ReadRoundResults(const std::filesystem::path& path);

#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "core/column.h"

// The column of a result typed as 14 signs 1, X (or x) and 2. Throws
// CommandError, naming `where`, for any other text.
CColumn ParseResultSigns(std::string_view signs, std::string_view where);

// One past round: its name and its result.
struct RoundResult {
    std::string name;
    CColumn result;
};

// Reads a file of past rounds: one round a line, its name (any words) then
// its 14 signs as the last word; blank lines and lines starting with '#' are
// skipped. Throws CommandError naming the file and the line of the first
// line it cannot use.
std::vector<RoundResult> ReadRoundResults(std::istream& in, std::string_view fileName);

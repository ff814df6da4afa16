#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

#include "core/column_set.h"

namespace lumo {

// Reading a bet for lumo-cli and the programs beside the window, with the
// grammar the user chose.

enum class BetGrammar {
    kStrict,   // ReadBetStrictly: any damage is an error naming its line
    kLenient,  // ReadBet: as the window reads
};

// Reads the bet and appends its columns after those the set holds. Returns
// the Spanish message about what went wrong, naming the file `shownName`
// (BetFileReadMessage or BetReadMessage), or an empty text when the whole bet
// was read.
std::string ReadBetFile(const std::filesystem::path& path, CColumnSet& set, BetGrammar grammar,
                        std::string_view shownName);
std::string ReadBetFile(std::istream& in, CColumnSet& set, BetGrammar grammar,
                        std::string_view shownName);

}  // namespace lumo

#pragma once

#include <filesystem>
#include <string_view>

#include "betfile/save_result.h"

namespace lumo {

// Saves a text other than a bet (a table the window reads) with every care
// that WriteBet takes: links, shared folders, the save lock, a new file that
// takes the old one's place in one step. Only a file that must be written in
// place differs: it gets no mark (in_place_save.h's WriteTextInPlace).
SaveResult WriteTextFile(const std::filesystem::path& path, std::string_view text);

}  // namespace lumo

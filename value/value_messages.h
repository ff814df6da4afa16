#pragma once

#include <string>
#include <string_view>

#include "value/match_file.h"

namespace lumo {

// Which file a MatchFileRead came from.
enum class MatchFileKind { kOdds, kPublic };

// What was wrong with an odds or public file read strictly, in Spanish: the
// file's name between « and », the line, what it holds and what was
// expected. Empty for a read without error.
std::string MatchFileMessage(MatchFileKind kind, std::string_view fileName,
                             const MatchFileRead& read);

}  // namespace lumo

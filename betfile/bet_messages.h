#pragma once

#include <string>
#include <string_view>

#include "betfile/bet_reader.h"
#include "betfile/bet_writer.h"
#include "betfile/strict_bet_reader.h"
#include "text/system_error_text.h"

namespace lumo {

// The Spanish texts, UTF-8, that the programs show about bet files and the
// clipboard. `fileName` is shown as given, between « and »; text taken from
// a file as ShownText shows it.

// Shown instead of copying a bet of more than kClipboardColumnLimit columns.
inline constexpr std::string_view kCopyLimitText = "A lo sumo 1000 cols";

// What happened in a read that did not end complete, and how many columns
// were added to the bet. Empty for kComplete.
std::string BetReadMessage(std::string_view fileName, const BetReadResult& result);
// What happened, without the columns added: the first sentence of
// BetReadMessage.
std::string BetReadProblem(std::string_view fileName, const BetReadResult& result);

// Why a save failed, and that an earlier file of that name was left as it
// was, or, when writing into it failed part of the way, that it may be
// incomplete. Empty for a save that succeeded.
std::string BetSaveMessage(std::string_view fileName, const SaveResult& result);

// That a save happened but its folder could not be flushed to the disk, and
// what that risks. Empty when there is nothing to say.
std::string BetFolderSyncMessage(std::string_view fileName, const SaveResult& result);

// The same two for a text file other than a bet (a table the window reads):
// its in-place save leaves no mark, so a failure part of the way may leave
// it incomplete.
std::string TextSaveMessage(std::string_view fileName, const SaveResult& result);
std::string TextFolderSyncMessage(std::string_view fileName, const SaveResult& result);

// What was wrong with a bet file read strictly, naming the line and what it
// holds. Empty for a read without error.
std::string BetFileReadMessage(std::string_view fileName, const BetFileRead& read);

}  // namespace lumo

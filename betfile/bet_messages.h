#pragma once

#include <string>
#include <string_view>

#include "betfile/bet_reader.h"
#include "betfile/bet_writer.h"

// The Spanish texts, UTF-8, that the window shows in its message boxes about
// bet files and the clipboard. `fileName` is shown as given, between « and ».

// Shown instead of copying a bet of more than kClipboardColumnLimit columns.
inline constexpr std::string_view kCopyLimitText = "A lo sumo 1000 cols";

// Why a file could not be opened or read, from the error number the system
// gave: "el archivo no existe", "no hay permiso para leerlo"...
std::string ReadFailureReason(int error);

// What happened in a read that did not end complete, and how many columns
// were added to the bet. Empty for kComplete.
std::string BetReadMessage(std::string_view fileName, const BetReadResult& result);

// Why a save failed, and that an earlier file of that name was left as it
// was, or, when writing into it failed part of the way, that it may be
// incomplete. Empty for a save that succeeded.
std::string BetSaveMessage(std::string_view fileName, const BetSaveResult& result);

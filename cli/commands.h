#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "cli/progress_bar.h"

// Exit statuses of lumo-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitCheckFailed = 1;
inline constexpr int kExitError = 2;

// Runs lumo-cli on the words after the program's name: the command, its
// arguments and options. A bet given as "-" is read from `in`; bets and
// reports go to `out`; Spanish messages (which forecast was used, the sizes
// before and after, what went wrong and where) go to `err`, with the
// progress bar when `progress` is kOn. Returns the exit status: kExitSuccess,
// kExitCheckFailed when check finds the guarantee broken, kExitError for a
// usage error, an unreadable or damaged input, a failed save or a lack of
// memory; then no output file has been written or changed.
int RunLumoCli(std::span<const std::string> words, std::istream& in, std::ostream& out,
               std::ostream& err, ProgressDisplay progress);

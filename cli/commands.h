#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "cli/exit_status.h"
#include "cli/progress_bar.h"

// Runs lumo-cli on the words after the program's name: the command, its
// arguments and options. A bet given as "-" is read from `in`; bets and
// reports go to `out`; Spanish messages (which forecast was used, the sizes
// before and after, what went wrong and where) go to `err`, with the
// progress bar when `progress` is kOn. Returns the exit status: kExitSuccess,
// kExitCheckFailed when check finds the guarantee broken, kExitError for a
// usage error, an unreadable or damaged input, a failed save or a lack of
// memory; then no output file has been written or changed. Sets the
// program-wide forecast table, score bounds and averageMode (off).
int RunLumoCli(std::span<const std::string> words, std::istream& in, std::ostream& out,
               std::ostream& err, ProgressDisplay progress);

#pragma once

#include <span>
#include <string>

#include "cli/command_type.h"

// Runs lumo-cli on the words after the program's name: the command, its
// arguments and options, on the streams given. Returns the exit status:
// kExitSuccess, kExitCheckFailed when check finds the guarantee broken,
// kExitError for a usage error, an unreadable or damaged input, a failed
// save, output that could not be written, or a lack of memory; then no
// output file has been written or changed.
int RunLumoCli(std::span<const std::string> words, const Streams& streams);

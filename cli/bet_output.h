#pragma once

#include "cli/command.h"
#include "core/column_set.h"

// Writes the bet as the window writes its files: with the safe save into the
// file of -o, else to standard output. Throws CommandError when it cannot.
void WriteOutput(const CommandLine& line, const CColumnSet& bet, Streams& streams);

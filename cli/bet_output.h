#pragma once

#include "cli/command_type.h"
#include "core/column_set.h"

// Throws CommandError when the bet would go to a terminal: without -o, or
// with "-o -", standard output is where it goes, and millions of lines on a
// terminal help nobody; "-o -" asks for it there all the same.
void ExpectBetDestination(const CommandLine& line, const Streams& streams);

// Writes the bet as the window writes its files: with the safe save into the
// file of -o, or to standard output without -o or with "-o -". Throws
// CommandError when it cannot, and when the save happened but its folder
// could not be flushed to the disk.
void WriteOutput(const CommandLine& line, const lumo::CColumnSet& bet, const Streams& streams);

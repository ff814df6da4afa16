#pragma once

#include <memory>
#include <string>

#include "cli/command.h"
#include "core/column_set.h"

// Loads the forecast the columns are scored with (--forecast, else
// "pronostico.txt" of the current folder, else the constructed table) into
// the program-wide table and score bounds, with averageMode off, and says on
// `err` which one it is. Throws CommandError when the given file cannot be
// read.
void LoadScoring(const CommandLine& line, std::ostream& err);

// Reads the bet named `name` ("-" for standard input). Throws CommandError
// with the reader's message when it cannot be read whole.
std::unique_ptr<CColumnSet> ReadInput(const std::string& name, Streams& streams);

// The same, and scores its columns with the forecast loaded.
std::unique_ptr<CColumnSet> ReadScored(const std::string& name, Streams& streams);

#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "cli/command_type.h"
#include "core/column_set.h"
#include "core/scoring.h"

// Loads the forecast the columns are scored with and says on `err` which one
// it is, returning its normalised scoring:
// the file of --forecast ("-" for standard input), else "pronostico.txt" of
// the current folder when there is one, else the constructed table. The
// file is read strictly (strict_forecast_file.h); throws CommandError with
// the line and what was wrong when it cannot be read or is damaged.
lumo::Scoring LoadScoring(const CommandLine& line, const Streams& streams);

// Reads the bet named by the positional argument at `position` ("-" for
// standard input). Strictly (strict_bet_reader.h), throwing CommandError
// with the line at any damage; with --lenient as the window reads, warning
// on `err` of what it did not take and using the columns it took. A read
// error or a lack of memory throws CommandError either way.
std::unique_ptr<lumo::CColumnSet> ReadInput(const CommandLine& line, std::size_t position,
                                            const Streams& streams);

// The same, and scores its columns with `scoring`.
std::unique_ptr<lumo::CColumnSet> ReadScored(const CommandLine& line, std::size_t position,
                                             const lumo::Scoring& scoring, const Streams& streams);

// The name a message gives an input: the name as typed, or "entrada
// estándar" for "-".
std::string ShownInputName(const std::string& name);

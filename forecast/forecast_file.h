#pragma once

#include <filesystem>
#include <iosfwd>
#include <iostream>

#include "forecast/forecast_table.h"

// The forecast files, "pronostico.txt" (percentages) and "esperanza.txt"
// (expectation factors in hundredths), share one grammar: 42 integers, each
// an optional sign and decimal digits, separated by any white space (blank,
// tab, CR, LF, VT, FF), filling the table row by row (match 1's 1, X, 2,
// then match 2, ...). Whatever follows the 42nd value is not read.
//
// Reading stops at the first failed read: the end of the text, a character
// that is neither white space, a sign nor a digit where a number should
// start, a sign without digits, a number that does not fit in 32 bits, or a
// read error. The failing cell and every later one keep the values they had,
// so a short or damaged file changes only the cells before the failure. A
// file that begins with a byte-order mark therefore reads no value. Nothing
// is reported except the "ERROR" texts below.

// Reads the Forecast table into `table`. After each row, writes "ERROR" (no
// line end) to `diagnostics` when the row's three values as they now stand
// do not add up to exactly 100 (the sum is taken without overflow), and
// flushes it at once; the values stay as read. Finally sets minSum and maxSum from the table as it
// stands (UpdateScoreBounds), file or no file.
void LoadForecast(std::istream& in, CForecastTable& table, std::ostream& diagnostics = std::cout);

// The same from a file. A file that is missing, unreadable or a folder reads
// no value: every row is still checked and the sums are still set.
void LoadForecast(const std::filesystem::path& path, CForecastTable& table,
                  std::ostream& diagnostics = std::cout);

// Reads the Expectation table into `table`: the same grammar and failure
// rules, no check, no diagnostics, and minSum and maxSum stay as they are.
void LoadExpectation(std::istream& in, CForecastTable& table);
void LoadExpectation(const std::filesystem::path& path, CForecastTable& table);

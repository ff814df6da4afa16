#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "betfile/bet_reader.h"
#include "betfile/strict_bet_reader.h"
#include "core/column.h"
#include "core/forecast_table.h"

// Plain, slow readers built on the standard library's formatted extraction
// and CColumn::ReadText, with the program's failure rules spelled out on top
// of it. The fast readers must give exactly their results; the fuzz
// harnesses and the tests check that.

// ReadBet's rules over `in >> count` and CColumn::ReadText; the columns read
// go to `columns`. Leaves the stream as ReadBet must.
lumo::BetReadResult ReferenceReadBet(std::istream& in, std::vector<lumo::CColumn>& columns);

// The strict bet grammar (strict_bet_reader.h) spelled out over the text cut
// into whole lines at each LF; the columns go to `columns`. Gives what
// ReadBetStrictly gives, but for the counts of columns it leaves at 0.
lumo::BetFileRead ReferenceReadBetStrictly(std::string_view text,
                                           std::vector<lumo::CColumn>& columns);

// The forecast files' rules over `in >> value`: a cell takes a value only
// when the read succeeds and the value fits in 32 bits. Writes "ERROR" to
// `diagnostics` (when given) for each row that does not add up to 100.
void ReferenceReadTable(std::istream& in, lumo::CForecastTable& table, std::ostream* diagnostics);

// ReadNumber's rules over std::strtoll, clamped to 32 bits.
std::int32_t ReferenceReadNumber(std::string_view text);

// The characters left in the stream after a read (its state is cleared).
std::string RestOf(std::istream& in);

// A stream buffer over a text that never holds more than `step` characters
// in its get area, so that reads meet a chunk boundary every `step` bytes.
// Putback reaches back to the start of the text.
class TrickleBuffer : public std::streambuf {
  public:
    TrickleBuffer(std::string text, std::size_t step);

  protected:
    int_type underflow() override;

  private:
    std::string text;
    std::size_t step;
};

// A stream buffer that hands out the first `good` characters of a text one
// at a time and then fails as a file buffer does on a read error: it throws
// std::ios_base::failure carrying EIO.
class BrokenBuffer : public std::streambuf {
  public:
    BrokenBuffer(std::string text, std::size_t good);

  protected:
    int_type underflow() override;

  private:
    std::string text;
    std::size_t good;
};

// Ends the program with `what` on standard error when `condition` is false:
// a finding for the fuzzer, a failure for the replay test.
void Require(bool condition, const char* what);

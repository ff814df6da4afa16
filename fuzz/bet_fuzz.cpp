// Fuzz harness for ReadBet and ReadBetStrictly: any text, and a bet file of
// canonical lines and faults built from it, read through a string stream and
// through a buffer that cuts it into small pieces, must give exactly what the
// plain readers give: for ReadBet the one over CColumn::ReadText (appending
// after the columns already held, leaving the same characters unread), for
// ReadBetStrictly the one over whole lines (the same error, line and text;
// on an error, nothing appended).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <sstream>
#include <string>
#include <vector>

#include "betfile/bet_messages.h"
#include "betfile/bet_reader.h"
#include "betfile/strict_bet_reader.h"
#include "fuzz/fuzz_support.h"

using namespace lumo;

namespace {

void CheckRead(std::istream& fast, std::istream& reference, std::size_t textSize) {
    CColumnSet set;
    const CColumn held(4'000'000);
    set.AppendNoGrow(held);
    const BetReadResult result = ReadBet(fast, set);

    std::vector<CColumn> expected;
    const BetReadResult wanted = ReferenceReadBet(reference, expected);

    Require(result.end == wanted.end, "same ending");
    Require(result.announced == wanted.announced, "same count");
    Require(result.added == wanted.added, "same number of columns");
    Require(set.Count() == 1 + result.added, "columns appended after the one held");
    Require(set[0].results == held.results, "the column held is untouched");
    for (std::int32_t i = 0; i < result.added; ++i) {
        const CColumn& column = set[1 + i];
        Require(column.results == expected[static_cast<std::size_t>(i)].results, "same results");
        Require(column.score == 0 && column.marked == 0, "score 0, not marked");
    }
    Require(static_cast<std::size_t>(set.Capacity()) <=
                std::max<std::size_t>(
                    {16, 4 * static_cast<std::size_t>(set.Count()), 1 + textSize / 14}),
            "storage follows the text read, never the count alone");
    Require(fast.rdstate() == reference.rdstate(), "same stream state");
    Require(RestOf(fast) == RestOf(reference), "same characters left unread");
    Require(BetReadMessage("a.txt", result).empty() == (result.end == BetReadEnd::kComplete),
            "a message for every read that did not end complete");
}

// The input taken as a recipe for a bet file: each byte adds a piece, most
// of them whole canonical lines, so that the bulk reading of such lines meets
// every kind of fault at every place (and a count now and then).
std::string BetFileOf(const std::uint8_t* data, std::size_t size) {
    static const char* const kPieces[] = {
        "1X21X21X21X21X\r\n",
        "22222222222222\r\n",
        "11111111111111\n",
        "XXXXXXXXXXXXXX\r\n",
        "1X2",
        "\r",
        "\n",
        " ",
        "\t",
        "x",
        "0",
        "7\r\n",
        "2147483647\r\n",
        "\xFF",
        "-1\n",
        "\v",
    };
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        // Two pieces a byte: its low and its high half.
        text += kPieces[data[i] & 0x0F];
        text += kPieces[data[i] >> 4];
    }
    return text;
}

void CheckStrictRead(std::istream& in, const std::string& text) {
    std::vector<CColumn> expected;
    const BetFileRead wanted = ReferenceReadBetStrictly(text, expected);
    CColumnSet set;
    const CColumn held(4'000'000);
    set.AppendNoGrow(held);
    const BetFileRead read = ReadBetStrictly(in, set);
    Require(read.error == wanted.error, "strict: same error");
    Require(read.line == wanted.line, "strict: same line");
    Require(read.text == wanted.text, "strict: same text of the line");
    Require(static_cast<std::size_t>(set.Count()) == 1 + expected.size(),
            "strict: the columns of a whole bet appended, none on an error");
    Require(set[0].results == held.results, "strict: the column held is untouched");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        Require(set[static_cast<std::int32_t>(1 + i)].results == expected[i].results,
                "strict: same results");
    }
    Require(!read.Ok() || (read.columns == read.announced &&
                           static_cast<std::size_t>(read.announced) == expected.size()),
            "strict: a whole bet has all its columns");
    Require(BetFileReadMessage("a.txt", read).empty() == read.Ok(),
            "strict: a message for every error");

    // What the strict reader takes whole, the window's reader takes alike,
    // where their grammars meet (no byte-order mark, no lower-case x).
    if (read.Ok() && text.find_first_of("x\xEF") == std::string::npos) {
        std::istringstream again(text);
        CColumnSet tolerant;
        const BetReadResult lenient = ReadBet(again, tolerant);
        Require(lenient.end == BetReadEnd::kComplete && lenient.added == read.columns,
                "a strict bet reads whole through the window's reader");
        for (std::int32_t i = 0; i < tolerant.Count(); ++i) {
            Require(tolerant[i].results == set[1 + i].results, "and gives the same columns");
        }
    }
}

void CheckText(const std::string& text, std::size_t step) {
    {
        std::istringstream whole(text);
        CheckStrictRead(whole, text);
        TrickleBuffer pieces(text, step);
        std::istream trickled(&pieces);
        CheckStrictRead(trickled, text);
    }
    {
        std::istringstream fast(text);
        std::istringstream reference(text);
        CheckRead(fast, reference, text.size());
    }
    {
        TrickleBuffer pieces(text, step);
        std::istream fast(&pieces);
        std::istringstream reference(text);
        CheckRead(fast, reference, text.size());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckText(std::string(reinterpret_cast<const char*>(data), size), 1 + size % 17);
    CheckText(BetFileOf(data, size), 1 + size % 41);
    return 0;
}

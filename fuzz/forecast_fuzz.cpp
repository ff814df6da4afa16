// Fuzz harness for LoadForecast and LoadExpectation: any text must fill the
// same cells, write the same diagnostics and leave the same characters
// unread as the plain reader over formatted extraction, and count the rows
// it reports (Forecast only). And for
// ReadForecastStrictly: the same answer whole and in small pieces, rows of
// 0 to 100 adding up to 100 when it reads the file, the window's table for
// a file of plain integers, and an error line within the text otherwise.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <sstream>
#include <string>

#include "forecast/forecast_file.h"
#include "forecast/forecast_messages.h"
#include "forecast/strict_forecast_file.h"
#include "fuzz/fuzz_support.h"

using namespace lumo;

namespace {

void CheckStrictRead(const std::string& text, std::size_t step) {
    std::istringstream whole(text);
    const ForecastFileRead read = ReadForecastStrictly(whole);
    TrickleBuffer pieces(text, step);
    std::istream trickled(&pieces);
    const ForecastFileRead again = ReadForecastStrictly(trickled);
    Require(read.error == again.error && read.line == again.line && read.found == again.found &&
                read.sum == again.sum && read.text == again.text &&
                read.table.rows == again.table.rows,
            "strict: the same answer in small pieces");
    Require(ForecastFileMessage("p.txt", read).empty() == read.Ok(),
            "strict: a message for every error");
    if (!read.Ok()) {
        const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
        Require(read.line >= 0 && read.line <= lines, "strict: the error's line is in the text");
        return;
    }
    for (const auto& row : read.table.rows) {
        Require(row[0] + row[1] + row[2] == 100, "strict: every row adds up to 100");
        Require(*std::min_element(row.begin(), row.end()) >= 0 &&
                    *std::max_element(row.begin(), row.end()) <= 100,
                "strict: percentages from 0 to 100");
    }
    if (text.find_first_not_of("0123456789 \t\n") == std::string::npos) {
        std::istringstream in(text);
        std::ostringstream diagnostics;
        const CForecastTable table = LoadForecast(in, diagnostics).table;
        Require(table.rows == read.table.rows && diagnostics.str().empty(),
                "strict: plain integers read as the window reads them");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckStrictRead(text, 1 + size % 11);
    {
        std::istringstream fast(text);
        std::ostringstream diagnostics;
        const ForecastLoad load = LoadForecast(fast, diagnostics);

        std::istringstream reference(text);
        std::ostringstream expectedDiagnostics;
        CForecastTable expected;
        ReferenceReadTable(reference, expected, &expectedDiagnostics);

        Require(load.table.rows == expected.rows, "same cells");
        Require(diagnostics.str() == expectedDiagnostics.str(), "same diagnostics");
        Require(diagnostics.str().size() == 5 * static_cast<std::size_t>(load.errors),
                "one error counted per ERROR written");
        Require(fast.rdstate() == reference.rdstate(), "same stream state");
        Require(RestOf(fast) == RestOf(reference), "same characters left unread");
    }
    {
        TrickleBuffer pieces(text, 1 + size % 13);
        std::istream fast(&pieces);
        const CForecastTable table = LoadExpectation(fast);

        std::istringstream reference(text);
        CForecastTable expected;
        ReferenceReadTable(reference, expected, nullptr);

        Require(table.rows == expected.rows, "same cells");
        Require(fast.rdstate() == reference.rdstate(), "same stream state");
        Require(RestOf(fast) == RestOf(reference), "same characters left unread");
    }
    return 0;
}

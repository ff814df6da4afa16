// Fuzz harness for LoadForecast and LoadExpectation: any text must fill the
// same cells, write the same diagnostics and leave the same characters
// unread as the plain reader over formatted extraction, and set the score
// bounds (Forecast only) from the table as it stands.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <sstream>
#include <string>

#include "forecast/forecast_file.h"
#include "fuzz/fuzz_support.h"

namespace {

void CheckBounds(const CForecastTable& table) {
    std::int64_t low = 0;
    std::int64_t high = 0;
    for (const auto& row : table.rows) {
        low += *std::min_element(row.begin(), row.end());
        high += *std::max_element(row.begin(), row.end());
    }
    Require(minSum == std::clamp<std::int64_t>(low, INT32_MIN, INT32_MAX), "minSum from the table");
    Require(maxSum == std::clamp<std::int64_t>(high, INT32_MIN, INT32_MAX),
            "maxSum from the table");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    {
        std::istringstream fast(text);
        std::ostringstream diagnostics;
        CForecastTable table;
        LoadForecast(fast, table, diagnostics);

        std::istringstream reference(text);
        std::ostringstream expectedDiagnostics;
        CForecastTable expected;
        ReferenceReadTable(reference, expected, &expectedDiagnostics);

        Require(table.rows == expected.rows, "same cells");
        Require(diagnostics.str() == expectedDiagnostics.str(), "same diagnostics");
        Require(fast.rdstate() == reference.rdstate(), "same stream state");
        Require(RestOf(fast) == RestOf(reference), "same characters left unread");
        CheckBounds(table);
    }
    {
        TrickleBuffer pieces(text, 1 + size % 13);
        std::istream fast(&pieces);
        const std::int32_t boundsBefore[2] = {minSum, maxSum};
        CForecastTable table;
        table.rows[5] = {1, 2, 3};
        LoadExpectation(fast, table);

        std::istringstream reference(text);
        CForecastTable expected;
        expected.rows[5] = {1, 2, 3};
        ReferenceReadTable(reference, expected, nullptr);

        Require(table.rows == expected.rows, "same cells");
        Require(minSum == boundsBefore[0] && maxSum == boundsBefore[1], "bounds untouched");
        Require(fast.rdstate() == reference.rdstate(), "same stream state");
        Require(RestOf(fast) == RestOf(reference), "same characters left unread");
    }
    return 0;
}

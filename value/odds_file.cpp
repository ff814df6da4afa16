#include "value/odds_file.h"

#include "value/internal/match_file_opening.h"
#include "value/internal/number_rows.h"

namespace lumo {

MatchFileRead ReadOddsStrictly(std::istream& in) {
    MatchFileRead read;
    const internal::NumberRows rows =
        internal::ReadNumberRows(in, internal::PercentSign::kRefused, read);
    if (!read.Ok()) {
        return read;
    }
    for (std::size_t m = 0; m < rows.rows.size(); ++m) {
        double sum = 0.0;
        for (std::size_t s = 0; s < 3; ++s) {
            const double odd = rows.rows[m][s];
            if (odd <= 1.0) {
                read.error = MatchFileError::kOddNotAboveOne;
                read.line = rows.lines[m];
                read.text = rows.words[m][s];
                return read;
            }
            sum += 1.0 / odd;
        }
        for (std::size_t s = 0; s < 3; ++s) {
            read.table[m][s] = 1.0 / rows.rows[m][s] / sum;
        }
    }
    return read;
}

MatchFileRead ReadOddsStrictly(const std::filesystem::path& path, PipeWaiting waiting) {
    return internal::ReadMatchFile(path, waiting,
                                   [](std::istream& in) { return ReadOddsStrictly(in); });
}

}  // namespace lumo

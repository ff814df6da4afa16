#include "value/public_file.h"

#include <cmath>

#include "value/internal/match_file_opening.h"
#include "value/internal/number_rows.h"

namespace lumo {

MatchFileRead ReadPublicStrictly(std::istream& in) {
    MatchFileRead read;
    const internal::NumberRows rows =
        internal::ReadNumberRows(in, internal::PercentSign::kAllowed, read);
    if (!read.Ok()) {
        return read;
    }
    for (std::size_t m = 0; m < rows.rows.size(); ++m) {
        double sum = 0.0;
        for (std::size_t s = 0; s < 3; ++s) {
            const double percentage = rows.rows[m][s];
            if (percentage <= 0.0) {
                read.error = MatchFileError::kShareIsZero;
                read.line = rows.lines[m];
                read.text = rows.words[m][s];
                return read;
            }
            sum += percentage;
        }
        // A hair of slack for the sum's rounding: 101,5 is in.
        if (std::fabs(sum - 100.0) > kPublicRowSlack + 1e-9) {
            read.error = MatchFileError::kRowFarFrom100;
            read.line = rows.lines[m];
            read.sum = sum;
            return read;
        }
        for (std::size_t s = 0; s < 3; ++s) {
            read.table[m][s] = rows.rows[m][s] / sum;
        }
    }
    return read;
}

MatchFileRead ReadPublicStrictly(const std::filesystem::path& path, PipeWaiting waiting) {
    return internal::ReadMatchFile(path, waiting,
                                   [](std::istream& in) { return ReadPublicStrictly(in); });
}

}  // namespace lumo

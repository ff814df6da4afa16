#pragma once

#include <string>

#include "core/forecast_table.h"
#include "value/round.h"

namespace lumo {

// The window's Expectation table from the real probabilities and the
// public's shares: per match and sign, round(100 · real / public), the factor
// in hundredths by which the sign is likelier than the public thinks (150:
// half as likely again). A column's product of factors above 1 says only
// that; whether it pays more than its price is its expected value's business.
// Every share must be above 0 (the public's reader sees to it); a factor
// beyond 32 bits is held at the largest one.
CForecastTable ExpectationTableOf(const MatchTable& real, const MatchTable& publicShares);

// The table as "esperanza.txt" holds it: a line per match, its three
// integers separated by blanks ("150 100 35").
std::string ExpectationFileText(const CForecastTable& table);

}  // namespace lumo

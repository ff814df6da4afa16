#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "conditions/condition_file.h"

namespace lumo {

// A condition as an editor holds it: its text without comment ("unos 5-9",
// "! racha X 0-2") and the line of the loaded file it came from (0 for a
// new one).
struct EditedCondition {
    std::string text;
    std::int64_t line = 0;
};

// The edited file's text and, per edited condition in its order, the line
// that holds it (from 1), so that an error of the reader names the row.
struct EditedFile {
    std::string text;
    std::vector<std::int64_t> conditionLines;
};

// Writes `conditions` and `failures` into the lines of `loaded`: a condition
// whose words are those of its loaded line keeps that line as written, a
// changed one gets its new text (with the line's comment kept), lines of
// conditions no longer edited go, new ones are appended; `fallos` is
// updated in place, appended when missing, and dropped when 0. The
// byte-order mark and the line ends are kept; appended lines end like the
// file's first line (LF for an empty file). Nothing is checked: the text is
// for ReadConditions.
EditedFile EditConditions(const ConditionFile& loaded,
                          const std::vector<EditedCondition>& conditions, std::int32_t failures);

// A loaded condition's text split for an editor: '!' first or not, the
// keyword, the words between, and the bounds "MIN" and "MAX".
struct ConditionParts {
    Strictness strictness = Strictness::kCounted;
    std::string keyword;
    std::string arguments;
    std::string minimum;
    std::string maximum;
};
ConditionParts PartsOf(const ConditionFile& file, const ColumnCondition& condition);
// The text of a condition from its parts, words separated by one space.
std::string TextOf(const ConditionParts& parts);

}  // namespace lumo

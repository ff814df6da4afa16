#include "conditions/condition_file.h"

#include <algorithm>
#include <string_view>

#include "text/number_grammar.h"

namespace lumo {

std::string ConditionFile::ConditionText(const ColumnCondition& condition) const {
    std::string_view text = lines.at(static_cast<std::size_t>(condition.line - 1));
    text = text.substr(0, text.find('#'));
    while (!text.empty() && IsTextSpace(text.back())) {
        text.remove_suffix(1);
    }
    while (!text.empty() && IsTextSpace(text.front())) {
        text.remove_prefix(1);
    }
    return std::string(text);
}

std::int64_t ConditionFile::ValueLine() const {
    const auto value = std::find_if(conditions.begin(), conditions.end(),
                                    [](const auto& c) { return c.kind == ConditionKind::kValue; });
    return value == conditions.end() ? 0 : value->line;
}

}  // namespace lumo

#include "conditions/condition_edit.h"

#include <algorithm>
#include <string_view>

#include "text/bounded_line.h"

namespace lumo {

namespace {

// The words of a condition's text with a leading '!' as a word of its own.
std::vector<std::string_view> CanonicalWords(std::string_view text) {
    std::vector<std::string_view> words = WordsOf(text.substr(0, text.find('#')));
    if (!words.empty() && words[0].size() > 1 && words[0].starts_with('!')) {
        words.insert(words.begin() + 1, words[0].substr(1));
        words[0] = words[0].substr(0, 1);
    }
    return words;
}

// `text` followed by the comment of `line` with the blanks before it.
std::string WithCommentOf(const std::string& text, std::string_view line) {
    const std::size_t hash = line.find('#');
    if (hash == std::string_view::npos) {
        return text;
    }
    std::size_t blanks = hash;
    while (blanks > 0 && (line[blanks - 1] == ' ' || line[blanks - 1] == '\t')) {
        --blanks;
    }
    const std::string_view gap = line.substr(blanks, hash - blanks);
    std::string result = text;
    result.append(gap.empty() ? std::string_view(" ") : gap);
    result.append(line.substr(hash));
    return result;
}

class FileEditor {
  public:
    FileEditor(const ConditionFile& loaded, const std::vector<EditedCondition>& conditions)
        : loaded(loaded), conditions(conditions) {
        result.conditionLines.assign(conditions.size(), 0);
        const auto end = std::find_if(loaded.lineEnds.begin(), loaded.lineEnds.end(),
                                      [](const std::string& e) { return !e.empty(); });
        lineEnd = end == loaded.lineEnds.end() ? "\n" : *end;
        if (loaded.byteOrderMark) {
            result.text = "\xEF\xBB\xBF";
        }
    }

    EditedFile Edit(std::int32_t failures) {
        std::vector<bool> placed(conditions.size(), false);
        for (std::size_t i = 0; i < loaded.lines.size(); ++i) {
            const auto number = static_cast<std::int64_t>(i + 1);
            const std::string& line = loaded.lines[i];
            if (number == loaded.failuresLine) {
                if (failures != 0) {
                    Put(failures == loaded.failures
                            ? line
                            : WithCommentOf("fallos " + std::to_string(failures), line),
                        loaded.lineEnds[i]);
                }
                continue;
            }
            if (!HoldsCondition(number)) {
                Put(line, loaded.lineEnds[i]);
                continue;
            }
            const auto edited = std::find_if(conditions.begin(), conditions.end(),
                                             [&](const auto& c) { return c.line == number; });
            if (edited != conditions.end()) {
                const auto c = static_cast<std::size_t>(edited - conditions.begin());
                placed[c] = true;
                const bool same = CanonicalWords(edited->text) == CanonicalWords(line);
                result.conditionLines[c] =
                    Put(same ? line : WithCommentOf(edited->text, line), loaded.lineEnds[i]);
            }
        }
        for (std::size_t c = 0; c < conditions.size(); ++c) {
            if (!placed[c]) {
                result.conditionLines[c] = Put(conditions[c].text, lineEnd);
            }
        }
        if (failures != 0 && loaded.failuresLine == 0) {
            Put("fallos " + std::to_string(failures), lineEnd);
        }
        return std::move(result);
    }

  private:
    bool HoldsCondition(std::int64_t line) const {
        return std::any_of(loaded.conditions.begin(), loaded.conditions.end(),
                           [line](const ColumnCondition& c) { return c.line == line; });
    }

    // Appends a line; returns its number.
    std::int64_t Put(const std::string& line, const std::string& end) {
        if (written > 0 && lastEnd.empty()) {
            result.text += lineEnd;
        }
        result.text += line;
        result.text += end;
        lastEnd = end;
        return ++written;
    }

    const ConditionFile& loaded;
    const std::vector<EditedCondition>& conditions;
    EditedFile result;
    std::string lineEnd;
    std::string lastEnd;
    std::int64_t written = 0;
};

}  // namespace

EditedFile EditConditions(const ConditionFile& loaded,
                          const std::vector<EditedCondition>& conditions, std::int32_t failures) {
    return FileEditor(loaded, conditions).Edit(failures);
}

ConditionParts PartsOf(const ConditionFile& file, const ColumnCondition& condition) {
    const std::string text = file.ConditionText(condition);
    std::vector<std::string_view> words = CanonicalWords(text);
    ConditionParts parts;
    parts.strictness = condition.strictness;
    if (parts.strictness == Strictness::kAlways) {
        words.erase(words.begin());
    }
    if (words.empty()) {
        return parts;
    }
    parts.keyword = words.front();
    if (words.size() == 1) {
        return parts;
    }
    const std::string_view bounds = words.back();
    const std::size_t dash = bounds.find('-');
    parts.minimum = bounds.substr(0, dash);
    parts.maximum = dash == std::string_view::npos ? "" : bounds.substr(dash + 1);
    for (std::size_t w = 1; w + 1 < words.size(); ++w) {
        if (w > 1) {
            parts.arguments.push_back(' ');
        }
        parts.arguments.append(words[w]);
    }
    return parts;
}

std::string TextOf(const ConditionParts& parts) {
    std::string text;
    if (parts.strictness == Strictness::kAlways) {
        text.append("! ");
    }
    text.append(parts.keyword);
    for (const std::string* word : {&parts.arguments, &parts.minimum}) {
        if (!word->empty() || word == &parts.minimum) {
            text.push_back(' ');
            text.append(*word);
        }
    }
    text.push_back('-');
    text.append(parts.maximum);
    return text;
}

}  // namespace lumo

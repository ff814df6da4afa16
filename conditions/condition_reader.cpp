#include "conditions/condition_reader.h"

#include <array>
#include <bit>
#include <fstream>
#include <string_view>
#include <vector>

#include "conditions/condition_words.h"
#include "text/bounded_line.h"
#include "text/chunked_input.h"
#include "text/decimal_text.h"
#include "text/spanish_numbers.h"

namespace lumo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::uint16_t kAllMatches = 0x3FFF;
constexpr double kMatchCount = 14.0;

using Words = std::vector<std::string_view>;

// A condition written as its keyword and one range: what it measures, with
// which masks, and the form and the largest of its bounds.
struct RangeKeyword {
    std::string_view word;
    ConditionKind kind;
    std::array<std::uint16_t, 3> masks;
    BoundForm form;
    double largest;
    std::string_view written;
};

constexpr std::string_view kRange = "MÍNIMO-MÁXIMO";
constexpr std::array kRangeKeywords{
    RangeKeyword{"unos",
                 ConditionKind::kCount,
                 {kAllMatches, 0, 0},
                 BoundForm::kInteger,
                 kMatchCount,
                 kRange},
    RangeKeyword{"equis",
                 ConditionKind::kCount,
                 {0, kAllMatches, 0},
                 BoundForm::kInteger,
                 kMatchCount,
                 kRange},
    RangeKeyword{"doses",
                 ConditionKind::kCount,
                 {0, 0, kAllMatches},
                 BoundForm::kInteger,
                 kMatchCount,
                 kRange},
    RangeKeyword{"variantes",
                 ConditionKind::kCount,
                 {0, kAllMatches, kAllMatches},
                 BoundForm::kInteger,
                 kMatchCount,
                 kRange},
    RangeKeyword{"interrupciones",
                 ConditionKind::kInterruptions,
                 {},
                 BoundForm::kInteger,
                 kMatchCount - 1,
                 kRange},
    RangeKeyword{"puntuacion", ConditionKind::kScore, {}, BoundForm::kInteger, 100.0, kRange},
    RangeKeyword{"puntuación", ConditionKind::kScore, {}, BoundForm::kInteger, 100.0, kRange},
    RangeKeyword{"probabilidad",
                 ConditionKind::kProbability,
                 {},
                 BoundForm::kDecimal,
                 100.0,
                 "MÍNIMO-MÁXIMO (en %)"},
    RangeKeyword{
        "valor", ConditionKind::kValue, {}, BoundForm::kDecimal, 1e12, "MÍNIMO-MÁXIMO (en euros)"},
};

// The masks of `matches` for each sign in `signs`.
std::array<std::uint16_t, 3> MasksOf(std::uint8_t signs, std::uint16_t matches) {
    std::array<std::uint16_t, 3> masks{};
    for (std::size_t s = 0; s < masks.size(); ++s) {
        masks[s] = (static_cast<std::uint32_t>(signs) >> s & 1U) != 0 ? matches : 0;
    }
    return masks;
}

// The error when the words after `keyword` are not `count`, else nothing.
std::string Expect(std::string_view keyword, const Words& words, std::size_t count,
                   std::string_view written) {
    if (words.size() < count) {
        return std::string(keyword) + " se escribe " + std::string(written);
    }
    return words.size() > count ? "sobra " + QuotedWord(words[count]) : std::string();
}

// Reads the bounds into the condition; returns the error text.
std::string ReadRange(std::string_view word, BoundForm form, double largest,
                      ColumnCondition& condition) {
    BoundPair pair;
    std::string error = ReadBounds(word, form, largest, pair);
    condition.minimum = pair.minimum;
    condition.maximum = pair.maximum;
    return error;
}

// "racha [SIGNO] MÍNIMO-MÁXIMO" without its keyword.
std::string ReadRun(const Words& words, ColumnCondition& condition) {
    condition.kind = ConditionKind::kLongestRun;
    std::uint8_t signs = 0b111;
    if (words.size() >= 2) {
        if (words[0].size() != 1) {
            return "racha lleva un solo signo, no " + QuotedWord(words[0]);
        }
        if (std::string error = ReadSignSet(words[0], signs); !error.empty()) {
            return error;
        }
    }
    condition.masks = MasksOf(signs, kAllMatches);
    const std::string error =
        Expect("racha", words, words.size() >= 2 ? 2 : 1, "[SIGNO] MÍNIMO-MÁXIMO");
    return error.empty() ? ReadRange(words.back(), BoundForm::kInteger, kMatchCount, condition)
                         : error;
}

// "grupo PARTIDOS SIGNOS MÍNIMO-MÁXIMO" without its keyword.
std::string ReadGroup(const Words& words, ColumnCondition& condition) {
    std::string error =
        Expect("grupo", words, 3, "PARTIDOS SIGNOS MÍNIMO-MÁXIMO (grupo 1-4,7 X2 1-3)");
    std::uint16_t matches = 0;
    std::uint8_t signs = 0;
    if (error.empty()) {
        error = ReadMatchList(words[0], matches);
    }
    if (error.empty()) {
        error = ReadSignSet(words[1], signs);
    }
    if (!error.empty()) {
        return error;
    }
    condition.masks = MasksOf(signs, matches);
    return ReadRange(words[2], BoundForm::kInteger, std::popcount(matches), condition);
}

// "base COLUMNA MÍNIMO-MÁXIMO" without its keyword.
std::string ReadBase(const Words& words, ColumnCondition& condition) {
    std::string error = Expect("base", words, 2, "COLUMNA MÍNIMO-MÁXIMO");
    if (error.empty()) {
        error = ReadBaseColumn(words[0], condition.masks);
    }
    return error.empty() ? ReadRange(words[1], BoundForm::kInteger, kMatchCount, condition) : error;
}

// Reads the words after the keyword (`words` without it) into `condition`;
// returns the error text.
std::string ReadArguments(std::string_view keyword, const Words& words,
                          ColumnCondition& condition) {
    for (const RangeKeyword& range : kRangeKeywords) {
        if (keyword == range.word) {
            condition.kind = range.kind;
            condition.masks = range.masks;
            const std::string error = Expect(keyword, words, 1, range.written);
            return error.empty() ? ReadRange(words[0], range.form, range.largest, condition)
                                 : error;
        }
    }
    if (keyword == "racha") {
        return ReadRun(words, condition);
    }
    if (keyword == "grupo") {
        return ReadGroup(words, condition);
    }
    if (keyword == "base") {
        return ReadBase(words, condition);
    }
    return "no se conoce la condición " + QuotedWord(keyword) +
           "; las condiciones son unos, equis, doses, variantes, interrupciones, racha, grupo, "
           "base, puntuacion, probabilidad, valor y fallos";
}

class ConditionReader {
  public:
    explicit ConditionReader(std::istream& in) : input(in) {}

    ConditionFileRead Read() {
        input.Want(kByteOrderMark.size());
        if (input.Ahead().starts_with(kByteOrderMark)) {
            input.Skip(kByteOrderMark.size());
            result.file.byteOrderMark = true;
        }
        for (;;) {
            const TakenLine taken = TakeLine(input);
            if (taken.take == LineTake::kEnd) {
                return End();
            }
            ++line;
            if (taken.take == LineTake::kTooLong) {
                return Fail("la línea pasa de " + GroupedNumber(kLongestLine) + " bytes");
            }
            if (line > kMostLines) {
                return Fail("el archivo pasa de " + GroupedNumber(kMostLines) + " líneas");
            }
            result.file.lines.emplace_back(taken.content);
            // What TakeLine skipped past the content is the line end.
            const char* const end = taken.content.data() + taken.content.size();
            result.file.lineEnds.emplace_back(end, input.Ahead().data());
            if (std::string error = ReadLine(taken.content); !error.empty()) {
                return Fail(std::move(error));
            }
        }
    }

  private:
    ConditionFileRead End() {
        if (input.ReadError()) {
            ++line;
            return Fail("no se pudo leer el archivo");
        }
        return std::move(result);
    }

    ConditionFileRead Fail(std::string error) {
        result.error = std::move(error);
        result.line = line;
        result.file = {};
        return std::move(result);
    }

    // Reads one line into the file; returns the error text.
    std::string ReadLine(std::string_view content) {
        Words words = WordsOf(content.substr(0, content.find('#')));
        if (words.empty()) {
            return {};
        }
        ColumnCondition condition;
        condition.line = line;
        if (words[0].starts_with('!')) {
            condition.strictness = Strictness::kAlways;
            words[0].remove_prefix(1);
            if (words[0].empty()) {
                words.erase(words.begin());
            }
            if (words.empty()) {
                return "falta la condición tras «!»";
            }
        }
        const std::string_view keyword = words[0];
        words.erase(words.begin());
        if (keyword == "fallos") {
            return ReadFailures(words, condition.strictness);
        }
        if (result.file.conditions.size() == kMostConditions) {
            return "el archivo pasa de " + std::to_string(kMostConditions) + " condiciones";
        }
        std::string error = ReadArguments(keyword, words, condition);
        if (error.empty()) {
            result.file.conditions.push_back(condition);
        }
        return error;
    }

    std::string ReadFailures(const Words& words, Strictness strictness) {
        if (strictness == Strictness::kAlways) {
            return "«!» va delante de una condición, no de fallos";
        }
        if (result.file.failuresLine != 0) {
            return "fallos ya se dio en la línea " + std::to_string(result.file.failuresLine);
        }
        if (words.size() != 1 || !ParseDecimal(words[0]) ||
            words[0].find_first_of(".,") != std::string_view::npos ||
            *ParseDecimal(words[0]) > kMostFailures) {
            return "fallos se escribe con un número entero de 0 a " + std::to_string(kMostFailures);
        }
        result.file.failures = static_cast<std::int32_t>(*ParseDecimal(words[0]));
        result.file.failuresLine = line;
        return {};
    }

    ChunkedInput input;
    ConditionFileRead result;
    std::int64_t line = 0;
};

}  // namespace

ConditionFileRead ReadConditions(std::istream& in) {
    return ConditionReader(in).Read();
}

ConditionFileRead ReadConditions(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ConditionFileRead read;
        read.error = "no se puede abrir el archivo";
        return read;
    }
    return ReadConditions(in);
}

std::string ConditionErrorText(const ConditionFileRead& read) {
    return read.line == 0 ? read.error : "línea " + std::to_string(read.line) + ": " + read.error;
}

}  // namespace lumo

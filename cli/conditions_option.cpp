#include "cli/conditions_option.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>

#include "cli/value_inputs.h"
#include "cli/whole_message.h"
#include "conditions/condition_reader.h"
#include "text/shown_text.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace {

// Characters shown, UTF-8 continuation bytes not counted.
std::size_t ShownWidth(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string PaddedLeft(const std::string& text, std::size_t width) {
    return std::string(width - std::min(width, ShownWidth(text)), ' ') + text;
}

std::string PaddedRight(const std::string& text, std::size_t width) {
    return text + std::string(width - std::min(width, ShownWidth(text)), ' ');
}

}  // namespace

std::optional<ConditionsCut> ConditionsCutOf(const CommandLine& line, const Streams& streams,
                                             const Scoring& scoring,
                                             std::span<const double> known) {
    const std::optional<std::string> name = line.Value(kConditionsOption.name);
    if (!name) {
        if (line.Has(kExplainOption.name)) {
            throw CommandError(
                "--explain explica las condiciones: dé también --conditions ARCHIVO.");
        }
        return std::nullopt;
    }
    ConditionFileRead read = ReadConditions(std::filesystem::path(*name));
    if (!read.Ok()) {
        throw CommandError("Condiciones " + Quoted(*name) + ", " + ConditionErrorText(read) +
                           ". No se ha filtrado nada.");
    }
    const std::int64_t valueLine = read.file.ValueLine();
    if (valueLine == 0) {
        return ConditionsCut{std::move(read.file), {}};
    }
    if (!known.empty()) {
        return ConditionsCut{std::move(read.file), {known.begin(), known.end()}};
    }
    if (!line.Has(kPublicOption.name) || !line.Has(kTakingsOption.name)) {
        throw CommandError("La condición «valor» de la línea " + GroupedNumber(valueLine) +
                           " de las condiciones necesita el valor esperado de cada columna: "
                           "dé --public ARCHIVO y --takings EUROS.");
    }
    return ConditionsCut{std::move(read.file), ValuesOfRound(line, streams, &scoring)};
}

void ExplainConditions(const CommandLine& line, std::ostream& err, const ConditionFile& file,
                       const ConditionTally& tally) {
    if (!line.Has(kExplainOption.name)) {
        return;
    }
    const std::string header = "Condición";
    std::size_t width = ShownWidth(header);
    for (const ColumnCondition& condition : file.conditions) {
        width = std::max(width, ShownWidth(file.ConditionText(condition)));
    }
    WholeMessage message(err);
    message << "De " << CountWithNoun(tally.input, "columna", "columnas") << ", con "
            << CountWithNoun(file.failures, "fallo permitido", "fallos permitidos")
            << ":\n  Línea  " << PaddedRight(header, width) << "  La incumplen\n";
    for (std::size_t c = 0; c < file.conditions.size(); ++c) {
        const ColumnCondition& condition = file.conditions[c];
        message << PaddedLeft(GroupedNumber(condition.line), 7) << "  "
                << PaddedRight(file.ConditionText(condition), width) << "  "
                << PaddedLeft(GroupedNumber(tally.breaking[c]), 12) << '\n';
    }
    message << "Las condiciones quitan " << CountWithNoun(tally.removed, "columna", "columnas")
            << " y dejan " << CountWithNoun(tally.keptBreaking, "columna", "columnas")
            << (tally.keptBreaking == 1 ? " que incumple" : " que incumplen")
            << " alguna dentro de los fallos permitidos.\n";
}

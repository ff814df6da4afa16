#include "cli/commands.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <memory>
#include <new>
#include <sstream>

#include "betfile/bet_messages.h"
#include "betfile/bet_reader.h"
#include "betfile/bet_writer.h"
#include "cli/command_line.h"
#include "cli/help_texts.h"
#include "cli/round_results.h"
#include "core/column_predicates.h"
#include "core/condition.h"
#include "core/cover_check.h"
#include "core/covering.h"
#include "core/guarantee_reduction.h"
#include "core/match_counts.h"
#include "core/progress.h"
#include "core/scoring.h"
#include "forecast/forecast_file.h"

namespace {
constexpr std::string_view kDefaultForecast = "pronostico.txt";
constexpr std::int32_t kMaxDistance = 8;
constexpr std::int32_t kMinGuarantee = 10;
// A scrutiny counts hits of 14 down to 10; HitStatistics' own count is unused.
constexpr std::int32_t kNoThreshold = kMatches + 1;

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    ProgressDisplay progress;
};

std::string Quoted(std::string_view text) {
    return "«" + std::string(text) + "»";
}

// Loads the forecast the columns are scored with and says which one it is.
Scoring LoadScoring(const CommandLine& line, std::ostream& err) {
    std::string path;
    if (const auto given = line.Value("--forecast")) {
        path = *given;
        if (!std::ifstream(path) || std::filesystem::is_directory(path)) {
            throw CommandError("No se ha podido leer el pronóstico " + Quoted(path) + ".");
        }
    } else if (std::filesystem::is_regular_file(kDefaultForecast)) {
        path = kDefaultForecast;
    }
    if (path.empty()) {
        err << "Pronóstico: la tabla construida (40 33 27 en cada partido).\n";
        return Scoring{};
    }
    std::ostringstream diagnostics;
    const ForecastLoad load = LoadForecast(std::filesystem::path(path), diagnostics);
    err << "Pronóstico: " << Quoted(path) << ".\n";
    if (load.errors > 0) {
        err << "Aviso: " << load.errors << " filas del pronóstico no suman 100.\n";
    }
    return ScoringOf(load.table);
}

std::unique_ptr<CColumnSet> ReadInput(const std::string& name, Streams& streams) {
    auto bet = std::make_unique<CColumnSet>();
    const BetReadResult result =
        name == "-" ? ReadBet(streams.in, *bet) : ReadBet(std::filesystem::path(name), *bet);
    if (result.end != BetReadEnd::kComplete) {
        throw CommandError(BetReadMessage(name == "-" ? "entrada estándar" : name, result));
    }
    return bet;
}

// Reads a bet and scores its columns with the forecast loaded.
std::unique_ptr<CColumnSet> ReadScored(const std::string& name, const Scoring& scoring,
                                       Streams& streams) {
    std::unique_ptr<CColumnSet> bet = ReadInput(name, streams);
    for (std::int32_t i = 0; i < bet->Count(); ++i) {
        (*bet)[i].score = (*bet)[i].ComputeScore(scoring);
    }
    return bet;
}

void WriteOutput(const CommandLine& line, const CColumnSet& bet, Streams& streams) {
    if (const auto path = line.Value("-o")) {
        const BetSaveResult saved = WriteBet(std::filesystem::path(*path), bet);
        if (!saved.Saved()) {
            throw CommandError(BetSaveMessage(*path, saved));
        }
        return;
    }
    if (!WriteBet(streams.out, bet).flush()) {
        throw CommandError("No se ha podido escribir la apuesta en la salida estándar.");
    }
}

void ExpectPositionals(const CommandLine& line, std::size_t count, std::string_view command) {
    if (line.positionals.size() != count) {
        throw CommandError("La orden " + std::string(command) + " necesita " +
                           std::to_string(count) + (count == 1 ? " apuesta" : " apuestas") +
                           " y se han dado " + std::to_string(line.positionals.size()) +
                           ". Véase «lumo-cli " + std::string(command) + " --help».");
    }
}

// Exactly one of two options, each written as "--name VALUE".
void ExpectOneOf(const CommandLine& line, std::string_view command, std::string_view first,
                 std::string_view second) {
    const auto name = [](std::string_view option) { return option.substr(0, option.find(' ')); };
    if (line.Has(name(first)) == line.Has(name(second))) {
        throw CommandError("La orden " + std::string(command) + " necesita " + std::string(first) +
                           " o " + std::string(second) + " (una de las dos).");
    }
}

std::string SignsOf(const CColumn& column) {
    std::ostringstream signs;
    column.WriteText(signs);
    return signs.str();
}

int Generate(const CommandLine& line, Streams& streams) {
    ExpectPositionals(line, 0, "generate");
    const Scoring scoring = LoadScoring(line, streams.err);
    CColumnSet bet(kAllColumns);
    {
        const ProgressBar bar(streams.err, streams.progress);
        bet.GenerateAll(scoring);
    }
    WriteOutput(line, bet, streams);
    streams.err << bet.Count() << " columnas.\n";
    return kExitSuccess;
}

int Filter(const CommandLine& line, Streams& streams) {
    ExpectPositionals(line, 1, "filter");
    const auto above = line.Value("--above");
    const auto below = line.Value("--below");
    const auto variants = line.Value("--variants");
    const auto twos = line.Value("--twos");
    ConditionBounds bounds;
    if (variants) {
        const IntegerRange range = ParseRange("--variants", *variants);
        bounds.minVariants = range.minimum;
        bounds.maxVariants = range.maximum;
    }
    if (twos) {
        const IntegerRange range = ParseRange("--twos", *twos);
        bounds.minDoses = range.minimum;
        bounds.maxDoses = range.maximum;
    }
    const std::int32_t aboveLimit = above ? ParseInteger("--above", *above) : 0;
    const std::int32_t belowLimit = below ? ParseInteger("--below", *below) : 0;
    const Scoring scoring = LoadScoring(line, streams.err);
    const std::unique_ptr<CColumnSet> bet = ReadScored(line.positionals[0], scoring, streams);
    const std::int32_t before = bet->Count();
    {
        const ProgressBar bar(streams.err, streams.progress);
        if (above) {
            bet->Filter(ScoreAbove{aboveLimit});
        }
        if (below) {
            bet->Filter(ScoreBelow{belowLimit});
        }
        if (line.Has("--no-zero")) {
            bet->Filter(NoZeroPercent(scoring.table));
        }
        if (variants || twos) {
            KeepWithinCondition(*bet, bounds);
        }
    }
    WriteOutput(line, *bet, streams);
    streams.err << "De " << before << " columnas quedan " << bet->Count() << ".\n";
    return kExitSuccess;
}

int Sort(const CommandLine& line, Streams& streams) {
    ExpectPositionals(line, 1, "sort");
    const Scoring scoring = LoadScoring(line, streams.err);
    const std::unique_ptr<CColumnSet> bet = ReadScored(line.positionals[0], scoring, streams);
    bet->SortByScore();
    WriteOutput(line, *bet, streams);
    streams.err << bet->Count() << " columnas ordenadas por puntuación.\n";
    return kExitSuccess;
}

std::string MethodText(ReductionMethod method) {
    switch (method) {
        case ReductionMethod::kGreedy:
            return "cubrimiento voraz";
        case ReductionMethod::kProduct:
            return "construcción con códigos conocidos";
        case ReductionMethod::kSearch:
            return "mejorada por búsqueda local";
    }
    return {};
}

int Reduce(const CommandLine& line, Streams& streams) {
    ExpectPositionals(line, 1, "reduce");
    ExpectOneOf(line, "reduce", "--distance D", "--guarantee G");
    const auto distance = line.Value("--distance");
    const auto guarantee = line.Value("--guarantee");
    if (distance && line.Has("--optimise")) {
        throw CommandError("--optimise solo vale con --guarantee.");
    }
    const std::int32_t d = distance ? ParseIntegerIn("--distance", *distance, 0, kMaxDistance) : 0;
    const std::int32_t g =
        guarantee ? ParseIntegerIn("--guarantee", *guarantee, kMinGuarantee, kMatches) : 0;
    const auto optimise = line.Value("--optimise");
    const std::int32_t seconds = optimise ? ParseIntegerIn("--optimise", *optimise, 0, 86'400) : 0;
    const Scoring scoring = LoadScoring(line, streams.err);
    const std::unique_ptr<CColumnSet> bet = ReadScored(line.positionals[0], scoring, streams);
    const std::int32_t before = bet->Count();
    if (distance) {
        {
            const ProgressBar bar(streams.err, streams.progress);
            NotNearKept notNearKept(*bet, d);
            bet->Filter(notNearKept);
        }
        WriteOutput(line, *bet, streams);
        streams.err << "Reducción a distancia " << d << ": de " << before << " columnas a "
                    << bet->Count() << ".\n";
        return kExitSuccess;
    }
    GuaranteeReduction reduction;
    {
        const ProgressBar bar(streams.err, streams.progress);
        reduction = ReduceWithGuarantee(*bet, {.guarantee = g,
                                               .optimise = std::chrono::seconds(seconds),
                                               .progress = ReportProgress});
    }
    CColumnSet reduced(static_cast<std::int32_t>(reduction.positions.size()));
    for (const std::int32_t position : reduction.positions) {
        reduced.AppendNoGrow((*bet)[position]);
    }
    WriteOutput(line, reduced, streams);
    streams.err << "Reducción al " << g << ": de " << before << " columnas a " << reduced.Count()
                << " (" << MethodText(reduction.method) << "). Si el resultado está en la "
                << "apuesta, alguna columna tiene al menos " << g << " aciertos.\n"
                << "cota inferior: " << reduction.lowerBound << "\n";
    return kExitSuccess;
}

int Check(const CommandLine& line, Streams& streams) {
    ExpectPositionals(line, 2, "check");
    const auto guarantee = line.Value("--guarantee");
    if (!guarantee) {
        throw CommandError("La orden check necesita --guarantee G.");
    }
    const std::int32_t g = ParseIntegerIn("--guarantee", *guarantee, 0, kMatches);
    const std::unique_ptr<CColumnSet> bet = ReadInput(line.positionals[0], streams);
    const std::unique_ptr<CColumnSet> reduced = ReadInput(line.positionals[1], streams);
    const std::optional<std::int32_t> uncovered = FirstUncovered(*bet, *reduced, g);
    if (uncovered) {
        streams.err << "La garantía al " << g << " NO se cumple: la columna "
                    << SignsOf((*bet)[*uncovered]) << " (la " << *uncovered + 1 << ".ª de "
                    << Quoted(line.positionals[0]) << ") no tiene " << g
                    << " aciertos con ninguna columna de " << Quoted(line.positionals[1]) << ".\n";
        return kExitCheckFailed;
    }
    streams.err << "La garantía al " << g << " se cumple: cada una de las " << bet->Count()
                << " columnas de " << Quoted(line.positionals[0]) << " tiene al menos " << g
                << " aciertos con alguna de las " << reduced->Count() << " de "
                << Quoted(line.positionals[1]) << ".\n";
    return kExitSuccess;
}

int Scrutiny(const CommandLine& line, Streams& streams) {
    ExpectPositionals(line, 1, "scrutiny");
    ExpectOneOf(line, "scrutiny", "--result SIGNOS", "--results ARCHIVO");
    const auto result = line.Value("--result");
    const auto resultsFile = line.Value("--results");
    std::vector<RoundResult> rounds;
    if (result) {
        rounds.push_back({"", ParseResultSigns(*result, "--result")});
    } else {
        std::ifstream file(*resultsFile);
        if (!file) {
            throw CommandError("No se ha podido leer el archivo de resultados " +
                               Quoted(*resultsFile) + ".");
        }
        rounds = ReadRoundResults(file, *resultsFile);
    }
    const std::unique_ptr<CColumnSet> bet = ReadInput(line.positionals[0], streams);
    HitCounters counters{};
    if (result) {
        HitStatistics(*bet, rounds.front().result, counters, kNoThreshold);
        for (std::size_t k = 0; k < counters.size(); ++k) {
            streams.out << kMatches - static_cast<std::int32_t>(k) << " aciertos: " << counters[k]
                        << '\n';
        }
        return kExitSuccess;
    }
    std::size_t nameWidth = std::string_view("Jornada").size();
    for (const RoundResult& round : rounds) {
        nameWidth = std::max(nameWidth, round.name.size());
    }
    const auto cell = [&streams](auto value) { streams.out << std::setw(8) << value; };
    streams.out << std::left << std::setw(static_cast<int>(nameWidth)) << "Jornada" << std::right
                << "  Resultado     ";
    for (std::int32_t hits = kMatches; hits >= kMatches - 4; --hits) {
        cell(hits);
    }
    streams.out << '\n';
    for (const RoundResult& round : rounds) {
        HitStatistics(*bet, round.result, counters, kNoThreshold);
        streams.out << std::left << std::setw(static_cast<int>(nameWidth)) << round.name
                    << std::right << "  " << SignsOf(round.result);
        for (const std::int32_t count : counters) {
            cell(count);
        }
        streams.out << '\n';
    }
    return kExitSuccess;
}

// A share as a percentage with one decimal and a decimal comma.
std::string Percentage(std::int64_t part, std::int64_t whole) {
    const std::int64_t tenths = whole == 0 ? 0 : (part * 1000 + whole / 2) / whole;
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " %";
}

int Stats(const CommandLine& line, Streams& streams) {
    ExpectPositionals(line, 1, "stats");
    const std::unique_ptr<CColumnSet> bet = ReadInput(line.positionals[0], streams);
    const MatchCounts counts = CountResultsPerMatch(*bet);
    streams.out << bet->Count() << " columnas\n";
    constexpr std::array<std::string_view, 3> kSignNames{"1", "X", "2"};
    for (std::size_t match = 0; match < counts.size(); ++match) {
        streams.out << "Partido " << std::setw(2) << match + 1 << ":";
        for (std::size_t result = 0; result < 3; ++result) {
            streams.out << "  " << kSignNames[result] << " " << std::setw(7)
                        << Percentage(counts[match][result], bet->Count());
        }
        streams.out << '\n';
    }
    return kExitSuccess;
}

using Handler = int (*)(const CommandLine&, Streams&);

struct Command {
    std::string_view name;
    Handler handler;
    std::vector<OptionRule> rules;
};

const std::vector<Command>& Commands() {
    constexpr OptionRule kForecast{"--forecast", OptionValue::kRequired};
    constexpr OptionRule kOutput{"-o", OptionValue::kRequired};
    constexpr OptionRule kHelp{"--help", OptionValue::kNone};
    static const std::vector<Command> commands{
        {"generate", Generate, {kForecast, kOutput, kHelp}},
        {"filter",
         Filter,
         {kForecast,
          kOutput,
          kHelp,
          {"--above", OptionValue::kRequired},
          {"--below", OptionValue::kRequired},
          {"--no-zero", OptionValue::kNone},
          {"--variants", OptionValue::kRequired},
          {"--twos", OptionValue::kRequired}}},
        {"sort", Sort, {kForecast, kOutput, kHelp}},
        {"reduce",
         Reduce,
         {kForecast,
          kOutput,
          kHelp,
          {"--distance", OptionValue::kRequired},
          {"--guarantee", OptionValue::kRequired},
          {"--optimise", OptionValue::kRequired}}},
        {"check", Check, {kHelp, {"--guarantee", OptionValue::kRequired}}},
        {"scrutiny",
         Scrutiny,
         {kHelp, {"--result", OptionValue::kRequired}, {"--results", OptionValue::kRequired}}},
        {"stats", Stats, {kHelp}},
    };
    return commands;
}

int Run(std::span<const std::string> words, Streams& streams) {
    if (words.empty()) {
        streams.err << HelpText("");
        return kExitError;
    }
    if (words.front() == "--help" || words.front() == "-h") {
        streams.out << HelpText("");
        return kExitSuccess;
    }
    const auto command =
        std::find_if(Commands().begin(), Commands().end(),
                     [&words](const Command& c) { return c.name == words.front(); });
    if (command == Commands().end()) {
        throw CommandError("Orden desconocida: " + Quoted(words.front()) +
                           ". Véase «lumo-cli --help».");
    }
    const CommandLine line = ParseCommandLine(words.subspan(1), command->rules);
    if (line.Has("--help")) {
        streams.out << HelpText(command->name);
        return kExitSuccess;
    }
    return command->handler(line, streams);
}

}  // namespace

int RunLumoCli(std::span<const std::string> words, std::istream& in, std::ostream& out,
               std::ostream& err, ProgressDisplay progress) {
    Streams streams{in, out, err, progress};
    try {
        return Run(words, streams);
    } catch (const CommandError& error) {
        err << "lumo-cli: " << error.what() << '\n';
    } catch (const std::bad_alloc&) {
        err << "lumo-cli: no hay memoria suficiente para esta operación.\n";
    }
    return kExitError;
}

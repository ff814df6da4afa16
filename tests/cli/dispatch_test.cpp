#include "cli/dispatch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <random>
#include <sstream>

#include "betfile/bet_reader.h"
#include "betfile/bet_writer.h"
#include "betfile/internal/save_hook.h"
#include "betfile/strict_bet_reader.h"
#include "cli/command_table.h"
#include "cli/value_inputs.h"
#include "core/bet_cost.h"
#include "core/column_predicates.h"
#include "core/condition.h"
#include "core/covering.h"
#include "forecast/forecast_file.h"
#include "reduction/cover_check.h"
#include "tests/core/test_support.h"
#include "text/spanish_numbers.h"
#include "value/bet_value.h"
#include "value/column_values.h"
#include "value/expectation_table.h"

using namespace lumo;
using namespace lumo::internal;

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kForecast =
    "55 27 18\n48 30 22\n62 24 14\n100 0 0\n35 32 33\n50 50 0\n41 31 28\n"
    "70 20 10\n30 33 37\n45 30 25\n38 34 28\n58 26 16\n0 40 60\n44 30 26\n";

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Each test in a fresh folder holding a forecast file and a small bet made
// of the window's own columns.
class CommandsTest : public testing::Test {
  protected:
    CommandsTest() {
        fs::remove_all(folder);
        fs::create_directory(folder);
        std::ofstream(folder / "pronostico.txt") << kForecast;
        std::mt19937 engine(8);
        FillSet(bet, ClusteredBet(engine, 2'000));
        EXPECT_TRUE(WriteBet(Path("apuesta.txt"), bet).Saved());
        scoring = ScoringOf(LoadForecast(Path("pronostico.txt"), std::cerr).table);
        for (std::int32_t i = 0; i < bet.Count(); ++i) {
            bet[i].score = bet[i].ComputeScore(scoring);
        }
    }
    ~CommandsTest() override { fs::remove_all(folder); }

    std::string Path(std::string_view name) const { return (folder / name).string(); }

    CliRun Cli(std::vector<std::string> words, const std::string& input = {}) const {
        words.insert(words.end(), {"--forecast", Path("pronostico.txt")});
        return CliAsIs(words, input);
    }
    static CliRun CliAsIs(const std::vector<std::string>& words, const std::string& input = {}) {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        const int status =
            RunLumoCli(words, {in, out, err, ProgressDisplay::kOff, StandardOutput::kFileOrPipe});
        return {status, out.str(), err.str()};
    }
    static std::string Text(const CColumnSet& set) {
        std::ostringstream text;
        WriteBet(text, set);
        return text.str();
    }

    Scoring scoring;
    const fs::path folder = fs::temp_directory_path() / ("lumo-cli-" + std::to_string(::getpid()));
    CColumnSet bet;
};

TEST_F(CommandsTest, StepsGiveTheFileOfTheWindowsOwnOperations) {
    const std::string in = Path("apuesta.txt");
    const CliRun filtered = Cli({"filter", in, "--above", "40", "--below", "90", "--no-zero",
                                 "--variants", "4:9", "--twos", "0:5"});
    ASSERT_EQ(filtered.status, kExitSuccess) << filtered.err;
    bet.Filter(ScoreAbove{40});
    bet.Filter(ScoreBelow{90});
    bet.Filter(NoZeroPercent(scoring.table));
    KeepWithinCondition(bet, {.minVariants = 4, .maxVariants = 9, .minDoses = 0, .maxDoses = 5});
    EXPECT_EQ(filtered.out, Text(bet));
    ASSERT_GT(bet.Count(), 100);
    EXPECT_NE(filtered.err.find("quedan " + std::to_string(bet.Count())), std::string::npos);

    const CliRun sorted = Cli({"sort", "-"}, filtered.out);
    bet.SortByScore();
    EXPECT_EQ(sorted.out, Text(bet));

    const CliRun reduced = Cli({"reduce", "-", "--distance", "2"}, sorted.out);
    NotNearKept notNearKept(bet, 2);
    const std::int32_t sortedCount = bet.Count();
    bet.Filter(notNearKept);
    EXPECT_LT(bet.Count(), sortedCount);
    EXPECT_EQ(reduced.out, Text(bet));
}

TEST_F(CommandsTest, GuaranteeReductionIsCheckedAndSavedSafely) {
    const CliRun reduced =
        Cli({"reduce", Path("apuesta.txt"), "--guarantee", "12", "-o", Path("r.txt")});
    ASSERT_EQ(reduced.status, kExitSuccess) << reduced.err;
    EXPECT_TRUE(reduced.out.empty());
    EXPECT_NE(reduced.err.find("Reducción al 12: de 2.000 columnas a "), std::string::npos);
    CColumnSet kept;
    ASSERT_EQ(ReadBet(fs::path(Path("r.txt")), kept).end, BetReadEnd::kComplete);
    EXPECT_EQ(FirstUncovered(bet, kept, 12), std::nullopt);
    EXPECT_LT(kept.Count(), bet.Count());
    // The lower bound follows, positive and no larger than the result.
    const std::size_t bound = reduced.err.find("Cota inferior: ");
    ASSERT_NE(bound, std::string::npos) << reduced.err;
    std::string digits =
        reduced.err.substr(bound + 15, reduced.err.find(' ', bound + 15) - bound - 15);
    std::erase(digits, '.');
    const std::int32_t lower = std::stoi(digits);
    EXPECT_GT(lower, 0);
    EXPECT_LE(lower, kept.Count());

    const CliRun holds =
        CliAsIs({"check", Path("apuesta.txt"), Path("r.txt"), "--guarantee", "12"});
    EXPECT_EQ(holds.status, kExitSuccess) << holds.err;
    const CliRun fails =
        CliAsIs({"check", Path("apuesta.txt"), Path("r.txt"), "--guarantee", "13"});
    EXPECT_EQ(fails.status, kExitCheckFailed);
    const std::int32_t first = *FirstUncovered(bet, kept, 13);
    std::ostringstream signs;
    bet[first].WriteText(signs);
    EXPECT_NE(fails.err.find(signs.str() + " (la " + std::to_string(first + 1) + ".ª"),
              std::string::npos)
        << fails.err;
}

TEST_F(CommandsTest, ScrutinyCountsAsTheWinnerTool) {
    const CColumn result = ColumnOf("1X2111X2111X21");
    HitCounters counters{};
    HitStatistics(bet, result, counters, 15);
    std::string expected;
    for (std::size_t k = 0; k < counters.size(); ++k) {
        expected += std::to_string(14 - k) + " aciertos: " + std::to_string(counters[k]) + "\n";
    }
    EXPECT_EQ(CliAsIs({"scrutiny", Path("apuesta.txt"), "--result", "1x2111X2111X21"}).out,
              expected);

    std::ofstream(Path("jornadas.txt"))
        << "# pasadas\nJornada 1 1X2111X2111X21\n\nJ2 11111111111111\n";
    const CliRun table =
        CliAsIs({"scrutiny", Path("apuesta.txt"), "--results", Path("jornadas.txt")});
    ASSERT_EQ(table.status, kExitSuccess) << table.err;
    std::istringstream lines(table.out);
    std::string header, first, second, extra;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_FALSE(std::getline(lines, extra));
    EXPECT_TRUE(first.starts_with("Jornada 1  1X2111X2111X21")) << first;
    EXPECT_TRUE(second.starts_with("J2         11111111111111")) << second;
    std::istringstream cells(first.substr(first.find("X21 ") + 4));
    for (const std::int32_t count : counters) {
        std::int32_t cell = -1;
        cells >> cell;
        EXPECT_EQ(cell, count);
    }
}

// show --value: each column's expected prize, after its signs, from the
// forecast, the public's file and the takings; what is missing is named.
TEST_F(CommandsTest, ShowGivesEachColumnsValueOrSaysWhatIsMissing) {
    {
        std::ofstream publicFile(folder / "publico.txt");
        for (int match = 0; match < 14; ++match) {
            publicFile << "40 30 30\n";
        }
    }
    const std::string in = Path("apuesta.txt");
    const std::string publicFile = Path("publico.txt");
    const CliRun shown =
        Cli({"show", in, "--value", "--public", publicFile, "--takings", "1.000.000"});
    ASSERT_EQ(shown.status, kExitSuccess) << shown.err;
    Round round;
    round.real = ProbabilitiesOfForecast(scoring.table);
    round.publicShares.fill({0.4, 0.3, 0.3});
    round.takings = 1'000'000.0;
    const std::vector<double> values = ColumnValues(round);
    std::string expected;
    for (const CColumn& column : bet) {
        expected += SignsOf(column) + "  " +
                    ValueText(values[static_cast<std::size_t>(column.Index())]) + "\n";
    }
    EXPECT_EQ(shown.out, expected);
    EXPECT_EQ(ValueText(0.33904), "0,3390");

    const struct {
        std::vector<std::string> words;
        std::string said;
    } faults[] = {
        {{"--takings", "1.000.000"}, "necesita los porcentajes del público: --public"},
        {{"--public", publicFile}, "necesita la recaudación: --takings"},
        {{"--public", publicFile, "--takings", "1,505"}, "no es un importe en euros"},
        {{"--public", publicFile, "--takings", "0"}, "mayor que 0"},
        {{"--public", publicFile, "--takings", "1000", "--pleno-probability", "1,5"},
         "--pleno-probability"},
        {{"--public", in, "--takings", "1000"}, "«" + in + "»"},
    };
    for (const auto& fault : faults) {
        std::vector<std::string> words{"show", in, "--value"};
        words.insert(words.end(), fault.words.begin(), fault.words.end());
        const CliRun refused = Cli(words);
        EXPECT_EQ(refused.status, kExitError) << fault.said;
        EXPECT_NE(refused.err.find(fault.said), std::string::npos) << refused.err;
    }
}

// sort --by-value puts the highest value first; filter --value-above keeps
// the columns worth at least that much, and takes four decimals at most.
TEST_F(CommandsTest, SortAndFilterByValue) {
    {
        std::ofstream publicFile(folder / "publico.txt");
        for (int match = 0; match < 14; ++match) {
            publicFile << "40 30 30\n";
        }
    }
    const std::vector<std::string> round{"--public", Path("publico.txt"), "--takings", "1000000"};
    Round wanted;
    wanted.real = ProbabilitiesOfForecast(scoring.table);
    wanted.publicShares.fill({0.4, 0.3, 0.3});
    wanted.takings = 1'000'000.0;
    const std::vector<double> values = ColumnValues(wanted);
    const auto valueOf = [&values](const CColumn& column) {
        return values[static_cast<std::size_t>(column.Index())];
    };

    std::vector<std::string> words{"sort", Path("apuesta.txt"), "--by-value"};
    words.insert(words.end(), round.begin(), round.end());
    const CliRun sorted = Cli(words);
    ASSERT_EQ(sorted.status, kExitSuccess) << sorted.err;
    CColumnSet byValue;
    std::istringstream sortedText(sorted.out);
    ASSERT_TRUE(ReadBetStrictly(sortedText, byValue).Ok());
    ASSERT_EQ(byValue.Count(), bet.Count());
    EXPECT_TRUE(std::is_sorted(
        byValue.begin(), byValue.end(),
        [&](const CColumn& a, const CColumn& b) { return valueOf(a) > valueOf(b); }));

    const double cut = valueOf(byValue[bet.Count() / 2]);
    words = {"filter", Path("apuesta.txt"), "--value-above", ValueText(cut)};
    words.insert(words.end(), round.begin(), round.end());
    const CliRun filtered = Cli(words);
    ASSERT_EQ(filtered.status, kExitSuccess) << filtered.err;
    // The cut as typed: four decimals.
    std::string typedText = ValueText(cut);
    std::replace(typedText.begin(), typedText.end(), ',', '.');
    double typed = 0.0;
    std::from_chars(typedText.data(), typedText.data() + typedText.size(), typed);
    bet.Filter([&](const CColumn& column) { return valueOf(column) >= typed; });
    EXPECT_EQ(filtered.out, Text(bet));
    EXPECT_GT(bet.Count(), 0);

    words = {"filter", Path("apuesta.txt"), "--value-above", "0,12345"};
    words.insert(words.end(), round.begin(), round.end());
    const CliRun refused = Cli(words);
    EXPECT_EQ(refused.status, kExitError);
    EXPECT_NE(refused.err.find("hasta cuatro decimales"), std::string::npos) << refused.err;
}

TEST_F(CommandsTest, StatsGivesTheSharesOfTheWholeBet) {
    const auto small =
        SetOf({ColumnOf("11111111111111"), ColumnOf("X1111111111111"), ColumnOf("21111111111112")});
    ASSERT_TRUE(WriteBet(Path("tres.txt"), *small).Saved());
    const CliRun stats = CliAsIs({"stats", Path("tres.txt")});
    EXPECT_NE(stats.out.find("Partido  1:  1  33,3 %  X  33,3 %  2  33,3 %\n"), std::string::npos)
        << stats.out;
    EXPECT_NE(stats.out.find("Partido 14:  1  66,7 %  X   0,0 %  2  33,3 %\n"), std::string::npos);
}

// Given the public's file, stats adds the bet's own value and chances, and
// expectation writes the window's table of the same round.
TEST_F(CommandsTest, StatsGivesTheBetsValueAndExpectationItsTable) {
    {
        std::ofstream publicFile(folder / "publico.txt");
        for (int match = 0; match < 14; ++match) {
            publicFile << "50 30 20\n";
        }
    }
    Round round;
    round.real = ProbabilitiesOfForecast(scoring.table);
    round.publicShares.fill({0.5, 0.3, 0.2});
    round.takings = 1'000'000.0;
    std::vector<std::int32_t> indices;
    for (const CColumn& column : bet) {
        indices.push_back(column.Index());
    }
    const BetValue value = ValueOfBet(round, indices);
    const CliRun stats = Cli(
        {"stats", Path("apuesta.txt"), "--public", Path("publico.txt"), "--takings", "1.000.000"});
    ASSERT_EQ(stats.status, kExitSuccess) << stats.err;
    const std::string cost = EurosText(CostOf(bet.Count(), 75).cents);
    EXPECT_NE(stats.out.find("Valor esperado: " + EurosText(std::llround(value.expected * 100)) +
                             " por " + cost + " jugados ("),
              std::string::npos)
        << stats.out;
    EXPECT_NE(stats.out.find("Probabilidad de alguna columna con 12 aciertos: " +
                             ChanceText(value.categoryChances[2]) + "\n"),
              std::string::npos);

    const std::string table = Path("esperanza.txt");
    const CliRun written = Cli({"expectation", "--public", Path("publico.txt"), "-o", table});
    ASSERT_EQ(written.status, kExitSuccess) << written.err;
    std::ifstream in(table);
    EXPECT_EQ(LoadExpectation(in).rows, ExpectationTableOf(round.real, round.publicShares).rows);
    const CliRun refused =
        CliAsIs({"expectation", "--public", Path("publico.txt"), "-o", folder.string()});
    EXPECT_EQ(refused.status, kExitError);
    EXPECT_NE(refused.err.find("es una carpeta"), std::string::npos) << refused.err;
}

// 230.069 columns at 0,75 € each, on tickets of 8; with a Pleno al 15 and
// prizes, the special category and the money won and spent.
TEST_F(CommandsTest, StatsAndScrutinyGiveTheMoney) {
    CColumnSet many(230'069);
    for (std::int32_t index = 0; index < 230'069; ++index) {
        many.AppendNoGrow(CColumn(index));
    }
    ASSERT_TRUE(WriteBet(Path("muchas.txt"), many).Saved());
    const CliRun stats = CliAsIs({"stats", Path("muchas.txt")});
    EXPECT_TRUE(
        stats.out.starts_with("230.069 columnas\nCoste: 172.551,75 € (0,75 € la columna)\n"
                              "Boletos de 8 columnas: 28.759\n"))
        << stats.out;
    EXPECT_NE(CliAsIs({"stats", Path("muchas.txt"), "--price", "1,5"}).out.find("345.103,50 €"),
              std::string::npos);

    const std::string first = SignsOf(many[0]);
    const CliRun won = CliAsIs({"scrutiny", Path("muchas.txt"), "--result", first, "--pleno",
                                "1-M,1 m", "--prizes", "1.000:500.000,00:0:0:0:0"});
    EXPECT_EQ(won.status, kExitSuccess) << won.err;
    EXPECT_TRUE(won.out.starts_with("Especial (14 y Pleno al 15): 1\n14 aciertos: 1\n")) << won.out;
    EXPECT_NE(won.out.find("Premios: 501.000,00 €\nCoste: 172.551,75 €"), std::string::npos);
    EXPECT_NE(won.out.find("Balance: 328.448,25 €\n"), std::string::npos) << won.out;
    const CliRun missed = CliAsIs({"scrutiny", Path("muchas.txt"), "--result", first, "--pleno",
                                   "1-M,0-0", "--prizes", "1000:500000:0:0:0:0", "--price", "0"});
    EXPECT_NE(missed.out.find("Especial (14 y Pleno al 15): 0\n"), std::string::npos);
    EXPECT_NE(missed.out.find("Balance: 500.000,00 €\n"), std::string::npos) << missed.out;
}

TEST_F(CommandsTest, BadInputSaysWhatAndWhereAndLeavesTheOutputAlone) {
    std::ofstream(Path("roto.txt")) << "5\r\n1X21X21X21X21X\r\n";
    std::ofstream(Path("salida.txt")) << "anterior";
    const struct {
        std::vector<std::string> words;
        std::string_view message;
    } cases[] = {
        {{"sort", Path("falta.txt"), "-o", Path("salida.txt")}, "el archivo no existe"},
        {{"reduce", Path("roto.txt"), "--distance", "1", "-o", Path("salida.txt")},
         "anuncia 5 columnas en la línea 1, pero termina en la línea 2"},
        {{"scrutiny", Path("apuesta.txt"), "--result", "1X21X21X21X21"},
         "tiene 13 signos en vez de 14"},
        {{"scrutiny", Path("apuesta.txt"), "--result", "1X21X21X21X21A"},
         "lleva un signo, «A», que no es 1, X ni 2"},
        {{"reduce", Path("apuesta.txt"), "--guarantee", "15", "-o", Path("salida.txt")},
         "--guarantee debe estar entre 10 y 14; es 15"},
        {{"reduce", Path("apuesta.txt"), "--distance", "1", "--guarantee", "13"}, "una de las dos"},
        {{"filter", Path("apuesta.txt"), "--above", "6O"}, "no es un número entero: «6O»"},
        {{"filter", Path("apuesta.txt"), "--twos", "5:2"}, "el mínimo es mayor que el máximo"},
        {{"filter", Path("apuesta.txt"), "--bogus"}, "Opción desconocida: «--bogus»"},
        {{"check", Path("apuesta.txt"), "--guarantee", "12"}, "necesita 2 apuestas"},
        {{"juega"}, "Orden desconocida"},
        {{"generate", "--forecast", Path("nada.txt")}, "No se ha podido leer el pronóstico"},
        {{"stats", Path("apuesta.txt"), "--price", "1,505"},
         "«1,505». Escriba el importe en euros, por ejemplo 0,75 o 2.500,00."},
        {{"scrutiny", Path("apuesta.txt"), "--result", "1X21X21X21X21X", "--pleno", "2-3,1-1"},
         "--pleno debe ser"},
        {{"scrutiny", Path("apuesta.txt"), "--result", "1X21X21X21X21X", "--prizes", "1:2:3:4:5"},
         "seis premios"},
        {{"scrutiny", Path("apuesta.txt"), "--result", "1X21X21X21X21X", "--price", "1"},
         "--price solo vale con --prizes"},
        {{"scrutiny", Path("apuesta.txt"), "--results", Path("r.txt"), "--pleno", "1-1,1-1"},
         "--pleno solo vale con --result"},
    };
    for (const auto& c : cases) {
        const CliRun run = CliAsIs(c.words);
        EXPECT_EQ(run.status, kExitError) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << c.message;
    }
    std::ifstream kept(Path("salida.txt"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "anterior");
}

// Every command has its help, and the program's help lists each one on its
// own line, its name set apart from what it does; every help fits a
// terminal of 80 characters.
TEST_F(CommandsTest, EveryCommandHasItsHelp) {
    const auto expectFitting = [](const std::string& help) {
        std::istringstream lines(help);
        for (std::string line; std::getline(lines, line);) {
            // Characters, not bytes: the accents take two.
            EXPECT_LE(std::ranges::count_if(line, [](char c) { return (c & 0xC0) != 0x80; }), 80)
                << line;
        }
    };
    const CliRun program = CliAsIs({"--help"});
    EXPECT_EQ(program.status, kExitSuccess);
    expectFitting(program.out);
    for (const std::string command : {"generate", "filter", "sort", "reduce", "check", "scrutiny",
                                      "stats", "show", "expectation"}) {
        const CliRun help = CliAsIs({command, "--help"});
        EXPECT_EQ(help.status, kExitSuccess);
        EXPECT_TRUE(help.out.starts_with("Uso: lumo-cli " + command)) << help.out;
        EXPECT_NE(program.out.find("\n  " + command + "  "), std::string::npos) << command;
        expectFitting(help.out);
    }
    EXPECT_EQ(CliAsIs({}).status, kExitError);
}

// Each message goes to standard error in one write, so that the lines of two
// programs in a pipeline never mix on the terminal they share.
TEST_F(CommandsTest, EachMessageIsOneWrite) {
    struct Writes : std::streambuf {
        std::streamsize xsputn(const char* text, std::streamsize size) override {
            each.emplace_back(text, static_cast<std::size_t>(size));
            return size;
        }
        int_type overflow(int_type c) override {
            each.emplace_back(1, traits_type::to_char_type(c));
            return c;
        }
        std::vector<std::string> each;
    };
    const std::vector<std::string> runs[] = {
        {"reduce", Path("apuesta.txt"), "--guarantee", "12", "-o", Path("r.txt"), "--forecast",
         Path("pronostico.txt")},
        {"check", Path("apuesta.txt"), Path("r.txt"), "--guarantee", "13"},
        {"sort", Path("falta.txt"), "--forecast", Path("pronostico.txt")},
    };
    for (const std::vector<std::string>& words : runs) {
        Writes writes;
        std::ostream err(&writes);
        std::istringstream in;
        std::ostringstream out;
        RunLumoCli(words, {in, out, err, ProgressDisplay::kOff, StandardOutput::kFileOrPipe});
        ASSERT_FALSE(writes.each.empty()) << words[0];
        for (const std::string& write : writes.each) {
            EXPECT_TRUE(write.ends_with('\n') && write.find('\n') == write.size() - 1) << write;
        }
    }
}

// Whether `word` stands in `text` as a whole word.
bool HasWord(std::string_view text, std::string_view word) {
    const auto inWord = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || !inWord(text[at - 1])) && (end == text.size() || !inWord(text[end]))) {
            return true;
        }
    }
    return false;
}

// The program's help names, for each option several commands take, exactly
// the commands that take it: "stats --forecast" is refused, and so the help
// does not call --forecast common to all.
TEST_F(CommandsTest, TheHelpNamesTheCommandsTakingEachSharedOption) {
    const std::string help = CliAsIs({"--help"}).out;
    for (const std::string_view option : {"--forecast", "-o", "--lenient"}) {
        const std::size_t from = help.find("\n  " + std::string(option) + " ");
        ASSERT_NE(from, std::string::npos) << option;
        const std::string entry = help.substr(from, help.find("\n  -", from + 1) - from);
        for (const Command* command : AllCommands()) {
            const bool takes = std::ranges::any_of(
                command->options, [option](const OptionRule& rule) { return rule.name == option; });
            const bool named = HasWord(entry, command->name);
            EXPECT_EQ(takes, named) << option << " " << command->name;
        }
    }
}

// The save has happened, but a folder that could not be flushed to the disk
// may give the old file back after a crash: the user hears of it.
TEST_F(CommandsTest, AFolderNotFlushedIsAnError) {
    SetSaveHook([](SaveCall call) { return call == SaveCall::kSyncFolder ? EIO : 0; });
    const CliRun sorted = Cli({"sort", Path("apuesta.txt"), "-o", Path("r.txt")});
    SetSaveHook({});
    EXPECT_EQ(sorted.status, kExitError);
    EXPECT_NE(sorted.err.find("se ha grabado en «" + Path("r.txt") +
                              "», pero no se ha podido "
                              "asegurar en el disco"),
              std::string::npos)
        << sorted.err;
    CColumnSet saved;
    EXPECT_EQ(ReadBet(fs::path(Path("r.txt")), saved).end, BetReadEnd::kComplete);
    EXPECT_EQ(saved.Count(), bet.Count());
}

TEST_F(CommandsTest, ABetGoesToATerminalOnlyWhenAskedFor) {
    const auto onTerminal = [](const std::vector<std::string>& words) {
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        const int status =
            RunLumoCli(words, {in, out, err, ProgressDisplay::kOff, StandardOutput::kTerminal});
        return CliRun{status, out.str(), err.str()};
    };
    const CliRun refused = onTerminal({"sort", Path("apuesta.txt")});
    EXPECT_EQ(refused.status, kExitError);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_NE(refused.err.find("no se escribe en la terminal"), std::string::npos) << refused.err;
    const CliRun asked = onTerminal({"sort", Path("apuesta.txt"), "-o", "-"});
    EXPECT_EQ(asked.status, kExitSuccess) << asked.err;
    EXPECT_TRUE(asked.out.starts_with("2000\r\n")) << asked.out.substr(0, 20);
    EXPECT_EQ(onTerminal({"stats", Path("apuesta.txt")}).status, kExitSuccess);
}

// The score of 1X21X21X21X21X with this forecast, by hand: its percentages
// add up to 454, the least likely column's to 249 and the likeliest's to
// 743, and (454 - 249) * 100 / (743 - 249) = 41.49... is cut to 41.
TEST_F(CommandsTest, ShowWritesTheColumnsWithTheirScores) {
    std::ofstream(Path("una.txt")) << "2\n1X21X21X21X21X\n" << SignsOf(bet[0]) << "\n";
    const CliRun shown = Cli({"show", Path("una.txt"), "--scores"});
    EXPECT_EQ(shown.status, kExitSuccess) << shown.err;
    std::ostringstream score;
    score << std::setw(5) << bet[0].score;
    EXPECT_EQ(shown.out, "1X21X21X21X21X   41\n" + SignsOf(bet[0]) + score.str() + "\n");
    EXPECT_EQ(CliAsIs({"show", Path("una.txt")}).out, "1X21X21X21X21X\n" + SignsOf(bet[0]) + "\n");
}

TEST_F(CommandsTest, SaysWhichForecastScoredTheColumns) {
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    EXPECT_NE(CliAsIs({"sort", "apuesta.txt"}).err.find("Pronóstico: «pronostico.txt»."),
              std::string::npos);
    fs::remove("pronostico.txt");
    EXPECT_NE(CliAsIs({"sort", "apuesta.txt"}).err.find("la tabla construida"), std::string::npos);
    fs::current_path(before);
}

}  // namespace

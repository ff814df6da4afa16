// lumo-cli filter --conditions, end to end: the file applied after the
// score cut, the table of --explain, and a damaged file that filters nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <random>
#include <sstream>

#include "betfile/bet_writer.h"
#include "cli/dispatch.h"
#include "cli/exit_status.h"
#include "core/column_predicates.h"
#include "forecast/forecast_file.h"
#include "tests/core/test_support.h"
#include "text/spanish_numbers.h"

using namespace lumo;

namespace fs = std::filesystem;

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class ConditionsOptionTest : public testing::Test {
  protected:
    ConditionsOptionTest() {
        fs::remove_all(folder);
        fs::create_directory(folder);
        std::ofstream(folder / "pronostico.txt")
            << "55 27 18\n48 30 22\n62 24 14\n40 30 30\n35 32 33\n50 30 20\n41 31 28\n"
               "70 20 10\n30 33 37\n45 30 25\n38 34 28\n58 26 16\n20 40 40\n44 30 26\n";
        std::mt19937 engine(4);
        for (int i = 0; i < 3'000; ++i) {
            columns.push_back(RandomColumn(engine));
        }
        std::ostringstream text;
        WriteBet(text, *SetOf(columns));
        std::ofstream(folder / "apuesta.txt") << text.str();
        scoring = ScoringOf(LoadForecast(Path("pronostico.txt"), std::cerr).table);
    }
    ~ConditionsOptionTest() override { fs::remove_all(folder); }

    std::string Path(std::string_view name) const { return (folder / name).string(); }

    CliRun Filter(const std::string& conditions, std::vector<std::string> options = {}) const {
        std::ofstream(folder / "condiciones.txt") << conditions;
        std::vector<std::string> words{"filter",       Path("apuesta.txt"),
                                       "--conditions", Path("condiciones.txt"),
                                       "--forecast",   Path("pronostico.txt")};
        words.insert(words.end(), options.begin(), options.end());
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        const int status =
            RunLumoCli(words, {in, out, err, ProgressDisplay::kOff, StandardOutput::kFileOrPipe});
        return {status, out.str(), err.str()};
    }

    const fs::path folder =
        fs::temp_directory_path() / ("lumo-cli-conditions-" + std::to_string(::getpid()));
    std::vector<CColumn> columns;
    Scoring scoring;
};

std::int32_t Count(const CColumn& column, std::uint8_t code, std::size_t from = 0) {
    return static_cast<std::int32_t>(std::count(
        column.results.begin() + static_cast<std::ptrdiff_t>(from), column.results.end(), code));
}

TEST_F(ConditionsOptionTest, AppliesTheFileAfterTheCutsAndExplainsIt) {
    const CliRun run = Filter(
        "# dos condiciones, una que se cumple siempre\n"
        "unos 4-8\n"
        "grupo 11-14 X 0-1   # X al final\n"
        "! doses 2-6\n"
        "fallos 1\n",
        {"--above", "30", "--explain"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    std::vector<CColumn> kept;
    std::int32_t aboveCut = 0;
    std::array<std::int32_t, 3> breaking{};
    std::int32_t keptBreaking = 0;
    for (const CColumn& column : columns) {
        if (column.ComputeScore(scoring) <= 30) {
            continue;
        }
        ++aboveCut;
        const std::array<bool, 3> broke{Count(column, 0) < 4 || Count(column, 0) > 8,
                                        Count(column, 1, 10) > 1,
                                        Count(column, 2) < 2 || Count(column, 2) > 6};
        for (std::size_t c = 0; c < broke.size(); ++c) {
            breaking[c] += broke[c] ? 1 : 0;
        }
        if (!(broke[0] && broke[1]) && !broke[2]) {
            kept.push_back(column);
            keptBreaking += broke[0] || broke[1] ? 1 : 0;
        }
    }
    ASSERT_GT(keptBreaking, 0);
    ASSERT_LT(kept.size(), static_cast<std::size_t>(aboveCut) - 100);
    std::ostringstream expected;
    WriteBet(expected, *SetOf(kept));
    EXPECT_EQ(run.out, expected.str());
    // The condition as written, padded to the longest, and the count aligned.
    std::ostringstream table;
    table << "De " << GroupedNumber(aboveCut) << " columnas, con 1 fallo permitido:\n"
          << "  Línea  Condición          La incumplen\n";
    const std::array<const char*, 3> written{"unos 4-8", "grupo 11-14 X 0-1", "! doses 2-6"};
    for (std::size_t c = 0; c < written.size(); ++c) {
        table << "      " << c + 2 << "  " << std::left << std::setw(17) << written[c] << "  "
              << std::right << std::setw(12) << GroupedNumber(breaking[c]) << "\n";
    }
    table << "Las condiciones quitan "
          << GroupedNumber(aboveCut - static_cast<std::int32_t>(kept.size()))
          << " columnas y dejan " << GroupedNumber(keptBreaking)
          << " columnas que incumplen alguna dentro de los fallos permitidos.\n";
    EXPECT_NE(run.err.find(table.str()), std::string::npos) << run.err;
}

TEST_F(ConditionsOptionTest, ADamagedFileOrAMissingInputFiltersNothing) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"unos 4-8\nracha 3 1-2\n",
         "Condiciones «" + Path("condiciones.txt") + "», línea 2: «3» no son signos"},
        {"# valor\n\nvalor 0,1-2\n",
         "La condición «valor» de la línea 3 de las condiciones "
         "necesita el valor esperado de cada columna: dé --public"},
    };
    for (const auto& [text, message] : cases) {
        const CliRun run = Filter(text);
        EXPECT_EQ(run.status, kExitError);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
}

}  // namespace

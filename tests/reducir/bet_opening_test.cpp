// Opening a bet in Lumo Reducir without its window: the strict reading, the
// forecast that scores it, and what is said of that forecast.
#include "reducir/bet_opening.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "reducir/bet_scores.h"

using namespace lumo;

namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;

// Two columns, not a product.
constexpr const char* kTwoColumns = "2\r\n11111111111111\r\nX1111111111112\r\n";

// 14 rows giving result 1 `home` percent and the rest to X and 2.
std::string ForecastText(int home) {
    std::string text;
    for (int row = 0; row < 14; ++row) {
        const int draw = (100 - home) / 2;
        text += std::to_string(home) + " " + std::to_string(draw) + " " +
                std::to_string(100 - home - draw) + "\n";
    }
    return text;
}

// A fresh folder of files for each test, removed with them.
class BetFolderTest : public ::testing::Test {
  protected:
    BetFolderTest() { std::filesystem::create_directories(folder); }
    ~BetFolderTest() override { std::filesystem::remove_all(folder); }

    std::filesystem::path Write(const std::string& name, const std::string& text) const {
        const std::filesystem::path path = folder / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("lumo-reducir-" + std::to_string(::getpid()));
};

struct DamagedBet {
    const char* name;
    const char* text;
    const char* line;
};

class DamagedBetTest : public BetFolderTest, public ::testing::WithParamInterface<DamagedBet> {};

TEST_P(DamagedBetTest, IsRefusedNamingTheFileAndTheLine) {
    const BetOpening opening = OpenBet(Write("rota.txt", GetParam().text));
    EXPECT_EQ(opening.bet, nullptr);
    EXPECT_THAT(opening.message, AllOf(HasSubstr("«rota.txt»"), HasSubstr(GetParam().line)));
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedBetTest,
    ::testing::Values(DamagedBet{"NotAColumn", "2\r\n11111111111111\r\n1111111111111Q\r\n",
                                 "línea 3"},
                      DamagedBet{"TooFew", "3\r\n11111111111111\r\n", "línea 2"},
                      DamagedBet{"NoCount", "columnas\r\n", "línea 1"}),
    [](const ::testing::TestParamInfo<DamagedBet>& info) { return std::string(info.param.name); });

using BetScoresTest = BetFolderTest;

TEST_F(BetScoresTest, WithNoForecastBesideTheBetTheBuiltTableScores) {
    const std::filesystem::path bet = Write("apuesta.txt", kTwoColumns);
    const BetOpening opening = OpenBet(bet);
    ASSERT_NE(opening.bet, nullptr);
    EXPECT_EQ(opening.message, "");
    EXPECT_EQ(ScoreSourceText(opening.bet->scores, bet), "tabla construida");
}

// A forecast beside the bet that cannot be examined, or is damaged, does not
// keep the bet closed: it opens with the built table and a warning naming
// the forecast.
TEST_F(BetScoresTest, AForecastBesideTheBetThatCannotBeUsedIsNamedAndSetAside) {
    const std::int32_t builtScore =
        (*OpenBet(Write("apuesta.txt", kTwoColumns)).bet->columns)[0].score;
    for (const bool loop : {true, false}) {
        std::error_code ignored;
        std::filesystem::remove(folder / "pronostico.txt", ignored);
        if (loop) {
            std::filesystem::create_symlink("pronostico.txt", folder / "pronostico.txt");
        } else {
            Write("pronostico.txt", "50 30 20\n");
        }
        const std::filesystem::path bet = Write("apuesta.txt", kTwoColumns);
        const BetOpening opening = OpenBet(bet);
        ASSERT_NE(opening.bet, nullptr) << loop;
        EXPECT_EQ(opening.message, "");
        EXPECT_THAT(opening.warning, HasSubstr("«pronostico.txt»"));
        EXPECT_EQ(ScoreSourceText(opening.bet->scores, bet), "tabla construida");
        EXPECT_EQ((*opening.bet->columns)[0].score, builtScore);
    }
}

TEST_F(BetScoresTest, TheForecastBesideTheBetScoresUntilAnotherIsChosen) {
    Write("pronostico.txt", ForecastText(70));
    const std::filesystem::path bet = Write("apuesta.txt", kTwoColumns);
    const BetOpening opening = OpenBet(bet);
    ASSERT_NE(opening.bet, nullptr);
    EXPECT_EQ(ScoreSourceText(opening.bet->scores, bet),
              "pronostico.txt de la carpeta de la apuesta");
    CColumnSet& columns = *opening.bet->columns;
    const std::int32_t besideScore = columns[0].score;

    const ScoreSource other{Write("otro.txt", ForecastText(20))};
    EXPECT_EQ(ScoreBet(columns, other), "");
    EXPECT_EQ(ScoreSourceText(other, bet), "«otro.txt»");
    const std::int32_t otherScore = columns[0].score;
    EXPECT_NE(otherScore, besideScore);

    // A damaged forecast names its line and keeps the scores.
    EXPECT_THAT(ScoreBet(columns, {Write("roto.txt", "50 30 20\n50 30\n")}),
                AllOf(HasSubstr("«roto.txt»"), HasSubstr("2")));
    EXPECT_EQ(columns[0].score, otherScore);
}

}  // namespace

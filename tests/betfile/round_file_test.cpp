#include "betfile/round_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

#include "tests/core/endless_text.h"
#include "tests/core/test_support.h"

using namespace lumo;

namespace {

TEST(RoundFileTest, ReadsNamesAndResultsSkippingBlankAndCommentLines) {
    std::istringstream in("# temporada\nJornada 3  1x21X21X21X21X\r\n\n  J4 22222222222222\n");
    const RoundFileReading reading = ReadRoundFile(in);
    EXPECT_EQ(reading.problem, RoundFileProblem::kNone);
    ASSERT_EQ(reading.rounds.size(), 2U);
    EXPECT_EQ(reading.rounds[0].name, "Jornada 3");
    EXPECT_EQ(SignsOf(reading.rounds[0].result), "1X21X21X21X21X");
    EXPECT_EQ(reading.rounds[1].name, "J4");
}

TEST(RoundFileTest, StopsAtTheFirstLineItCannotUseAndNamesIt) {
    const std::tuple<std::string_view, RoundFileProblem, std::string_view> cases[] = {
        {"J1 11111111111111\nJ2 1111\n", RoundFileProblem::kBadSigns,
         "«r.txt», línea 2: el resultado «1111» tiene 4 signos en vez de 14."},
        {"J1 11111111111111\n\nJ2\n", RoundFileProblem::kMissingSigns,
         "«r.txt», línea 3: se esperaba el nombre de la jornada y su resultado de 14 signos."},
        {"J1 1111111111111A\n", RoundFileProblem::kBadSigns,
         "«r.txt», línea 1: el resultado «1111111111111A» lleva un signo, «A», que no es 1, X "
         "ni 2."},
    };
    for (const auto& [text, problem, message] : cases) {
        std::istringstream in{std::string(text)};
        const RoundFileReading reading = ReadRoundFile(in);
        EXPECT_EQ(reading.problem, problem) << text;
        EXPECT_EQ(RoundFileMessage("r.txt", reading), message);
    }
}

// A buffer that gives one line and then fails as a disk that cannot be read.
class FailingAfterOneLine : public std::streambuf {
  public:
    FailingAfterOneLine() { setg(text.data(), text.data(), text.data() + text.size()); }

  protected:
    int_type underflow() override { throw std::ios_base::failure("read error"); }

  private:
    std::string text = "J1 11111111111111\n";
};

TEST(RoundFileTest, AReadErrorIsNotTheEndOfTheFile) {
    FailingAfterOneLine buffer;
    std::istream in(&buffer);
    const RoundFileReading reading = ReadRoundFile(in);
    EXPECT_EQ(reading.problem, RoundFileProblem::kUnreadable);
    EXPECT_EQ(reading.rounds.size(), 1U);
    EXPECT_EQ(ReadRoundFile(std::filesystem::path("/nonexistent/r.txt")).problem,
              RoundFileProblem::kUnreadable);
}

// An endless line, an endless word or endless blank lines are refused after
// a bounded read.
TEST(RoundFileTest, AnEndlessLineOrWordIsRefusedAfterABoundedRead) {
    const std::tuple<std::string, char, RoundFileProblem, std::string_view> cases[] = {
        {"J1 11111111111111\n", '\0', RoundFileProblem::kLineTooLong,
         "«r.txt», línea 2: la línea es demasiado larga: pasa de 1.024 bytes."},
        {"", ' ', RoundFileProblem::kLineTooLong,
         "«r.txt», línea 1: la línea es demasiado larga: pasa de 1.024 bytes."},
        {"J1 11111111111111\nJ2 " + std::string(200, 'a') + " 11111111111111\n", ' ',
         RoundFileProblem::kWordTooLong,
         "«r.txt», línea 2: la palabra «aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa…» es demasiado "
         "larga: pasa de 128 bytes."},
        {"J1 11111111111111\n", '\n', RoundFileProblem::kTooManyLines,
         "«r.txt», línea 100.001: el archivo pasa de 100.000 líneas."},
    };
    for (const auto& [start, repeated, problem, message] : cases) {
        EndlessText endless(start, repeated);
        std::istream in(&endless);
        const RoundFileReading reading = ReadRoundFile(in);
        EXPECT_EQ(reading.problem, problem) << message;
        EXPECT_EQ(reading.rounds.size(), 1U - start.empty()) << message;
        EXPECT_EQ(RoundFileMessage("r.txt", reading), message);
        EXPECT_LE(endless.Given(), 2U * 1024 * 1024) << message;
    }
}

}  // namespace

#include "conditions/condition_reader.h"

#include <gtest/gtest.h>

#include <sstream>

#include "conditions/condition_writer.h"

using namespace lumo;

namespace {

ConditionFileRead Read(const std::string& text) {
    std::istringstream in(text);
    return ReadConditions(in);
}

TEST(ConditionReaderTest, KeepsEveryLineAndReadsTheConditions) {
    const ConditionFileRead read = Read(
        "\xEF\xBB\xBF# mis condiciones\n"
        "\n"
        "grupo 1-4,7,9 X2 1-3   # X o 2\r\n"
        "  !racha x 0-2\n"
        "probabilidad 0,001-99.5\n"
        "fallos 2");
    ASSERT_TRUE(read.Ok()) << ConditionErrorText(read);
    const ConditionFile& file = read.file;
    EXPECT_TRUE(file.byteOrderMark);
    EXPECT_EQ(file.lines,
              (std::vector<std::string>{"# mis condiciones", "", "grupo 1-4,7,9 X2 1-3   # X o 2",
                                        "  !racha x 0-2", "probabilidad 0,001-99.5", "fallos 2"}));
    ASSERT_EQ(file.conditions.size(), 3U);
    const ColumnCondition& group = file.conditions[0];
    EXPECT_EQ(group.masks, (std::array<std::uint16_t, 3>{0, 0b1'0100'1111, 0b1'0100'1111}));
    EXPECT_EQ(file.ConditionText(group), "grupo 1-4,7,9 X2 1-3");
    const ColumnCondition& run = file.conditions[1];
    EXPECT_EQ(run.kind, ConditionKind::kLongestRun);
    EXPECT_EQ(run.strictness, Strictness::kAlways);
    EXPECT_EQ(run.masks, (std::array<std::uint16_t, 3>{0, 0x3FFF, 0}));
    EXPECT_EQ(run.line, 4);
    // The decimal comma and point read alike whatever the locale (this test
    // runs again under the Spanish one).
    EXPECT_DOUBLE_EQ(file.conditions[2].minimum, 0.001);
    EXPECT_DOUBLE_EQ(file.conditions[2].maximum, 99.5);
    EXPECT_EQ(file.failures, 2);
    EXPECT_EQ(file.failuresLine, 6);
}

TEST(ConditionReaderTest, WritesALoadedFileBackUnchanged) {
    for (const std::string text :
         {"\xEF\xBB\xBF# con marca\r\nunos 5-9\r\n\r\n  fallos 1   # uno\n", "! doses 0-4",
          "racha 1-4\n\n\n# fin sin salto"}) {
        const ConditionFileRead read = Read(text);
        ASSERT_TRUE(read.Ok()) << ConditionErrorText(read);
        std::ostringstream written;
        WriteConditions(written, read.file);
        EXPECT_EQ(written.str(), text);
    }
}

struct DamagedCase {
    std::string text;
    std::int64_t line;
    std::string fragment;
};

TEST(ConditionReaderTest, ADamagedLineIsNamedAndNothingIsRead) {
    std::vector<DamagedCase> cases{
        {"unos 5-9\nfoo 1-2\n", 2, "no se conoce la condición «foo»"},
        {"unos 9-5", 1, "el mínimo 9 es mayor que el máximo 5"},
        {"doses 5-15", 1, "el máximo 15 pasa del mayor posible, 14"},
        {"interrupciones 0-14", 1, "el máximo 14 pasa del mayor posible, 13"},
        {"equis 5:9", 1, "«5:9» no es un intervalo MÍNIMO-MÁXIMO"},
        {"variantes 1,5-3", 1, "«1,5-3» no es un intervalo de enteros"},
        {"unos", 1, "unos se escribe MÍNIMO-MÁXIMO"},
        {"unos 1-2 3", 1, "sobra «3»"},
        {"# nada\ngrupo 0-4 X 1-2", 2, "«0-4» no es una lista de partidos"},
        {"grupo 1-4,15 X 1-2", 1, "«1-4,15» no es una lista de partidos"},
        {"grupo 4-1 X 0-1", 1, "«4-1» no es una lista de partidos"},
        {"grupo 1-4,,5 X 0-1", 1, "«1-4,,5» no es una lista de partidos"},
        {"grupo 1-4,3 X 1-2", 1, "el partido 3 se repite en «1-4,3»"},
        {"grupo 1-4 Y 1-2", 1, "«Y» no son signos"},
        {"grupo 1-4 X1X 1-2", 1, "el signo X se repite"},
        {"grupo 1-4 X 1-5", 1, "el máximo 5 pasa del mayor posible, 4"},
        {"grupo 1-4 X", 1, "grupo se escribe PARTIDOS SIGNOS MÍNIMO-MÁXIMO"},
        {"racha XX 1-2", 1, "racha lleva un solo signo, no «XX»"},
        {"racha X 1-2 3", 1, "sobra «3»"},
        {"base 1X1121X21X1X2 9-12", 1, "«1X1121X21X1X2» no es una columna de 14 signos"},
        {"base 1X1121X21X1XA1 9-12", 1, "no es una columna de 14 signos"},
        {"puntuacion 40-101", 1, "el máximo 101 pasa"},
        {"probabilidad 0,5,1-2", 1, "no es un intervalo MÍNIMO-MÁXIMO de números"},
        {"probabilidad 1-100,5", 1, "el máximo 100,5 pasa"},
        {"valor 0,1-", 1, "no es un intervalo MÍNIMO-MÁXIMO de números"},
        {"fallos 2\nunos 1-2\nfallos 3", 3, "fallos ya se dio en la línea 1"},
        {"fallos 100", 1, "fallos se escribe con un número entero de 0 a 99"},
        {"fallos 1,5", 1, "fallos se escribe con un número entero"},
        {"fallos -1", 1, "fallos se escribe con un número entero"},
        {"! fallos 2", 1, "«!» va delante de una condición, no de fallos"},
        {"unos 1-2\n!  # nada", 2, "falta la condición tras «!»"},
        {"unos 1-2\n" + std::string(1100, 'a'), 2, "la línea pasa de 1.024 bytes"},
    };
    std::string hundred;
    for (int i = 0; i < 100; ++i) {
        hundred += "unos 0-14\n";
    }
    cases.push_back(
        {hundred + "# una de más\n! doses 0-14\n", 102, "el archivo pasa de 100 condiciones"});
    for (const DamagedCase& test : cases) {
        const ConditionFileRead read = Read(test.text);
        EXPECT_EQ(read.line, test.line) << test.text;
        EXPECT_NE(read.error.find(test.fragment), std::string::npos)
            << test.text << " gave: " << read.error;
        EXPECT_TRUE(read.file.conditions.empty() && read.file.lines.empty()) << test.text;
    }
    EXPECT_EQ(ConditionErrorText(Read("unos 9-5")),
              "línea 1: el mínimo 9 es mayor que el máximo 5");
}

}  // namespace

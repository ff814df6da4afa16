// The real lumo-cli, run by the shell as a player runs it, on every kind of
// damaged input a player's files have: each row a file's text, the command,
// the exit status and the key words of the message.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kForecast =
    "55 27 18\n48 30 22\n62 24 14\n100 0 0\n35 32 33\n50 50 0\n41 31 28\n"
    "70 20 10\n30 33 37\n45 30 25\n38 34 28\n58 26 16\n0 40 60\n44 30 26\n";
constexpr std::string_view kBet = "2\r\n1X21X21X21X21X\r\n11111111111111\r\n";
constexpr std::string_view kBom = "\xEF\xBB\xBF";

struct ShellRun {
    int status;
    std::string output;  // standard output and error, one after the other
};

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string Repeat(std::string_view line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += line;
    }
    return text;
}

// Each test in a fresh folder holding a good bet ("apuesta.txt").
class DamagedInputsTest : public testing::Test {
  protected:
    DamagedInputsTest() {
        fs::remove_all(folder);
        fs::create_directory(folder);
        Write("apuesta.txt", kBet);
    }
    ~DamagedInputsTest() override { fs::remove_all(folder); }

    void Write(const std::string& name, std::string_view text) const {
        std::ofstream(folder / name, std::ios::binary) << text;
    }

    // Runs the shell command in the folder, "{cli}" standing for the program.
    ShellRun Shell(std::string command) const {
        for (std::size_t at = command.find("{cli}"); at != std::string::npos;
             at = command.find("{cli}")) {
            command.replace(at, 5, LUMO_CLI_PATH);
        }
        const std::string line =
            "cd '" + folder.string() + "' && { " + command + " ; } >out.txt 2>err.txt";
        const int status = std::system(line.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                Slurp(folder / "out.txt") + Slurp(folder / "err.txt")};
    }

    const fs::path folder =
        fs::temp_directory_path() / ("lumo-damaged-" + std::to_string(::getpid()));
};

struct Case {
    std::string_view name;
    std::string text;  // written to "entrada.txt"
    std::string command;
    int status;
    std::vector<std::string_view> words;
};

// The case's exit status, and each of its words in what the program said.
void ExpectStatusAndWords(const ShellRun& run, const Case& c) {
    EXPECT_EQ(run.status, c.status) << c.name << "\n" << run.output;
    for (const std::string_view word : c.words) {
        EXPECT_NE(run.output.find(word), std::string::npos)
            << c.name << ": «" << word << "» missing from\n"
            << run.output;
    }
}

// A bet whose text, and whose show, outgrow any output buffer.
std::string LongBet() {
    return "5000\n" + Repeat("1X21X21X21X21X\n", 5000);
}

bool HoldsTemporaryFile(const fs::path& folder) {
    return std::ranges::any_of(fs::directory_iterator(folder), [](const fs::directory_entry& e) {
        return e.path().filename().string().starts_with(".lumo-");
    });
}

std::string Forecast(std::string_view firstRows) {
    return std::string(firstRows) + std::string(kForecast).substr(kForecast.find("62 24"));
}

TEST_F(DamagedInputsTest, EachInputGivesItsStatusAndSaysWhy) {
    const std::string generate = "{cli} generate --forecast entrada.txt -o salida.txt";
    const std::string stats = "{cli} stats entrada.txt";
    const std::string rounds = "{cli} scrutiny apuesta.txt --results entrada.txt";
    const std::vector<Case> cases{
        // Forecast files.
        {"decimals with a point", Repeat("54.6 26.0 19.4\n", 14), generate, 0, {"4.782.969"}},
        {"mark, percent signs, commas, CR LF",
         std::string(kBom) + Repeat("54,6% 26,0 % 19,4\r\n", 14),
         generate,
         0,
         {"«entrada.txt»"}},
        {"13 rows",
         std::string(kForecast).substr(0, kForecast.rfind("44 30")),
         generate,
         2,
         {"tiene 13 filas", "debe tener 14"}},
        {"15 rows",
         std::string(kForecast) + "40 33 27\n",
         generate,
         2,
         {"línea 15", "fila de más"}},
        {"a word",
         Forecast("55 27 18\n48 30 abc\n"),
         generate,
         2,
         {"línea 2", "«abc»", "porcentaje"}},
        {"negative", Forecast("-5 55 50\n48 30 22\n"), generate, 2, {"línea 1", "negativo"}},
        {"above 100", Forecast("101 0 0\n48 30 22\n"), generate, 2, {"mayor que 100"}},
        {"row of 99", Forecast("55 27 17\n48 30 22\n"), generate, 2, {"línea 1", "suman 99"}},
        {"decimals far from 100",
         Forecast("50.5 20 20\n48 30 22\n"),
         generate,
         2,
         {"suman 90,5", "98,5"}},
        {"two numbers", Forecast("55 45\n48 30 22\n"), generate, 2, {"2 números", "debe tener 3"}},
        {"empty forecast", "", generate, 2, {"ninguna fila"}},
        {"endless forecast",
         "",
         "{cli} show apuesta.txt --scores --forecast /dev/zero",
         2,
         {"línea 1", "«/dev/zero»", "demasiado larga"}},
        {"a folder", "", "{cli} generate --forecast . -o salida.txt", 2, {"No se ha podido leer"}},
        {"a read error",
         "",
         "{cli} generate --forecast /proc/self/mem -o salida.txt",
         2,
         {"No se ha podido leer", "/proc/self/mem"}},
        {"from standard input",
         std::string(kForecast),
         "{cli} generate --forecast - -o salida.txt <entrada.txt",
         0,
         {"«entrada estándar»"}},
        {"closed standard input",
         "",
         "{cli} generate --forecast - -o salida.txt <&-",
         2,
         {"No se ha podido leer", "entrada estándar"}},
        // Bet files.
        {"lowercase x", "1\n1x21x21x21x21x\n", stats, 0, {"1 columna\n"}},
        {"mark and LF", std::string(kBom) + "1\n1X21X21X21X21X\n", stats, 0, {"1 columna\n"}},
        {"a letter",
         "2\r\n1A21X21X21X21X\r\n11111111111111\r\n",
         stats,
         2,
         {"línea 2", "«1A21X21X21X21X»", "14 signos"}},
        {"15 signs",
         "2\r\n11111111111111\r\n1X21X21X21X21X1\r\n",
         stats,
         2,
         {"línea 3", "«1X21X21X21X21X1»"}},
        {"a count of 3.0",
         "3.0\n11111111111111\n11111111111111\n11111111111111\n",
         stats,
         2,
         {"línea 1", "número de columnas", "«3.0»"}},
        {"two files in one",
         "1\n11111111111111\n1\n22222222222222\n",
         stats,
         2,
         {"anuncia 1 columna", "la línea 3"}},
        {"too few columns",
         "3\n11111111111111\n",
         stats,
         2,
         {"anuncia 3 columnas", "termina en la línea 2", "1 columna"}},
        {"empty bet", "", stats, 2, {"línea 1", "número de columnas"}},
        {"an interrupted save", "#\r\n11111111111111\r\n", stats, 2, {"grabación interrumpida"}},
        {"too few, read leniently",
         "3\n11111111111111\n",
         "{cli} stats entrada.txt --lenient",
         0,
         {"Aviso", "1 columna leída"}},
        {"missing bet", "", "{cli} stats falta.txt", 2, {"«falta.txt»", "no existe"}},
        {"unreadable bet", "", "{cli} stats /proc/self/mem", 2, {"No se ha podido leer"}},
        {"bet from closed input",
         "",
         "{cli} stats - <&-",
         2,
         {"No se ha podido leer", "entrada estándar"}},
        // Rounds files.
        {"a short result",
         "J1 11111111111111\nJ2 1111\n",
         rounds,
         2,
         {"«entrada.txt», línea 2", "4 signos en vez de 14"}},
        {"endless rounds",
         "",
         "{cli} scrutiny apuesta.txt --results /dev/zero",
         2,
         {"«/dev/zero», línea 1", "demasiado larga"}},
        {"unreadable rounds",
         "",
         "{cli} scrutiny apuesta.txt --results /proc/self/mem",
         2,
         {"No se ha podido leer el archivo de resultados"}},
        // Output that cannot be written.
        {"stats to a full disk",
         "",
         "{cli} stats apuesta.txt >/dev/full",
         2,
         {"salida estándar", "no queda espacio"}},
        {"stats to a closed output", "", "{cli} stats apuesta.txt >&-", 2, {"salida estándar"}},
        {"help to a full disk", "", "{cli} --help >/dev/full", 2, {"salida estándar"}},
        {"a long show to a full disk",
         LongBet(),
         "{cli} show entrada.txt >/dev/full",
         2,
         {"salida estándar", "no queda espacio"}},
        {"a long show past the file-size limit",
         LongBet(),
         "(ulimit -f 1; {cli} show entrada.txt >grande.txt)",
         2,
         {"salida estándar", "demasiado grande"}},
        {"a bet past the file-size limit",
         LongBet(),
         "(ulimit -f 1; {cli} sort entrada.txt -o salida.txt)",
         2,
         {"«salida.txt»", "demasiado grande"}},
        {"scrutiny to a closed output",
         "",
         "{cli} scrutiny apuesta.txt --result 1X21X21X21X21X >&-",
         2,
         {"salida estándar"}},
        {"a bet to a full disk",
         "",
         "{cli} sort apuesta.txt -o - >/dev/full",
         2,
         {"salida estándar"}},
        {"a bet to a terminal",
         "",
         "script -qec '{cli} generate' /dev/null",
         2,
         {"terminal", "-o -"}},
        // Options.
        {"a cut above 100",
         "",
         "{cli} filter apuesta.txt --above 101 -o salida.txt",
         2,
         {"--above", "entre 0 y 100", "101"}},
        {"a negative cut",
         "",
         "{cli} filter apuesta.txt --below -1 -o salida.txt",
         2,
         {"--below", "entre 0 y 100"}},
        {"a repeated option",
         "",
         "{cli} filter apuesta.txt --above 50 --above 60 -o salida.txt",
         2,
         {"--above", "más de una vez"}},
        {"standard input twice",
         "",
         "{cli} filter - --forecast - -o salida.txt <apuesta.txt",
         2,
         {"entrada estándar"}},
        {"the version", "", "{cli} --version", 0, {"lumo-cli "}},
        {"a result typed with blanks",
         "",
         "{cli} scrutiny apuesta.txt --result '1X2 1X2-1X2 1X2 1X'",
         0,
         {"14 aciertos: 1\n"}},
    };
    for (const Case& c : cases) {
        Write("entrada.txt", c.text);
        fs::remove(folder / "salida.txt");
        const ShellRun run = Shell(c.command);
        ExpectStatusAndWords(run, c);
        if (c.status != 0) {
            EXPECT_FALSE(fs::exists(folder / "salida.txt")) << c.name;
            EXPECT_FALSE(HoldsTemporaryFile(folder)) << c.name;
        }
    }
}

// Files that cannot even be examined: a link to itself, a file inside a
// folder the player may not search (run as user 65534 when the tests run as
// root, whom permissions do not stop).
TEST_F(DamagedInputsTest, FilesThatCannotBeExaminedAreNamed) {
    const std::string user =
        ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    const std::string closed = "mkdir cerrada && echo x >cerrada/r.txt && chmod 0 cerrada && ";
    const std::vector<Case> cases{
        {"forecast linked to itself",
         "",
         "ln -s pronostico.txt pronostico.txt && {cli} generate -o salida.txt",
         2,
         {"«pronostico.txt»", "enlaces simbólicos"}},
        {"forecast in a closed folder",
         "",
         closed + "ln -s cerrada/r.txt pronostico.txt && " + user + "{cli} generate -o salida.txt",
         2,
         {"«pronostico.txt»", "permiso"}},
        {"rounds linked to themselves",
         "",
         "ln -s r.txt r.txt && {cli} scrutiny apuesta.txt --results r.txt",
         2,
         {"«r.txt»", "enlaces simbólicos"}},
        {"rounds in a closed folder",
         "",
         closed + user + "{cli} scrutiny apuesta.txt --results cerrada/r.txt",
         2,
         {"«cerrada/r.txt»", "permiso"}},
    };
    for (const Case& c : cases) {
        const ShellRun run = Shell(c.command);
        ExpectStatusAndWords(run, c);
        EXPECT_FALSE(fs::exists(folder / "salida.txt")) << c.name;
        Shell("chmod -R u+rwx cerrada; rm -rf cerrada pronostico.txt r.txt");
    }
}

// A bet another program is saving (holding its lock) is refused at once,
// with nothing read and the status of an error; once the save ends it reads.
TEST_F(DamagedInputsTest, BetBeingSavedIsRefused) {
    const int fd = ::open((folder / "apuesta.txt").c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    const ShellRun run = Shell("{cli} stats apuesta.txt");
    EXPECT_EQ(run.status, 2) << run.output;
    EXPECT_NE(run.output.find("Otro programa está grabando «apuesta.txt»"), std::string::npos)
        << run.output;
    ::close(fd);
    const ShellRun after = Shell("{cli} stats apuesta.txt");
    EXPECT_EQ(after.status, 0) << after.output;
}

// Percentages as they are published, with decimals, give the bet of the same
// forecast in the integers they round to.
TEST_F(DamagedInputsTest, DecimalForecastGivesTheBetOfItsIntegers) {
    Write("enteros.txt", kForecast);
    fs::copy_file(fs::path(LUMO_TEST_DATA) / "pronostico_decimales.txt", folder / "decimales.txt");
    const std::string filter =
        " | {cli} filter - --above 60 --no-zero --variants 4:9 --twos 0:5 -o ";
    ASSERT_EQ(Shell("{cli} generate --forecast enteros.txt" + filter + "a.txt").status, 0);
    ASSERT_EQ(Shell("{cli} generate --forecast decimales.txt" + filter + "b.txt").status, 0);
    const std::string integers = Slurp(folder / "a.txt");
    EXPECT_GT(integers.size(), 1'000'000U);
    EXPECT_EQ(integers, Slurp(folder / "b.txt"));
}

}  // namespace

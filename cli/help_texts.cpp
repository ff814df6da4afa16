#include "cli/help_texts.h"

#include <array>
#include <utility>

namespace {

using Entry = std::pair<std::string_view, std::string_view>;

constexpr std::array kHelp{
    Entry{"",
          "Uso: lumo-cli ORDEN [OPCIONES]\n"
          "Apuestas de la quiniela desde la terminal, con los mismos archivos que Lumo.\n"
          "\n"
          "Órdenes:\n"
          "  generate   todas las columnas, puntuadas\n"
          "  filter     cortes por puntuación, fijos y variantes/doses (pasos 2 a 4)\n"
          "  sort       ordena por puntuación (paso 5)\n"
          "  reduce     reduce por distancia (paso 5) o con garantía de aciertos\n"
          "  check      comprueba la garantía de una reducción\n"
          "  scrutiny   escruta una apuesta con un resultado o con jornadas pasadas\n"
          "  stats      reparto de 1, X y 2 por partido\n"
          "\n"
          "Opciones comunes:\n"
          "  --forecast ARCHIVO  pronóstico para puntuar (por defecto pronostico.txt de la\n"
          "                      carpeta actual si existe; si no, la tabla construida)\n"
          "  -o ARCHIVO          graba la apuesta en ARCHIVO en vez de la salida estándar\n"
          "  --help              esta ayuda; «lumo-cli ORDEN --help» la de cada orden\n"
          "\n"
          "Una apuesta de entrada «-» se lee de la entrada estándar. Los mensajes van a la\n"
          "salida de errores. Estado de salida: 0 bien, 1 garantía no cumplida (check),\n"
          "2 error de uso o de lectura.\n"},
    Entry{"generate",
          "Uso: lumo-cli generate [--forecast ARCHIVO] [-o SALIDA]\n"
          "Escribe las 4.782.969 columnas, puntuadas con el pronóstico (paso 1).\n"},
    Entry{"filter",
          "Uso: lumo-cli filter ENTRADA [--above N] [--below N] [--no-zero]\n"
          "                     [--variants MIN:MAX] [--twos MIN:MAX] [-o SALIDA]\n"
          "Aplica, en este orden, los cortes de los pasos 2 a 4 como la ventana:\n"
          "  --above N           deja las columnas de puntuación mayor que N\n"
          "  --below N           deja las columnas de puntuación menor que N\n"
          "  --no-zero           quita las columnas con un resultado de 0 % (fijos)\n"
          "  --variants MIN:MAX  variantes (resultados que no son 1) entre MIN y MAX\n"
          "  --twos MIN:MAX      doses entre MIN y MAX\n"},
    Entry{"sort",
          "Uso: lumo-cli sort ENTRADA [-o SALIDA]\n"
          "Ordena por puntuación, de mayor a menor, como el paso 5 de la ventana.\n"},
    Entry{"reduce",
          "Uso: lumo-cli reduce ENTRADA --distance D [-o SALIDA]\n"
          "     lumo-cli reduce ENTRADA --guarantee G [--optimise SEGUNDOS] [-o SALIDA]\n"
          "--distance D (0 a 8): la reducción del paso 5 de la ventana: deja una columna si\n"
          "  ninguna de las ya dejadas está a distancia D o menos. Depende del orden: use\n"
          "  antes «sort» como en la ventana.\n"
          "--guarantee G (10 a 14): deja un subconjunto de la apuesta tal que, si el\n"
          "  resultado está en la apuesta, alguna columna dejada tiene al menos G aciertos\n"
          "  (al 13, al 12...). Cubrimiento voraz dentro de la apuesta y, si la apuesta es\n"
          "  de fijos, dobles y triples, construcciones con códigos pequeños conocidos.\n"
          "--optimise SEGUNDOS: mejora el resultado por búsqueda local durante a lo sumo\n"
          "  ese tiempo, sin perder nunca la garantía.\n"
          "Escribe también la cota inferior: ninguna reducción de la apuesta con esa\n"
          "garantía puede tener menos columnas.\n"
          "La salida conserva el orden de la entrada.\n"},
    Entry{"check",
          "Uso: lumo-cli check ENTRADA REDUCIDA --guarantee G\n"
          "Comprueba que toda columna de ENTRADA tiene en REDUCIDA una columna con al menos\n"
          "G aciertos (G de 0 a 14). Estado 0 si se cumple; 1, nombrando la primera columna\n"
          "sin cubrir, si no.\n"},
    Entry{"scrutiny",
          "Uso: lumo-cli scrutiny ENTRADA --result SIGNOS\n"
          "     lumo-cli scrutiny ENTRADA --results ARCHIVO\n"
          "--result: cuántas columnas tienen 14, 13, 12, 11 y 10 aciertos con el resultado\n"
          "  (14 signos 1, X o 2), como la herramienta del ganador.\n"
          "--results: una línea por jornada, un nombre y 14 signos; escribe una tabla con\n"
          "  una fila por jornada.\n"},
    Entry{"stats",
          "Uso: lumo-cli stats ENTRADA\n"
          "Por partido, la parte de 1, X y 2 sobre toda la apuesta.\n"},
};

}  // namespace

std::string_view HelpText(std::string_view command) {
    for (const auto& [name, text] : kHelp) {
        if (name == command) {
            return text;
        }
    }
    return {};
}

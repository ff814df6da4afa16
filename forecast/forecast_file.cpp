#include "forecast/forecast_file.h"

#include <fstream>
#include <ostream>

#include "forecast/text_scanner.h"

namespace {

// Reads the cells row by row, calling rowRead(row) after each of the 14 rows.
template <typename RowRead>
void ReadTable(std::istream& in, CForecastTable& table, RowRead&& rowRead) {
    TextScanner scanner(in);
    for (auto& row : table.rows) {
        for (auto& cell : row) {
            // A failed read leaves the cell as it was, and so do all later ones.
            scanner.ReadInteger(cell);
        }
        rowRead(row);
    }
    scanner.Finish();
}

}  // namespace

void LoadForecast(std::istream& in, CForecastTable& table, std::ostream& diagnostics) {
    ReadTable(in, table, [&diagnostics](const std::array<std::int32_t, 3>& row) {
        const std::int64_t sum = std::int64_t{row[0]} + row[1] + row[2];
        if (sum != 100) {
            // Flushed at once, so that a program that ends abruptly has shown it.
            diagnostics << "ERROR" << std::flush;
        }
    });
    UpdateScoreBounds(table);
}

void LoadForecast(const std::filesystem::path& path, CForecastTable& table,
                  std::ostream& diagnostics) {
    std::ifstream file(path);
    LoadForecast(file, table, diagnostics);
}

void LoadExpectation(std::istream& in, CForecastTable& table) {
    ReadTable(in, table, [](const std::array<std::int32_t, 3>&) {});
}

void LoadExpectation(const std::filesystem::path& path, CForecastTable& table) {
    std::ifstream file(path);
    LoadExpectation(file, table);
}

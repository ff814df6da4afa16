#include "forecast/forecast_file.h"

#include <ostream>

#include "text/file_source.h"
#include "text/text_scanner.h"

namespace lumo {

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

ForecastLoad LoadForecast(std::istream& in, std::ostream& diagnostics) {
    ForecastLoad load;
    ReadTable(in, load.table, [&diagnostics, &load](const std::array<std::int32_t, 3>& row) {
        const std::int64_t sum = std::int64_t{row[0]} + row[1] + row[2];
        if (sum != 100) {
            ++load.errors;
            // Flushed at once, so that a program that ends abruptly has shown it.
            diagnostics << "ERROR" << std::flush;
        }
    });
    return load;
}

// The window reads its tables without ever waiting on a FIFO.
ForecastLoad LoadForecast(const std::filesystem::path& path, std::ostream& diagnostics) {
    FileSource file(path, PipeWaiting::kNever);
    return LoadForecast(file.Stream(), diagnostics);
}

CForecastTable LoadExpectation(std::istream& in) {
    CForecastTable table;
    ReadTable(in, table, [](const std::array<std::int32_t, 3>&) {});
    return table;
}

CForecastTable LoadExpectation(const std::filesystem::path& path) {
    FileSource file(path, PipeWaiting::kNever);
    return LoadExpectation(file.Stream());
}

}  // namespace lumo

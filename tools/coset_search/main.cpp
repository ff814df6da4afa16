// lumo-coset-search: looks for covering codes that are unions of cosets of a
// ternary linear code, as the stored ones of codes/internal/coset_codes.cpp,
// fewer cosets each time one is found, and prints each code found in the
// form that file keeps them.
//
//   lumo-coset-search LENGTH CHECKS RADIUS COSETS SECONDS [SEED [STEPS]]
//
// For example "lumo-coset-search 11 5 1 14 600" looks for 11 triples al 13
// (radius 1) in 14 cosets of 729 words or fewer, for ten minutes.
#include <charconv>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string_view>

#include "codes/coset_search.h"

namespace {

std::optional<std::int64_t> Number(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

void Print(const lumo::CosetShape& shape, const lumo::CosetCode& code) {
    std::int64_t words = static_cast<std::int64_t>(code.syndromes.size());
    for (std::int32_t i = shape.checks; i < shape.length; ++i) {
        words *= 3;
    }
    std::cout << shape.length << " positions, radius " << shape.radius << ", "
              << code.syndromes.size() << " cosets, " << words << " words\nrows:";
    for (const auto& row : code.rows) {
        std::cout << " \"" << row << "\"sv,";
    }
    std::cout << "\nsyndromes:";
    for (const auto& syndrome : code.syndromes) {
        std::cout << " \"" << syndrome << "\"sv,";
    }
    std::cout << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::int64_t> values[7] = {};
    const int given = argc - 1;
    for (int i = 0; i < given && i < 7; ++i) {
        values[i] = Number(argv[i + 1]);
    }
    if (given < 5 || given > 7 || !values[0] || !values[1] || !values[2] || !values[3] ||
        !values[4] || *values[0] > 16 || *values[1] < 1 || *values[1] > 12 ||
        *values[1] > *values[0] || (given > 5 && !values[5]) || (given > 6 && !values[6])) {
        std::cerr << "Uso: lumo-coset-search LONGITUD FILAS RADIO COCONJUNTOS SEGUNDOS "
                     "[SEMILLA [PASOS]]\n";
        return 2;
    }
    lumo::CosetShape shape{.length = static_cast<std::int32_t>(*values[0]),
                           .checks = static_cast<std::int32_t>(*values[1]),
                           .radius = static_cast<std::int32_t>(*values[2]),
                           .cosets = static_cast<std::int32_t>(*values[3])};
    const std::uint64_t seed = given > 5 ? static_cast<std::uint64_t>(*values[5]) : 1;
    const std::int64_t steps = given > 6 ? *values[6] : 2'000;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(*values[4]);
    bool found = false;
    while (shape.cosets > 0 && std::chrono::steady_clock::now() < deadline) {
        const auto code = lumo::SearchCosetCode(
            shape, seed + static_cast<std::uint64_t>(shape.cosets), steps, deadline);
        if (!code) {
            break;
        }
        Print(shape, *code);
        found = true;
        --shape.cosets;
    }
    if (!found) {
        std::cout << "Nothing found with " << shape.cosets << " cosets." << std::endl;
    }
    return found ? 0 : 1;
}

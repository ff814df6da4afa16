#include "codes/internal/syndrome_code.h"

#include <cstddef>

namespace lumo::internal {

namespace {

std::int32_t PowerOfThree(std::int32_t exponent) {
    std::int32_t power = 1;
    for (std::int32_t i = 0; i < exponent; ++i) {
        power *= 3;
    }
    return power;
}

std::vector<std::int32_t> DigitsOf(std::int32_t packed, std::int32_t checks) {
    std::vector<std::int32_t> digits(static_cast<std::size_t>(checks));
    for (std::int32_t& digit : digits) {
        digit = packed % 3;
        packed /= 3;
    }
    return digits;
}

std::int32_t Mod3(std::int32_t value) {
    return ((value % 3) + 3) % 3;
}

}  // namespace

std::int32_t AddSyndromes(std::int32_t a, std::int32_t b, std::int32_t checks) {
    std::int32_t sum = 0;
    std::int32_t place = 1;
    for (std::int32_t i = 0; i < checks; ++i) {
        sum += (a % 3 + b % 3) % 3 * place;
        a /= 3;
        b /= 3;
        place *= 3;
    }
    return sum;
}

std::int32_t ScaleSyndrome(std::int32_t a, std::int32_t multiple, std::int32_t checks) {
    std::int32_t scaled = 0;
    std::int32_t place = 1;
    for (std::int32_t i = 0; i < checks; ++i) {
        scaled += a % 3 * multiple % 3 * place;
        a /= 3;
        place *= 3;
    }
    return scaled;
}

std::int32_t CoveringRadiusOf(const SyndromeCode& code) {
    const auto count = static_cast<std::size_t>(PowerOfThree(code.checks));
    std::vector<std::int32_t> steps;
    for (const std::int32_t column : code.columns) {
        steps.push_back(column);
        steps.push_back(ScaleSyndrome(column, 2, code.checks));
    }
    std::vector<std::int32_t> distance(count, -1);
    std::vector<std::int32_t> queue;
    queue.reserve(count);
    for (const std::int32_t syndrome : code.syndromes) {
        if (distance[static_cast<std::size_t>(syndrome)] < 0) {
            distance[static_cast<std::size_t>(syndrome)] = 0;
            queue.push_back(syndrome);
        }
    }
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const std::int32_t from = queue[head];
        for (const std::int32_t step : steps) {
            const auto to = static_cast<std::size_t>(AddSyndromes(from, step, code.checks));
            if (distance[to] < 0) {
                distance[to] = distance[static_cast<std::size_t>(from)] + 1;
                queue.push_back(static_cast<std::int32_t>(to));
            }
        }
    }
    return queue.size() == count ? distance[static_cast<std::size_t>(queue.back())] : -1;
}

std::vector<std::uint8_t> WordsOf(const SyndromeCode& code) {
    const auto rows = static_cast<std::size_t>(code.checks);
    const std::size_t length = code.columns.size();
    const std::size_t width = length + code.syndromes.size();
    // The augmented matrix [H | syndromes], brought to reduced row echelon
    // form on H's columns.
    std::vector<std::vector<std::int32_t>> matrix(rows, std::vector<std::int32_t>(width));
    for (std::size_t j = 0; j < width; ++j) {
        const std::int32_t packed = j < length ? code.columns[j] : code.syndromes[j - length];
        const std::vector<std::int32_t> digits = DigitsOf(packed, code.checks);
        for (std::size_t i = 0; i < rows; ++i) {
            matrix[i][j] = digits[i];
        }
    }
    std::vector<std::size_t> pivots;
    std::vector<bool> isPivot(length, false);
    for (std::size_t j = 0; j < length && pivots.size() < rows; ++j) {
        const std::size_t row = pivots.size();
        std::size_t found = row;
        while (found < rows && matrix[found][j] == 0) {
            ++found;
        }
        if (found == rows) {
            continue;
        }
        std::swap(matrix[row], matrix[found]);
        // In GF(3) every nonzero element is its own inverse.
        const std::int32_t inverse = matrix[row][j];
        for (std::int32_t& entry : matrix[row]) {
            entry = Mod3(entry * inverse);
        }
        for (std::size_t i = 0; i < rows; ++i) {
            const std::int32_t factor = matrix[i][j];
            if (i != row && factor != 0) {
                for (std::size_t k = 0; k < width; ++k) {
                    matrix[i][k] = Mod3(matrix[i][k] - factor * matrix[row][k]);
                }
            }
        }
        pivots.push_back(j);
        isPivot[j] = true;
    }
    if (pivots.size() < rows) {
        return {};
    }
    std::vector<std::size_t> free;
    for (std::size_t j = 0; j < length; ++j) {
        if (!isPivot[j]) {
            free.push_back(j);
        }
    }
    std::vector<std::uint8_t> words;
    std::vector<std::uint8_t> word(length, 0);
    while (true) {
        for (std::size_t s = 0; s < code.syndromes.size(); ++s) {
            for (std::size_t i = 0; i < rows; ++i) {
                std::int32_t value = matrix[i][length + s];
                for (const std::size_t j : free) {
                    value -= matrix[i][j] * word[j];
                }
                word[pivots[i]] = static_cast<std::uint8_t>(Mod3(value));
            }
            words.insert(words.end(), word.begin(), word.end());
        }
        // The next assignment of the free positions, as a base-3 counter.
        std::size_t k = 0;
        while (k < free.size() && word[free[k]] == 2) {
            word[free[k]] = 0;
            ++k;
        }
        if (k == free.size()) {
            break;
        }
        ++word[free[k]];
    }
    return words;
}

}  // namespace lumo::internal

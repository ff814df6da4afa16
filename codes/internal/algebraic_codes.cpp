#include "codes/internal/algebraic_codes.h"

#include <array>
#include <cstddef>

namespace lumo::internal {

namespace {

constexpr std::int32_t kGolayLength = 11;
constexpr std::int32_t kGolayChecks = 5;
// x^5 + x^4 - x^3 + x^2 - 1, coefficients of x^0..x^5 modulo 3.
constexpr std::array<std::int32_t, kGolayChecks + 1> kGolayGenerator{2, 0, 1, 2, 1, 1};

std::int32_t Pack(const std::array<std::int32_t, kGolayChecks>& digits) {
    std::int32_t packed = 0;
    for (std::size_t i = digits.size(); i-- > 0;) {
        packed = packed * 3 + digits[i];
    }
    return packed;
}

}  // namespace

SyndromeCode HammingCode(std::int32_t checks) {
    SyndromeCode code;
    code.checks = checks;
    std::int32_t count = 1;
    for (std::int32_t i = 0; i < checks; ++i) {
        count *= 3;
    }
    for (std::int32_t packed = 1; packed < count; ++packed) {
        std::int32_t lowest = packed;
        while (lowest % 3 == 0) {
            lowest /= 3;
        }
        if (lowest % 3 == 1) {
            code.columns.push_back(packed);
        }
    }
    return code;
}

SyndromeCode GolayCode() {
    SyndromeCode code;
    code.checks = kGolayChecks;
    // The remainder of x^i, starting from 1 and multiplying by x each step.
    std::array<std::int32_t, kGolayChecks> remainder{1, 0, 0, 0, 0};
    for (std::int32_t i = 0; i < kGolayLength; ++i) {
        code.columns.push_back(Pack(remainder));
        const std::int32_t carry = remainder.back();
        for (std::size_t k = remainder.size() - 1; k > 0; --k) {
            remainder[k] = remainder[k - 1];
        }
        remainder[0] = 0;
        // Subtract carry times the generator, whose leading coefficient is 1.
        for (std::size_t k = 0; k < remainder.size(); ++k) {
            remainder[k] = ((remainder[k] - carry * kGolayGenerator[k]) % 3 + 3) % 3;
        }
    }
    return code;
}

SyndromeCode ExtendedGolayCode() {
    const SyndromeCode golay = GolayCode();
    SyndromeCode code;
    code.checks = golay.checks + 1;
    // The new check row sums every digit, the parity position's included.
    std::int32_t parityRow = 1;
    for (std::int32_t i = 0; i < golay.checks; ++i) {
        parityRow *= 3;
    }
    for (const std::int32_t column : golay.columns) {
        code.columns.push_back(column + parityRow);
    }
    code.columns.push_back(parityRow);
    return code;
}

}  // namespace lumo::internal

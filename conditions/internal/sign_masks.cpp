#include "conditions/internal/sign_masks.h"

namespace lumo {

RunTable::RunTable() {
    for (std::uint32_t mask = 1; mask <= kMatchBits; ++mask) {
        // Each and with the mask shifted by one shortens every run by one.
        std::uint32_t rest = mask;
        std::uint8_t longest = 0;
        while (rest != 0) {
            rest &= rest >> 1;
            ++longest;
        }
        runs[mask] = longest;
    }
}

}  // namespace lumo

// Fuzz harness for ReadNumber: any text reads as std::strtoll reads it,
// clamped to 32 bits.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "text/read_number.h"

using namespace lumo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Require(ReadNumber(text) == ReferenceReadNumber(text), "same value as strtoll, clamped");
    return 0;
}

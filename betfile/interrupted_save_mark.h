#pragma once

namespace lumo {

// A save that has to write into the existing file first writes this
// character over the width of the new count line, then the columns, and the
// count itself last. So the first line of a file whose save was cut off
// holds only this character, which no reader of ours takes for a count: the
// window's reader appends nothing, the strict one names the interrupted save.
inline constexpr char kInterruptedSaveMark = '#';

}  // namespace lumo

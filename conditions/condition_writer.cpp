#include "conditions/condition_writer.h"

#include <ostream>

namespace lumo {

void WriteConditions(std::ostream& out, const ConditionFile& file) {
    if (file.byteOrderMark) {
        out << "\xEF\xBB\xBF";
    }
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        out << file.lines[i] << file.lineEnds[i];
    }
}

}  // namespace lumo

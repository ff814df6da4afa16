#pragma once

#include <iosfwd>

#include "conditions/condition_file.h"

namespace lumo {

// Writes the file's lines as read, each with its own line end, after the
// byte-order mark when it had one: a file read by ReadConditions comes out
// byte for byte as it went in.
void WriteConditions(std::ostream& out, const ConditionFile& file);

}  // namespace lumo

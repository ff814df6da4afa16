#pragma once

#include <string>
#include <string_view>

namespace lumo {

// How the messages show what they name: a file's name between « and », and
// text taken from a file.

// «name», the name as given.
std::string Quoted(std::string_view fileName);

// The text as it may stand in a message: printable ASCII and whole UTF-8
// sequences as they are, a tab as a blank, any other byte (a control
// character, a stray byte) as '?'. A text of more than 40 bytes is cut there
// and ends in "…".
std::string ShownText(std::string_view text);

}  // namespace lumo

#pragma once

#include <string_view>

// The program's help (Spanish, UTF-8): HelpText("") for the program, else
// the help of that command; nothing for a command that does not exist.
std::string_view HelpText(std::string_view command);

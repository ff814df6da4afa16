#pragma once

#include <span>

#include "cli/command_type.h"

// The commands of lumo-cli, each defined in its own file.
extern const Command kGenerateCommand;
extern const Command kFilterCommand;
extern const Command kSortCommand;
extern const Command kReduceCommand;
extern const Command kCheckCommand;
extern const Command kScrutinyCommand;
extern const Command kStatsCommand;
extern const Command kShowCommand;
extern const Command kExpectationCommand;

// Every command, in the order the program's help lists them.
std::span<const Command* const> AllCommands();

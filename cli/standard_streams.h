#pragma once

// What lumo-cli needs to know of the standard streams it was started with.

// Where standard output goes: a bet is never written to a terminal unless
// asked for with "-o -".
enum class StandardOutput { kFileOrPipe, kTerminal };

// kTerminal when standard output is a terminal.
StandardOutput StandardOutputNow();

// Gives each standard stream the program was started without (closed) a
// stand-in, /dev/null opened for the other direction, so that no file the
// program opens takes its number and using it still fails as on a closed
// stream: writing to a closed standard output is an error the program
// reports rather than text going into a bet file.
void HoldClosedStandardStreams();

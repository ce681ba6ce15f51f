#pragma once
#include <optional>

// The game's command line, read before any window or display is needed:
// --help and --version answer and end the program, anything the game does
// not know ends it with the usage on standard error. Returns the exit status
// when the program is to end now, nothing when the game is to start.
std::optional<int> HandleCommandLine(int argc, char** argv);

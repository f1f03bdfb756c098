#pragma once

#include <optional>

// Runs the command-line mode that argv asks for, when it asks for one, and
// returns its exit status; nothing when the window is to start. Creates
// its own application object: none for the window may exist yet.
std::optional<int> runCommandLine(int argc, char *argv[]);

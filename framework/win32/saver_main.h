// The process entry and the mode dispatcher.
#pragma once

#include <windows.h>

// Cuts the command tail from the process command line, runs SaverMain and ends the
// process with its result.
[[noreturn]] void SaverEntry();

// Records the instance and the platform family, then runs the mode that the tail names
// under the fault guard. When the guard handles a fault, the result is the exception's code
// (0xC0000005 for an access fault), the exit code that the platform itself gives a process
// ended by an unhandled exception.
int SaverMain(HINSTANCE instance, const char *tail);

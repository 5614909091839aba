// Cutting the command tail out of the process command line: the program's name (quoted
// or not) and the blanks and control bytes after it are skipped.
#pragma once

// One step forward from a position; the saver steps with CharNextA so that a double-byte
// character is passed over whole.
typedef const char *(*NextCharStep)(const char *position);

const char *CutCommandTail(const char *commandLine, NextCharStep next);

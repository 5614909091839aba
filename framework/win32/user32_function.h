// Functions of USER32 that older Windows versions lack, looked up by name at run time.
#pragma once

#include <windows.h>

// The function's address, or null where this Windows has no such function.
FARPROC User32Function(const char *name);

// The number of GDI objects a process holds, read from outside it.
#pragma once

#include <windows.h>

// GetGuiResources(process, GR_GDIOBJECTS) where the platform implements it. Wine does not
// (it answers 0 with ERROR_CALL_NOT_IMPLEMENTED); there the handles in use are counted in
// the process's GDI handle table, which its PEB names and ReadProcessMemory reads.
// Returns -1 when neither way works. `method` (may be null) receives which way counted.
long GdiObjectCount(HANDLE process, const char **method);

// The smallest of `samples` counts taken `intervalMs` apart: a tick that holds its band
// pen and memory context for a moment does not count, a leak does.
long SteadyGdiObjectCount(HANDLE process, int samples, DWORD intervalMs);

// Recording of the stand-ins' calls under their registry key (see standins.h).
#pragma once

#include <windows.h>

// Adds one to a DWORD value (a missing value counts as 0).
void CountCall(const char *name);
void RecordNumber(const char *name, DWORD value);
void RecordText(const char *name, const char *text);
// Reads a REG_SZ value; an empty text when it is missing or of another type.
void ReadText(const char *name, char *text, DWORD size);

// The close policy's password check, used by DefaultSaverProc.
#pragma once

#include <windows.h>

// Whether a close of the full-screen saver may proceed now: runs the platform's password
// check when protection is on, with its pause and re-entry rules. Sets `closing` when it
// allows the close.
int VerifyBeforeClose(HWND window);

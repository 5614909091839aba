// The Windows 95/98/Me family's screen-saver password: the check loaded for a full-screen
// run, the platform told while a protected saver runs, and the change-password dialog.
#pragma once

#include <windows.h>

void LoadPasswordSupport();
void UnloadPasswordSupport();
void SetSaverRunning(int running);
void ChangeSaverPassword(HWND owner);

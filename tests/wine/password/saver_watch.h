// Watching and prodding the running saver from outside: foreground, real key input, the
// windows a process shows, and the screen it draws on.
#pragma once

#include "wine_test_support.h"

// Waits until the window is the foreground window.
bool WaitForForeground(HWND window, DWORD timeoutMs = 5000);
// A real key press and release of Shift, which goes to the foreground window.
void PressShift();

// Waits for the process to end, watching meanwhile whether it shows any visible top-level
// window. Returns false when it does not end in time.
bool WaitWatchingWindows(ChildProcess &child, DWORD timeoutMs, bool &showedWindow);

// Whether the screen outside the rectangle changes within the given time (the animation
// draws there).
bool ScreenChangesOutside(const RECT &excluded, DWORD timeoutMs);

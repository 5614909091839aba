// Noticing a change of the monitors that nobody announces.
#pragma once

#include <windows.h>

enum : UINT_PTR { SCREEN_WATCH_TIMER = 209 };

// Notes the screen as it is now and looks at it again once a second (SCREEN_WATCH_TIMER).
void WatchScreen(HWND window);

// Notes the screen as it is now: a change that was announced is not announced again.
void NoteScreen();

// On SCREEN_WATCH_TIMER: when the screen's clip box or its monitors are no longer as last
// noted, sends the window WM_DISPLAYCHANGE as Windows would.
void CheckScreen(HWND window);

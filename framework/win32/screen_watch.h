// Noticing a change of the monitors that nobody announces.
#pragma once

#include <windows.h>

enum : UINT_PTR { SCREEN_WATCH_TIMER = 209 };

// Notes the screen as it is now and looks at it again once a second (SCREEN_WATCH_TIMER).
void WatchScreen(HWND window);

// Notes the screen as it is now, after a change: it is not announced again, and for a
// moment (ScreenJustChanged) the pointer may still jump with the monitors' new places.
void NoteScreenChange();

// Within two seconds of the last change noted.
bool ScreenJustChanged();

// On SCREEN_WATCH_TIMER: when the screen's clip box, virtual screen or monitors are no
// longer as last noted, sends the window WM_DISPLAYCHANGE as Windows would.
void CheckScreen(HWND window);

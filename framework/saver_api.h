// Where the framework and the animation meet: the two procedures the saver exports, the
// framework's default handling that the animation ends every call with, and the hook
// before the configuration dialog.
#pragma once

#include <windows.h>

extern "C" LRESULT WINAPI ScreenSaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
extern "C" INT_PTR WINAPI ScreenSaverConfigureDialog(HWND dialog, UINT message, WPARAM wParam,
                                                     LPARAM lParam);

LRESULT DefaultSaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PrepareConfigDialog(HINSTANCE instance);

enum { CONFIG_DIALOG_TEMPLATE = 2003 };

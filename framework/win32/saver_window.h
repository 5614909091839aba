// The saver window: full screen (no parent) or a child of a preview window, and its
// message loop.
#pragma once

#include <windows.h>

// Runs the saver until its window is destroyed; returns the exit code: 0 after the window
// closed or when another full-screen saver was activated instead, EXIT_NO_WINDOW when the
// class could not be registered or the window could not be made (nothing ran).
int RunSaver(HWND parent);

enum { EXIT_NO_WINDOW = -1 };

// Moves and sizes the full-screen window to the screen's clip box as it is now.
void FitToScreen(HWND window);

LRESULT CALLBACK SaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

extern const char *const SAVER_CLASS_NAME; // "WindowsScreenSaverClass"

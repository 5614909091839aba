// The stand-in's password dialog: an edit control, OK and Cancel. It ends with 1 when the
// typed text equals the kept password, 0 on a wrong password or Cancel.
#pragma once

#include <windows.h>

INT_PTR CALLBACK PasswordDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

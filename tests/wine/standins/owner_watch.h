// Watches the messages that the check's thread takes from its queue for the owner window,
// from the first check until the library is freed, and records them under the stand-ins'
// key: every WM_CLOSE's time, and while a dialog is open also WM_CLOSE, WM_TIMER and the
// tests' markers.
#pragma once

#include <windows.h>

void StartOwnerWatch(HWND owner); // a dialog for this owner opens
void StopOwnerWatch();            // the dialog closed
void EndOwnerWatch();             // the library is freed

// Watches, while the password dialog is open, the messages that the dialog's thread takes
// from its queue for the owner window, and records them under the stand-ins' key.
#pragma once

#include <windows.h>

void StartOwnerWatch(HWND owner);
void StopOwnerWatch();

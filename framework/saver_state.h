// The framework's one process-wide record.
#pragma once

#include <windows.h>
#include <imm.h>

typedef BOOL(WINAPI *VerifyPasswordProc)(HWND owner);
typedef HIMC(WINAPI *AssociateContextProc)(HWND window, HIMC context);

struct SaverState {
    HINSTANCE instance;
    HWND saverWindow;
    int previewMode;
    int closing;   // once 1, never 0 again
    int verifying; // 1 while a password check runs
    HMODULE passwordLibrary;
    VerifyPasswordProc verifyPassword;
    UINT autoPlayMessage; // "QueryCancelAutoPlay", 0 when not registered
    HMODULE imeModule;
    AssociateContextProc imeAssociateContext;
    HIMC savedInputContext;
    int win9x;
    POINT lastCursorPos;
    DWORD lastVerifyTime; // NO_CHECK_YET until the first password check
};

enum : DWORD { NO_CHECK_YET = 0xFFFFFFFFu };

extern SaverState saverState;

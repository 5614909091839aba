#include "close_policy.h"

#include "close_rules.h"
#include "saver_state.h"

namespace {
// Drops up to two pending ticks so that the animation does not stutter through a backlog
// once the dialog closes.
void DropPendingTicks(HWND window) {
    MSG message;
    PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD);
    PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD);
}
} // namespace

int VerifyBeforeClose(HWND window) {
    if (saverState.verifying)
        return 0;
    if (saverState.verifyPassword == nullptr) {
        saverState.closing = 1;
        return 1;
    }
    if (InVerifyPause(saverState.lastVerifyTime, GetTickCount()))
        return 0;
    saverState.verifying = 1;
    DropPendingTicks(window);
    LRESULT result = SendMessageA(window, WM_SAVER_VERIFY, 0, 0);
    saverState.closing = result != 0;
    saverState.verifying = 0;
    if (result == 0)
        SetCursor(nullptr);
    saverState.lastVerifyTime = GetTickCount();
    return saverState.closing;
}

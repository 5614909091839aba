// The framework's default handling that ScreenSaverProc ends every call with. Stage 1 (full
// screen, not yet closing) turns input into close requests and decides a close; stage 2
// answers the AutoPlay query and leaves everything else to DefWindowProcA.
#include "saver_api.h"

#include "close_policy.h"
#include "close_rules.h"
#include "saver_state.h"

namespace {
const WPARAM PWR_CRITICALRESUME_EVENT = 3;

void PostCloseRequest(HWND window) {
    PostMessageA(window, WM_CLOSE, 0, 0);
}

void ResetCursorReference() {
    GetCursorPos(&saverState.lastCursorPos);
}

// Small moves add up: the reference point moves only when a close is requested.
void TestMouseTravel(HWND window) {
    POINT position;
    GetCursorPos(&position);
    CursorPoint from = {saverState.lastCursorPos.x, saverState.lastCursorPos.y};
    if (TravelCloses(MouseTravel(from, {position.x, position.y}))) {
        PostCloseRequest(window);
        saverState.lastCursorPos = position;
    }
}

// A refused close measures mouse travel afresh.
bool CloseRefused(HWND window) {
    if (VerifyBeforeClose(window))
        return false;
    ResetCursorReference();
    return true;
}

LRESULT RunPasswordCheck(HWND window) {
    if (saverState.verifyPassword == nullptr)
        return 1;
    return saverState.verifyPassword(window);
}

// Returns true when the message is answered here, with the answer in `answer`.
bool StageOne(HWND window, UINT message, WPARAM wParam, LRESULT &answer) {
    if (message == WM_CLOSE) {
        answer = 0;
        return saverState.win9x && CloseRefused(window);
    }
    if (message == WM_SAVER_VERIFY) {
        if (!saverState.win9x)
            return false;
        answer = RunPasswordCheck(window);
        return true;
    }
    if (saverState.verifying)
        return false;
    switch (message) {
        case WM_SHOWWINDOW:
            if (wParam)
                SetCursor(nullptr);
            return false;
        case WM_ACTIVATEAPP:
            if (wParam == 0)
                PostCloseRequest(window);
            return false;
        case WM_SETCURSOR:
            SetCursor(nullptr);
            answer = 1;
            return true;
        case WM_POWER:
            if (wParam == PWR_CRITICALRESUME_EVENT)
                PostCloseRequest(window);
            return false;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_POWERBROADCAST:
            PostCloseRequest(window);
            return false;
        case WM_MOUSEMOVE:
            TestMouseTravel(window);
            return false;
    }
    return false;
}

LRESULT StageTwo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (saverState.autoPlayMessage != 0 && message == saverState.autoPlayMessage) {
        PostCloseRequest(window);
        return saverState.verifyPassword != nullptr;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
} // namespace

LRESULT DefaultSaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT answer = 0;
    if (!saverState.previewMode && !saverState.closing && StageOne(window, message, wParam, answer))
        return answer;
    return StageTwo(window, message, wParam, lParam);
}

// The saver window's procedure: the framework's fixed rules, then the animation's
// ScreenSaverProc for everything else.
#include "saver_window.h"

#include "saver_api.h"
#include "saver_state.h"
#include "screen_watch.h"

namespace {
void HideCursorFullScreen() {
    if (!saverState.previewMode)
        SetCursor(nullptr);
}

// Detaches the window from input-method processing, if IMM32 is already loaded.
void DetachInputMethod(HWND window) {
    saverState.imeModule = GetModuleHandleA("IMM32.DLL");
    if (saverState.imeModule)
        saverState.imeAssociateContext = reinterpret_cast<AssociateContextProc>(
            reinterpret_cast<void *>(GetProcAddress(saverState.imeModule, "ImmAssociateContext")));
    if (saverState.imeAssociateContext)
        saverState.savedInputContext = saverState.imeAssociateContext(window, nullptr);
}

void RestoreInputMethod(HWND window) {
    if (saverState.imeModule && saverState.imeAssociateContext && saverState.savedInputContext)
        saverState.imeAssociateContext(window, saverState.savedInputContext);
}

void OnCreate(HWND window) {
    DetachInputMethod(window);
    GetCursorPos(&saverState.lastCursorPos);
    HideCursorFullScreen();
    if (!saverState.previewMode)
        WatchScreen(window);
}

void OnDestroy(HWND window) {
    RestoreInputMethod(window);
    PostQuitMessage(0);
}

// A preview passes help and context-menu requests on to the control panel's window, with
// the panel's own handle. WM_HELP is sent, not posted: its lParam points to a HELPINFO that
// only lives for this call, and the platform refuses to post it (ERROR_MESSAGE_SYNC_ONLY),
// so a posted request would never arrive.
LRESULT ForwardToParent(HWND window, UINT message, LPARAM lParam) {
    HWND parent = GetParent(window);
    if (parent == nullptr || !IsWindow(parent))
        return 1;
    WPARAM parentHandle = reinterpret_cast<WPARAM>(parent);
    if (message == WM_HELP)
        SendMessageA(parent, message, parentHandle, lParam);
    else
        PostMessageA(parent, message, parentHandle, lParam);
    return 1;
}

// The screen changed (a monitor plugged in or out, moved, another resolution): the
// full-screen window covers the screen as it is now before the animation starts afresh on
// it. The pointer's screen coordinates may have changed with the monitors' places, without
// any move of the user's: mouse travel is measured from where it is now.
void OnDisplayChange(HWND window) {
    if (saverState.previewMode)
        return;
    NoteScreenChange();
    FitToScreen(window);
    GetCursorPos(&saverState.lastCursorPos);
}

// A change of the monitors that has not been noticed yet comes first, and right after one
// the pointer's new coordinates (Wine moves them a moment later) are not taken for travel.
void OnMouseMove(HWND window) {
    if (saverState.previewMode)
        return;
    CheckScreen(window);
    if (ScreenJustChanged())
        GetCursorPos(&saverState.lastCursorPos);
}

// Switching windows and starting another saver are refused while running full screen.
bool IsBlockedCommand(WPARAM command) {
    return command == SC_NEXTWINDOW || command == SC_PREVWINDOW || command == SC_SCREENSAVE;
}
} // namespace

LRESULT CALLBACK SaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate(window);
            break;
        case WM_DESTROY:
            OnDestroy(window);
            break;
        case WM_SETTEXT:
            return 0;
        case WM_PAINT:
            if (saverState.closing)
                return DefWindowProcA(window, message, wParam, lParam);
            HideCursorFullScreen();
            break;
        case WM_HELP:
        case WM_CONTEXTMENU:
            if (saverState.previewMode)
                return ForwardToParent(window, message, lParam);
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (saverState.closing)
                return DefWindowProcA(window, message, wParam, lParam);
            break;
        case WM_MOUSEMOVE:
            if (saverState.closing)
                return DefWindowProcA(window, message, wParam, lParam);
            OnMouseMove(window);
            break;
        case WM_SYSCOMMAND:
            if (!saverState.previewMode && IsBlockedCommand(wParam))
                return 0;
            break;
        case WM_TIMER:
            if (saverState.closing)
                return 0;
            if (wParam == SCREEN_WATCH_TIMER) {
                CheckScreen(window);
                return 0;
            }
            Sleep(0);
            break;
        case WM_DISPLAYCHANGE:
            OnDisplayChange(window);
            break;
    }
    return ScreenSaverProc(window, message, wParam, lParam);
}

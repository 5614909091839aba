#include "saver_window.h"

#include "password_support.h"
#include "saver_state.h"

const char *const SAVER_CLASS_NAME = "WindowsScreenSaverClass";

namespace {
const char *const FULL_SCREEN_TITLE = "Screen Saver";
const char *const PREVIEW_TITLE = "Preview";
const UINT SAVER_CLASS_STYLE = CS_OWNDC | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW; // 0x2B
const DWORD PREVIEW_STYLE = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;            // 0x52000000
const DWORD FULL_SCREEN_STYLE = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
const int ICON_RESOURCE = 100;

WNDCLASSA SaverWindowClass() {
    WNDCLASSA windowClass = {};
    windowClass.style = SAVER_CLASS_STYLE;
    windowClass.lpfnWndProc = SaverWindowProc;
    windowClass.hInstance = saverState.instance;
    windowClass.hIcon = LoadIconA(saverState.instance, MAKEINTRESOURCEA(ICON_RESOURCE));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = SAVER_CLASS_NAME;
    return windowClass;
}

// Position and size of the window: (0, 0) and the parent's client size in preview.
RECT PreviewPlace(HWND parent) {
    RECT client = {};
    GetClientRect(parent, &client);
    return {0, 0, client.right, client.bottom};
}

// The screen's clip box, as the device context of the whole screen reports it.
RECT ScreenPlace() {
    RECT box = {};
    HDC screen = GetDC(nullptr);
    GetClipBox(screen, &box);
    ReleaseDC(nullptr, screen);
    return box;
}

// A full-screen saver already runs: bring it forward instead of starting another.
int ActivateRunningSaver() {
    HWND running = FindWindowA(SAVER_CLASS_NAME, FULL_SCREEN_TITLE);
    if (running == nullptr || !IsWindow(running))
        return 0;
    SetForegroundWindow(running);
    return 1;
}

HWND CreateSaverWindow(HWND parent, const RECT &place) {
    if (parent)
        return CreateWindowExA(0, SAVER_CLASS_NAME, PREVIEW_TITLE, PREVIEW_STYLE, 0, 0, place.right,
                               place.bottom, parent, nullptr, saverState.instance, nullptr);
    return CreateWindowExA(WS_EX_TOPMOST, SAVER_CLASS_NAME, FULL_SCREEN_TITLE, FULL_SCREEN_STYLE,
                           place.left, place.top, place.right - place.left,
                           place.bottom - place.top, nullptr, nullptr, saverState.instance,
                           nullptr);
}

int RunMessageLoop() {
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : EXIT_NO_WINDOW;
}
} // namespace

void FitToScreen(HWND window) {
    const RECT place = ScreenPlace();
    SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

int RunSaver(HWND parent) {
    WNDCLASSA windowClass = SaverWindowClass();
    RECT place;
    if (parent) {
        place = PreviewPlace(parent);
        saverState.previewMode = 1;
    } else {
        place = ScreenPlace();
        if (ActivateRunningSaver())
            return 0;
        LoadPasswordSupport();
    }
    saverState.autoPlayMessage =
        saverState.win9x ? RegisterWindowMessageA("QueryCancelAutoPlay") : 0;
    if (RegisterClassA(&windowClass))
        saverState.saverWindow = CreateSaverWindow(parent, place);
    int result = EXIT_NO_WINDOW;
    if (saverState.saverWindow) {
        if (!parent)
            SetForegroundWindow(saverState.saverWindow);
        result = RunMessageLoop();
    }
    UnloadPasswordSupport();
    return result;
}

// Windows sends WM_DISPLAYCHANGE when the monitors change; Wine does not when the X server
// rearranges its RandR outputs (a monitor switched off, moved, or two swapped), though it
// lists the new monitors. So the full-screen window also looks for itself, and one path
// serves both.
#include "screen_watch.h"

#include "user32_function.h"

namespace {
const UINT SCREEN_WATCH_PERIOD_MS = 1000;
const DWORD SETTLING_MS = 2000;
enum { MAX_WATCHED_MONITORS = 16 };

typedef BOOL(WINAPI *EnumDisplayMonitorsProc)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);

struct ScreenLook {
    RECT box;           // the screen's clip box
    RECT virtualScreen; // the virtual screen (Wine updates it before the clip box)
    RECT monitors[MAX_WATCHED_MONITORS];
    int count; // every monitor listed, even past the ones kept
};

ScreenLook lastSeen;
DWORD lastChangeTime;
int changeNoted; // 0 until the first change

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data) {
    ScreenLook &look = *reinterpret_cast<ScreenLook *>(data);
    if (look.count < MAX_WATCHED_MONITORS)
        look.monitors[look.count] = *rect;
    ++look.count;
    return TRUE;
}

ScreenLook LookAtScreen() {
    ScreenLook look = {};
    HDC screen = GetDC(nullptr);
    GetClipBox(screen, &look.box);
    ReleaseDC(nullptr, screen);
    look.virtualScreen.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    look.virtualScreen.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    look.virtualScreen.right = look.virtualScreen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    look.virtualScreen.bottom = look.virtualScreen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    EnumDisplayMonitorsProc enumerate = reinterpret_cast<EnumDisplayMonitorsProc>(
        reinterpret_cast<void *>(User32Function("EnumDisplayMonitors")));
    if (enumerate)
        enumerate(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&look));
    return look;
}

bool SameLook(const ScreenLook &a, const ScreenLook &b) {
    if (!EqualRect(&a.box, &b.box) || !EqualRect(&a.virtualScreen, &b.virtualScreen) ||
        a.count != b.count)
        return false;
    for (int n = 0; n < a.count && n < MAX_WATCHED_MONITORS; ++n)
        if (!EqualRect(&a.monitors[n], &b.monitors[n]))
            return false;
    return true;
}
} // namespace

void WatchScreen(HWND window) {
    lastSeen = LookAtScreen();
    SetTimer(window, SCREEN_WATCH_TIMER, SCREEN_WATCH_PERIOD_MS, nullptr);
}

void NoteScreenChange() {
    lastSeen = LookAtScreen();
    lastChangeTime = GetTickCount();
    changeNoted = 1;
}

bool ScreenJustChanged() {
    return changeNoted && GetTickCount() - lastChangeTime < SETTLING_MS;
}

void CheckScreen(HWND window) {
    if (SameLook(LookAtScreen(), lastSeen))
        return;
    HDC screen = GetDC(nullptr);
    const int bitsPerPixel = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    SendMessageA(window, WM_DISPLAYCHANGE, static_cast<WPARAM>(bitsPerPixel),
                 MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
}

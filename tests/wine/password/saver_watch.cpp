#include "saver_watch.h"

#include <vector>

bool WaitForForeground(HWND window, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetForegroundWindow() != window) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        PumpMessages(10);
    }
    return true;
}

void PressShift() {
    keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
}

bool WaitWatchingWindows(ChildProcess &child, DWORD timeoutMs, bool &showedWindow) {
    showedWindow = false;
    DWORD start = GetTickCount();
    for (;;) {
        for (HWND window : ProcessWindows(child.info.dwProcessId, nullptr))
            showedWindow = showedWindow || IsWindowVisible(window);
        if (child.Wait(5))
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
    }
}

bool ScreenChangesOutside(const RECT &excluded, DWORD timeoutMs) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const RECT screen{0, 0, width, height};
    std::vector<uint32_t> first = CaptureScreenArea(screen);
    if (first.empty())
        return false;
    DWORD start = GetTickCount();
    do {
        PumpMessages(100);
        std::vector<uint32_t> now = CaptureScreenArea(screen);
        if (now.size() != first.size())
            continue;
        for (int y = 0; y < height; y++)
            for (int x = 0; x < width; x++) {
                POINT point{x, y};
                size_t at = static_cast<size_t>(y) * width + x;
                if (now[at] != first[at] && !PtInRect(&excluded, point))
                    return true;
            }
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

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

namespace {
struct VisibleSearch {
    DWORD processId;
    bool found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM context) {
    VisibleSearch *search = reinterpret_cast<VisibleSearch *>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window))
        search->found = true;
    return !search->found;
}
} // namespace

bool WaitWatchingWindows(ChildProcess &child, DWORD timeoutMs, bool &showedWindow) {
    showedWindow = false;
    DWORD start = GetTickCount();
    for (;;) {
        VisibleSearch search{child.info.dwProcessId, false};
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        showedWindow = showedWindow || search.found;
        if (child.Wait(5))
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
    }
}

static std::vector<DWORD> CaptureScreen(int width, int height) {
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    if (bits)
        CopyMemory(pixels.data(), bits, pixels.size() * sizeof(DWORD));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

bool ScreenChangesOutside(const RECT &excluded, DWORD timeoutMs) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    std::vector<DWORD> first = CaptureScreen(width, height);
    DWORD start = GetTickCount();
    do {
        PumpMessages(100);
        std::vector<DWORD> now = CaptureScreen(width, height);
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

// Screen snapshots through a 32-bit DIB section.
#include "screen_snapshot.h"

#include <windows.h>

#include <cstring>

ScreenSnapshot TakeScreenSnapshot() {
    ScreenSnapshot snapshot;
    snapshot.width = GetSystemMetrics(SM_CXSCREEN);
    snapshot.height = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = snapshot.width;
    info.bmiHeader.biHeight = -snapshot.height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr && bits != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, snapshot.width, snapshot.height, screen, 0, 0, SRCCOPY);
        GdiFlush();
        snapshot.pixels.resize(static_cast<size_t>(snapshot.width) * snapshot.height);
        std::memcpy(snapshot.pixels.data(), bits, snapshot.pixels.size() * sizeof(uint32_t));
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return snapshot;
}

long ChangedPixels(const ScreenSnapshot &a, const ScreenSnapshot &b) {
    if (a.pixels.size() != b.pixels.size()) {
        return -1;
    }
    long changed = 0;
    for (size_t k = 0; k < a.pixels.size(); ++k) {
        if ((a.pixels[k] & 0xFFFFFF) != (b.pixels[k] & 0xFFFFFF)) {
            ++changed;
        }
    }
    return changed;
}

long LitPixels(const ScreenSnapshot &snapshot) {
    long lit = 0;
    for (uint32_t pixel : snapshot.pixels) {
        if ((pixel & 0xFFFFFF) != 0) {
            ++lit;
        }
    }
    return lit;
}

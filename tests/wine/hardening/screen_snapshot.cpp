// Whole-screen snapshots and their comparison.
#include "screen_snapshot.h"

#include "wine_test_support.h"

ScreenSnapshot TakeScreenSnapshot() {
    ScreenSnapshot snapshot;
    snapshot.width = GetSystemMetrics(SM_CXSCREEN);
    snapshot.height = GetSystemMetrics(SM_CYSCREEN);
    snapshot.pixels = CaptureScreenArea({0, 0, snapshot.width, snapshot.height});
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

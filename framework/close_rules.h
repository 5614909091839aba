// The decisions of the close policy that need no platform: how far the mouse travelled,
// and whether a close request falls into the pause after a password check.
#pragma once

#include <cstdint>

enum : uint32_t {
    MOUSE_CLOSE_THRESHOLD = 4, // travel (x plus y distance) that must be exceeded to close
    VERIFY_PAUSE_MS = 200,     // after a password check, close requests are refused this long
    WM_SAVER_VERIFY = 0x8000,  // the saver window sends itself this to run the password check
};

struct CursorPoint {
    int32_t x;
    int32_t y;
};

// |x distance| + |y distance|, in 32-bit arithmetic that wraps.
uint32_t MouseTravel(CursorPoint from, CursorPoint to);
int TravelCloses(uint32_t travel);

// now - start in unsigned 32-bit arithmetic: right across the wrap of the tick counter.
uint32_t ElapsedTicks(uint32_t start, uint32_t now);

// Whether a close request at `now` falls into the pause after the check that ended at
// lastVerifyTime; 0xFFFFFFFF means no check has run yet.
int InVerifyPause(uint32_t lastVerifyTime, uint32_t now);

#include "close_rules.h"

namespace {
uint32_t Distance(int32_t a, int32_t b) {
    uint32_t difference = static_cast<uint32_t>(a) - static_cast<uint32_t>(b);
    return static_cast<int32_t>(difference) < 0 ? 0u - difference : difference;
}
} // namespace

uint32_t MouseTravel(CursorPoint from, CursorPoint to) {
    return Distance(to.x, from.x) + Distance(to.y, from.y);
}

int TravelCloses(uint32_t travel) {
    return travel > MOUSE_CLOSE_THRESHOLD;
}

uint32_t ElapsedTicks(uint32_t start, uint32_t now) {
    return now - start;
}

int InVerifyPause(uint32_t lastVerifyTime, uint32_t now) {
    return lastVerifyTime != 0xFFFFFFFFu && ElapsedTicks(lastVerifyTime, now) < VERIFY_PAUSE_MS;
}

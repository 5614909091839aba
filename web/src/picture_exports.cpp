// The page's picture as the script uses it: a fresh black picture for a canvas size, a
// tick drawn into it, and the rectangles changed since the script last took them.
#include "page_picture.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstring>

extern "C" {
// From page_exports.cpp: one tick's draw list, and the frog picture.
int32_t sinuet_tick();
const int32_t *sinuet_draw_list();
const uint8_t *sinuet_frog_pixels();
int32_t sinuet_frog_width();
int32_t sinuet_frog_height();
}

namespace {
PagePicture picture = {};

void LoadFrog() {
    picture.frogWidth = sinuet_frog_width();
    picture.frogHeight = sinuet_frog_height();
    picture.frog.resize(static_cast<size_t>(picture.frogWidth) * picture.frogHeight);
    // R, G, B, A bytes are the buffer's pixels as they lie in memory.
    std::memcpy(picture.frog.data(), sinuet_frog_pixels(), picture.frog.size() * 4);
}
} // namespace

extern "C" {

// A black picture of this size, nothing changed; the script copies it whole.
EMSCRIPTEN_KEEPALIVE void sinuet_picture_reset(int32_t width, int32_t height) {
    if (picture.frog.empty()) {
        LoadFrog();
    }
    ResetPagePicture(picture, width, height);
}

EMSCRIPTEN_KEEPALIVE const uint32_t *sinuet_picture_pixels() {
    return picture.buffer.pixels.data();
}

// One tick drawn into the picture.
EMSCRIPTEN_KEEPALIVE void sinuet_draw_tick() {
    const int32_t length = sinuet_tick();
    PaintDrawList(picture, sinuet_draw_list(), static_cast<size_t>(length));
}

// The rectangles changed since the last take; then sinuet_changed_rects gives x, y, width
// and height of each, sinuet_changed_pixels their pixels one after the other.
EMSCRIPTEN_KEEPALIVE int32_t sinuet_take_changes() {
    return TakeChangedRects(picture);
}

EMSCRIPTEN_KEEPALIVE const int32_t *sinuet_changed_rects() {
    return picture.rects.data();
}

EMSCRIPTEN_KEEPALIVE const uint32_t *sinuet_changed_pixels() {
    return picture.packed.data();
}
}

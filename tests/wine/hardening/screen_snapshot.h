// Snapshots of the whole screen, to see from outside that the saver keeps drawing.
#pragma once

#include <cstdint>
#include <vector>

struct ScreenSnapshot {
    int width;
    int height;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, top row first
};

ScreenSnapshot TakeScreenSnapshot();

// Pixels that differ between two snapshots of the same size.
long ChangedPixels(const ScreenSnapshot &a, const ScreenSnapshot &b);

// Pixels that are not black.
long LitPixels(const ScreenSnapshot &snapshot);

// Where the pictures go on a screen with several monitors: one per monitor.
#pragma once

#include "pixel_area.h"

#include <cstdint>
#include <vector>

// The monitors as the server lists them, each cut to the screen of the given size, in
// their order; left out are empty ones and ones that lie within another (a mirrored
// output repeats a monitor; of equal ones the first stays). The whole screen when none
// is left.
std::vector<PixelArea> PicturePlaces(const std::vector<PixelArea> &monitors, int32_t width,
                                     int32_t height);

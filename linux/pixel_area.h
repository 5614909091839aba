// Rectangles of pixels: the pictures' places on the window, and the parts of a picture
// that a tick changed.
#pragma once

#include "segment_clip.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// Left and top are the first pixels inside, right and bottom the first ones past it.
struct PixelArea {
    int32_t left, top, right, bottom;
};

bool IsEmptyArea(const PixelArea &area);
PixelArea CommonArea(const PixelArea &a, const PixelArea &b);

// The smallest area holding both (inline: the painter forms one per line drawn).
inline PixelArea BoundingArea(const PixelArea &a, const PixelArea &b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// The bounding box of the segment's ends widened by `reach` pixels on every side: what a
// pen reaching that far from the line may light.
inline PixelArea SegmentArea(const ShortSegment &segment, int32_t reach) {
    const int32_t left = std::min(segment.x1, segment.x2), right = std::max(segment.x1, segment.x2);
    const int32_t top = std::min(segment.y1, segment.y2), bottom = std::max(segment.y1, segment.y2);
    return {left - reach, top - reach, right + reach + 1, bottom + reach + 1};
}

// The parts of a picture drawn since they were last copied to the window.
struct ChangedAreas {
    std::vector<PixelArea> areas;
};

// Adds an area, cut to the picture's bounds. An area is joined with one already there
// when their bounding box is no larger than the two together, so that overlapping and
// touching boxes become one and nothing far apart is copied between them.
void AddChangedArea(ChangedAreas &changed, PixelArea area, const PixelArea &bounds);

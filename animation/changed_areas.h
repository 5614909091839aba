// The parts of a picture that a tick changed, for a shell that copies only those to its
// window.
#pragma once

#include "client_rect.h"
#include "segment_clip.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// The bounding box of the segment's ends widened by `reach` pixels on every side: what a
// pen reaching that far from the line may light.
inline ClientRect SegmentArea(const ShortSegment &segment, int32_t reach) {
    const int32_t left = std::min(segment.x1, segment.x2), right = std::max(segment.x1, segment.x2);
    const int32_t top = std::min(segment.y1, segment.y2), bottom = std::max(segment.y1, segment.y2);
    return {left - reach, top - reach, right + reach + 1, bottom + reach + 1};
}

// The parts of a picture drawn since they were last copied to the window.
struct ChangedAreas {
    std::vector<ClientRect> areas;
};

// Whether the bounding box of two areas is no larger than the two together.
bool WorthJoiningAreas(const ClientRect &a, const ClientRect &b);

// Adds an area, cut to the picture's bounds. An area is joined with one already there
// when their bounding box is no larger than the two together, so that overlapping and
// touching boxes become one and nothing far apart is copied between them.
void AddChangedArea(ChangedAreas &changed, ClientRect area, const ClientRect &bounds);

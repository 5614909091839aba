// The angles whose sines and cosines one tick of the animation core computes: the floor
// against which the tick is measured.
#pragma once

#include "figures.h"

#include <cstdint>
#include <vector>

// One pass of one figure: `count` consecutive angles from `first` in TickAngles::segment,
// drawn between the radii r1 and r2.
struct TickPass {
    int32_t first;
    int32_t count;
    int32_t r1;
    int32_t r2;
};

struct TickAngles {
    std::vector<double> motion;  // arguments of the motion law's sine, one per figure
    std::vector<double> segment; // segment angles: one sine and one cosine each
    std::vector<TickPass> passes;
};

// Appends the angles of the next tick, from the figure state as it stands (set up, clock
// not yet advanced). It calls UpdateAngle for every figure, which the tick itself repeats
// with the same result.
void CollectTickAngles(FigureState &f, TickAngles &out);

// Empties the lists and keeps their capacity.
void ClearTickAngles(TickAngles &angles);

// The lines the collected segments give by the sweep's rules (points, projection, cull):
// move x, y, line x, y per drawn segment. Used once per benchmark to check that the
// collected angles are the tick's own.
void ExpectedSegments(const FigureState &f, const TickAngles &angles, std::vector<int32_t> &out);

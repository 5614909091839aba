// The tilted "3D" view: a central perspective of the flat picture laid down as a floor.
#pragma once

struct ProjectedPoint {
    double x;
    double y;
};

ProjectedPoint ProjectTilted(double x, double y);

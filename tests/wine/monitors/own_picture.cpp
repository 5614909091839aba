#include "own_picture.h"

#include "figures.h"
#include "sweep.h"
#include "tick.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {
const double PEN_REACH = 3.0; // pixels around a screen pixel that the pen may have reached it from

// The flat point's distance from the centre that the screen pixel shows, in the record's
// window. The tilted view's projection is taken back in closed form.
double FlatRadius(const FigureState &f, double x, double y) {
    const double cx = f.width / 2, cy = f.height / 2, h = f.height;
    if (!saverSettings.view3D)
        return std::hypot(x - cx, y - cy);
    const double t = 0.25 - y / h;
    const double flatY = h * (t * 2.567 - 0.577125) / (t * 0.9397 - 1.15425);
    const double e = h * 2.567 - flatY * 0.9397;
    const double flatX = f.width / 2.0 + (x - cx) * e / (3.0 * h);
    return std::hypot(flatX - cx, flatY - cy);
}

// The band pass draws from innerRadius + inset to outerRadius - inset, which in a band
// narrower than both insets runs inward.
bool WithinBand(const FigureState &f, int32_t i, int x, int y) {
    const int inset = saverSettings.view3D ? 4 : 2;
    const int from = f.innerRadius[i] + inset, to = f.outerRadius[i] - inset;
    double nearest = 1e300, farthest = -1e300;
    for (double dx : {-PEN_REACH, 0.0, PEN_REACH})
        for (double dy : {-PEN_REACH, 0.0, PEN_REACH}) {
            const double r = FlatRadius(f, x + dx, y + dy);
            nearest = std::min(nearest, r);
            farthest = std::max(farthest, r);
        }
    return farthest >= std::min(from, to) && nearest <= std::max(from, to);
}
} // namespace

Verdict JudgeMonitor(const Capture &screen, const Capture &frog) {
    FigureState f = FreshFigures({0, 0, screen.width, screen.height});
    SetUpFiguresWithoutSeeding(f);
    const FrogPlacement place = PlaceFrog(f, frog.width, frog.height);
    std::map<uint32_t, int32_t> figureOf;
    for (int32_t i = FigureCount() - 1; i >= 0; --i)
        figureOf[PixelOf(BandColor(i))] = i;

    Verdict verdict = {FrogMatch(screen, frog, place.x, place.y),
                       FrogMatch(screen, frog, place.x + 3, place.y), 0, 0, 0};
    for (int y = 0; y < screen.height; ++y)
        for (int x = 0; x < screen.width; ++x) {
            const bool onFrog = x >= place.x && x < place.x + frog.width && y >= place.y &&
                                y < place.y + frog.height;
            const uint32_t pixel = screen.At(x, y);
            if (onFrog || pixel == 0)
                continue;
            const auto figure = figureOf.find(pixel);
            if (figure == figureOf.end()) {
                ++verdict.stray;
                continue;
            }
            ++verdict.band;
            verdict.innermost += figure->second == 0;
            verdict.stray += !WithinBand(f, figure->second, x, y);
        }
    return verdict;
}

// Scan line by scan line, the pixels of a scan line that lie inside form one run: the shape is
// convex. A centre P is inside when it lies closer than 1.5 to the segment AB: either its foot lies
// on AB (0 <= (P-A).d <= |d|^2) and its distance from the line is below 1.5
// (4 ((P-A) x d)^2 < 9 |d|^2), or it lies within 1.5 of an end, which for integer centres
// is the 3 x 3 block around that end. Both conditions on the foot are linear in x for a
// given scan line, so each bounds the run by a quotient moving by a fixed step per line:
// kept as quotient and remainder, no division is needed after the first one.
#include "wide_line_raster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {
// Integers [first, last]; empty when first > last.
struct Run {
    int64_t first, last;
};

const Run NOWHERE = {1, 0};

bool IsEmpty(const Run &run) {
    return run.first > run.last;
}

Run Meet(const Run &a, const Run &b) {
    return {std::max(a.first, b.first), std::min(a.last, b.last)};
}

Run Join(const Run &a, const Run &b) {
    if (IsEmpty(a)) {
        return b;
    }
    if (IsEmpty(b)) {
        return a;
    }
    return {std::min(a.first, b.first), std::max(a.last, b.last)};
}

// floor(n / a) for a > 0, as quotient and remainder 0 <= r < a, stepping n by a fixed amount.
struct FloorQuotient {
    int64_t q, r, stepQ, stepR, a;
};

FloorQuotient StartQuotient(int64_t n, int64_t step, int64_t a) {
    FloorQuotient f;
    f.a = a;
    f.q = n / a;
    f.r = n % a;
    if (f.r < 0) {
        f.r += a;
        --f.q;
    }
    f.stepQ = step / a;
    f.stepR = step % a;
    if (f.stepR < 0) {
        f.stepR += a;
        --f.stepQ;
    }
    return f;
}

void Step(FloorQuotient &f) {
    f.q += f.stepQ;
    f.r += f.stepR;
    if (f.r >= f.a) {
        f.r -= f.a;
        ++f.q;
    }
}

// The integers x with lo <= a x + b <= hi (a != 0), scan line after scan line, b growing by
// `step` per line: [ceil((lo - b) / a), floor((hi - b) / a)] for a > 0.
struct Bound {
    FloorQuotient first, last;
};

Bound StartBound(int64_t a, int64_t b, int64_t step, int64_t lo, int64_t hi) {
    if (a < 0) {
        return StartBound(-a, -b, -step, -hi, -lo);
    }
    // ceil(m / a) = floor((m + a - 1) / a)
    return {StartQuotient(lo - b + a - 1, -step, a), StartQuotient(hi - b, -step, a)};
}

// The largest s with s * s <= n, for 0 <= n < 2^62.
int64_t SquareRootDown(int64_t n) {
    int64_t s = static_cast<int64_t>(std::sqrt(static_cast<double>(n)));
    while (s > 0 && s * s > n) {
        --s;
    }
    while ((s + 1) * (s + 1) <= n) {
        ++s;
    }
    return s;
}

// The 3 x 3 block around an end, on the given row.
Run EndBlock(int64_t x, int64_t y, int64_t row) {
    return row >= y - 1 && row <= y + 1 ? Run{x - 1, x + 1} : NOWHERE;
}

// The pixels of the line from (u1, v1) to (u2, v2) scan line by scan line: v numbers the
// lines (0 .. vCount - 1), u the pixels along one (0 .. uCount - 1). Calls
// fill(v, first, last) for each run and returns the bounding box of the runs, in (u, v) as
// (left, top, right, bottom). Rows are scan lines one way, columns the other: the lines
// are scanned across their shorter extent, so each scan line holds a longer run.
template <typename Fill>
ClientRect Scan(int64_t u1, int64_t v1, int64_t u2, int64_t v2, int32_t uCount, int32_t vCount,
                Fill fill) {
    const int64_t du = u2 - u1, dv = v2 - v1;
    const int64_t length2 = du * du + dv * dv;
    // |(P-A) x d| <= reach  <=>  4 ((P-A) x d)^2 < 9 |d|^2. Equality cannot occur: it needs
    // |d|^2 = 4 k^2 with 3 k = 2 |(P-A) x d|, so d's parts are even, so k is, and so on down.
    const int64_t reach = SquareRootDown(9 * length2) / 2;
    const int64_t first = std::max<int64_t>(std::min(v1, v2) - 1, 0);
    const int64_t last = std::min<int64_t>(std::max(v1, v2) + 1, int64_t{vCount} - 1);
    // On scan line v, with U = u - u1 and V = v - v1: 0 <= U du + V dv <= |d|^2 and
    // -reach <= U dv - V du <= reach; in u itself, b is shifted by -u1 du or -u1 dv.
    const int64_t v0 = first - v1;
    Bound along = {}, across = {};
    if (dv != 0) { // then du != 0 too: the scan lines run along the longer extent
        along = StartBound(du, v0 * dv - u1 * du, dv, 0, length2);
        across = StartBound(dv, -v0 * du - u1 * dv, -du, -reach, reach);
    }
    const Run inside = {0, int64_t{uCount} - 1};
    Run lit = NOWHERE;
    int64_t litFirst = 0, litLast = 0;
    for (int64_t v = first; v <= last; ++v) {
        // A line along the scan lines (or a point) is its end blocks' bounding box.
        Run run = dv != 0 ? Run{std::max(along.first.q, across.first.q),
                                std::min(along.last.q, across.last.q)}
                          : Run{std::min(u1, u2) - 1, std::max(u1, u2) + 1};
        Step(along.first);
        Step(along.last);
        Step(across.first);
        Step(across.last);
        run = Meet(Join(run, Join(EndBlock(u1, v1, v), EndBlock(u2, v2, v))), inside);
        if (IsEmpty(run)) {
            continue;
        }
        fill(v, run.first, run.last);
        if (IsEmpty(lit)) {
            litFirst = v;
        }
        lit = Join(lit, run);
        litLast = v;
    }
    if (IsEmpty(lit)) {
        return {0, 0, 0, 0};
    }
    return {static_cast<int32_t>(lit.first), static_cast<int32_t>(litFirst),
            static_cast<int32_t>(lit.last) + 1, static_cast<int32_t>(litLast) + 1};
}
} // namespace

ClientRect DrawWideLine(PixelBuffer &buffer, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                        uint32_t pixel) {
    uint32_t *pixels = buffer.pixels.data();
    const ptrdiff_t width = buffer.width;
    const int64_t dx = int64_t{x2} - x1, dy = int64_t{y2} - y1;
    if ((dx < 0 ? -dx : dx) < (dy < 0 ? -dy : dy)) { // steep: column by column
        const ClientRect lit = Scan(y1, x1, y2, x2, buffer.height, buffer.width,
                                    [&](int64_t x, int64_t top, int64_t bottom) {
                                        for (uint32_t *p = pixels + top * width + x,
                                                      *end = pixels + bottom * width + x;
                                             p <= end; p += width) {
                                            *p = pixel;
                                        }
                                    });
        return {lit.top, lit.left, lit.bottom, lit.right};
    }
    return Scan(x1, y1, x2, y2, buffer.width, buffer.height,
                [&](int64_t y, int64_t left, int64_t right) {
                    std::fill(pixels + y * width + left, pixels + y * width + right + 1, pixel);
                });
}

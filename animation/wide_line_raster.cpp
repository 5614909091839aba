// Row by row, the pixels of a row that lie inside form one run: the shape is convex. A
// centre P is inside when it lies closer than 1.5 to the segment AB: either its foot lies
// on AB (0 <= (P-A).d <= |d|^2) and its distance from the line is below 1.5
// (4 ((P-A) x d)^2 < 9 |d|^2), or it lies within 1.5 of an end, which for integer centres
// is the 3 x 3 block around that end.
#include "wide_line_raster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {
// Integers x with lo <= a*x + b <= hi, as [first, last]; empty when first > last.
struct Run {
    int64_t first, last;
};

int64_t FloorDiv(int64_t n, int64_t d) { // d > 0
    const int64_t q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}

int64_t CeilDiv(int64_t n, int64_t d) { // d > 0
    const int64_t q = n / d;
    return (n % d != 0 && n > 0) ? q + 1 : q;
}

const Run EVERYWHERE = {INT64_MIN / 4, INT64_MAX / 4};
const Run NOWHERE = {1, 0};

Run Solve(int64_t a, int64_t b, int64_t lo, int64_t hi) {
    if (a == 0) {
        return lo <= b && b <= hi ? EVERYWHERE : NOWHERE;
    }
    if (a < 0) {
        return Solve(-a, -b, -hi, -lo);
    }
    return {CeilDiv(lo - b, a), FloorDiv(hi - b, a)};
}

Run Meet(const Run &a, const Run &b) {
    return {std::max(a.first, b.first), std::min(a.last, b.last)};
}

bool IsEmpty(const Run &run) {
    return run.first > run.last;
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

// The 3 x 3 block around an end, on row y.
Run EndBlock(int64_t x, int64_t y, int64_t row) {
    return row >= y - 1 && row <= y + 1 ? Run{x - 1, x + 1} : NOWHERE;
}
} // namespace

PixelRect DrawWideLine(PixelBuffer &buffer, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                       uint32_t pixel) {
    const int64_t dx = int64_t{x2} - x1, dy = int64_t{y2} - y1;
    const int64_t length2 = dx * dx + dy * dy;
    // |(P-A) x d| <= reach  <=>  4 ((P-A) x d)^2 < 9 |d|^2. Equality cannot occur: it needs
    // |d|^2 = 4 k^2 with 3 k = 2 |(P-A) x d|, so d's parts are even, so k is, and so on down.
    const int64_t reach = SquareRootDown(9 * length2) / 2;
    const int32_t top = std::max<int32_t>(std::min(y1, y2) - 1, 0);
    const int32_t bottom = std::min<int32_t>(std::max(y1, y2) + 1, buffer.height - 1);
    PixelRect lit = {0, 0, 0, 0};
    for (int32_t y = top; y <= bottom; ++y) {
        const int64_t rise = int64_t{y} - y1;
        Run run = NOWHERE;
        if (length2 != 0) {
            // With X = x - x1: 0 <= X dx + rise dy <= |d|^2 and -reach <= X dy - rise dx <= reach.
            run = Meet(Solve(dx, rise * dy, 0, length2), Solve(dy, -rise * dx, -reach, reach));
            run = IsEmpty(run) ? NOWHERE : Run{run.first + x1, run.last + x1};
        }
        run = Join(run, Join(EndBlock(x1, y1, y), EndBlock(x2, y2, y)));
        run = Meet(run, {0, int64_t{buffer.width} - 1});
        if (IsEmpty(run)) {
            continue;
        }
        uint32_t *row = buffer.pixels.data() + static_cast<ptrdiff_t>(y) * buffer.width;
        std::fill(row + run.first, row + run.last + 1, pixel);
        const PixelRect span = {static_cast<int32_t>(run.first), y,
                                static_cast<int32_t>(run.last) + 1, y + 1};
        lit = lit.right <= lit.left ? span
                                    : PixelRect{std::min(lit.left, span.left), lit.top,
                                                std::max(lit.right, span.right), span.bottom};
    }
    return lit;
}

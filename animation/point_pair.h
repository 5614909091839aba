// Two doubles in one SSE2 vector: a point [x, y], handled lane by lane. Every operation
// rounds each lane as the same scalar operation would.
#pragma once

#include <emmintrin.h>

#include <cstdint>

typedef double PointPair __attribute__((vector_size(16)));

inline PointPair BothLanes(double value) {
    return PointPair{value, value};
}

// Whether low < lane < high holds in both lanes; a lane that is not a number fails.
inline int BothBetween(PointPair value, PointPair low, PointPair high) {
    const __m128d inside = _mm_and_pd(_mm_cmpgt_pd(value, low), _mm_cmplt_pd(value, high));
    return _mm_movemask_pd(inside) == 3 ? 1 : 0;
}

// Both lanes truncated toward zero, as 32-bit integers in the low half of the result.
// Each lane must lie strictly between -2^31 - 1 and 2^31.
inline __m128i TruncateBoth(PointPair value) {
    return _mm_cvttpd_epi32(value);
}

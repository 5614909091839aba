// The animation's own pseudo-random generator: a 32-bit linear congruential generator
// whose bits 16..30 give integers uniform over 0..32767.
#include "figures.h"

static uint32_t randomState = 1;

void SeedRandom(uint32_t seed) {
    randomState = seed;
}

int32_t NextRandom() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int32_t>((randomState >> 16) & 0x7FFFu);
}

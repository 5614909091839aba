// Reading a fuzz input front to back in a fixed layout, so that seed inputs can be written
// by hand. Bytes past the end read as 0.
#pragma once

#include <cstddef>
#include <cstdint>

struct FuzzInput {
    const uint8_t *data;
    size_t size;
    size_t position;
};

inline uint8_t TakeByte(FuzzInput &input) {
    return input.position < input.size ? input.data[input.position++] : 0;
}

// `bytes` (1..8) bytes, least significant first.
inline uint64_t TakeNumber(FuzzInput &input, int bytes) {
    uint64_t number = 0;
    for (int k = 0; k < bytes; ++k) {
        number |= static_cast<uint64_t>(TakeByte(input)) << (8 * k);
    }
    return number;
}

// Up to `count` bytes from the current position; returns how many there were.
inline size_t TakeBytes(FuzzInput &input, size_t count, const uint8_t *&bytes) {
    const size_t left = input.size - input.position;
    const size_t taken = count < left ? count : left;
    bytes = input.data + input.position;
    input.position += taken;
    return taken;
}

// resources/frog.bmp, embedded at build time (see embed_bytes.cmake).
#pragma once

#include <cstddef>

extern const unsigned char FROG_BMP[];
extern const size_t FROG_BMP_SIZE;

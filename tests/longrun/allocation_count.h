// Counts every operator new of the program that links allocation_count.cpp, which replaces
// the global allocation operators.
#pragma once

#include <cstdint>

uint64_t AllocationCount();

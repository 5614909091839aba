// The window handle that a command-line switch gives as a decimal number.
#pragma once

#include <cstdint>

// Digits "0".."9" from the start of the text, in unsigned 32-bit arithmetic that wraps;
// the first other byte ends the number. No sign, blanks or hexadecimal: 0 if the text does
// not begin with a digit.
uint32_t ParseDecimalHandle(const char *text);

// The number as a pointer-sized handle value. Window handles carry 32 significant bits;
// a 64-bit process widens them by sign extension, as for handles from a 32-bit process.
intptr_t HandleValue(uint32_t number);

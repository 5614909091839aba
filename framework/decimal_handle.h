// The window handle that a command-line switch gives as a decimal number.
#pragma once

#include <cstdint>

// Digits "0".."9" from the start of the text, in unsigned 32-bit arithmetic that wraps;
// the first other byte ends the number. No sign, blanks or hexadecimal: 0 if the text does
// not begin with a digit.
uint32_t ParseDecimalHandle(const char *text);

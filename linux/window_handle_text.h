// Window ids as text: "0x" and hex digits, or decimal (XSCREENSAVER_WINDOW, --window-id).
#pragma once

// False when the text is empty, holds anything else, is 0 or does not fit in 32 bits
// (X ids are 29-bit values).
bool ParseWindowHandle(const char *text, unsigned long &window);

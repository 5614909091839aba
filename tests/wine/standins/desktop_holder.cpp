// Holds the Wine desktop for a whole test session. The desktop's first program starts
// Wine's explorer, which takes about ten seconds, and explorer quits some seconds after
// the last program on the desktop has ended, so without a holder every pause between
// tests can cost another start. Run once in the background; stopping the wineserver ends
// it.
#include <windows.h>

int main() {
    if (!GetDesktopWindow())
        return 1;
    Sleep(INFINITE);
    return 0;
}

// Returns the platform's screen-saver running state as a fresh process sees it (Wine keeps
// it per process once read) as exit code: 0 or 1, 2 when the query fails.
#include <windows.h>

int main() {
    BOOL running = FALSE;
    if (!SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0))
        return 2;
    return running ? 1 : 0;
}

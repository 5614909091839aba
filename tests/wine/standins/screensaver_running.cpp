// Prints the platform's screen-saver running state as a fresh process sees it (Wine keeps
// it per process once read) and returns it as exit code: 0 or 1, 2 when the query fails.
#include <windows.h>

#include <cstdio>

int main() {
    BOOL running = FALSE;
    if (!SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0)) {
        std::puts("query failed");
        return 2;
    }
    std::printf("%d\n", running ? 1 : 0);
    return running ? 1 : 0;
}

// The GUI entry that the run-time start-up calls. Its arguments are not used: SaverEntry
// reads the command line anew and ends the process itself.
#include "saver_main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    SaverEntry();
}

#include "dpi_request.h"

DpiRequest DpiRequestOf(SaverMode mode) {
    return mode == MODE_FULL_SCREEN ? DPI_PER_MONITOR_2 : DPI_AS_MANIFEST;
}

#include "dpi_request.h"

#include <gtest/gtest.h>

namespace {
// Only a full-screen start asks for per-monitor awareness; the preview, both kinds of dialog,
// the change-password mode and an unknown switch keep the manifest's.
TEST(DpiRequest, OnlyFullScreenAsksForPerMonitorAwareness) {
    const struct {
        const char *tail;
        int win9x;
        DpiRequest request;
    } cases[] = {{"/s", 0, DPI_PER_MONITOR_2},    {"S junk", 1, DPI_PER_MONITOR_2},
                 {"/p 1234", 0, DPI_AS_MANIFEST}, {"/l 1234", 0, DPI_AS_MANIFEST},
                 {"/c:1234", 0, DPI_AS_MANIFEST}, {"", 0, DPI_AS_MANIFEST},
                 {"/a 12", 1, DPI_AS_MANIFEST},   {"/x", 0, DPI_AS_MANIFEST}};
    for (const auto &c : cases)
        EXPECT_EQ(DpiRequestOf(DecideMode(c.tail, c.win9x).mode), c.request)
            << '"' << c.tail << '"';
}
} // namespace

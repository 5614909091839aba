#include "monitor_areas.h"

#include "picture_areas.h"
#include "win32/user32_function.h"

namespace {
typedef BOOL(WINAPI *EnumDisplayMonitorsProc)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);

// Monitor rectangles in virtual-screen coordinates; more than a desk ever has.
enum { MAX_MONITORS_LISTED = 64 };
struct MonitorList {
    ClientRect rect[MAX_MONITORS_LISTED];
    int32_t count;
};

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data) {
    MonitorList &list = *reinterpret_cast<MonitorList *>(data);
    if (list.count < MAX_MONITORS_LISTED)
        list.rect[list.count++] = {rect->left, rect->top, rect->right, rect->bottom};
    return TRUE;
}

void ListMonitors(MonitorList &list) {
    EnumDisplayMonitorsProc enumerate = reinterpret_cast<EnumDisplayMonitorsProc>(
        reinterpret_cast<void *>(User32Function("EnumDisplayMonitors")));
    if (enumerate && !enumerate(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&list)))
        list.count = 0;
}
} // namespace

int32_t SaverPictureAreas(HWND window, int perMonitor, ClientRect *areas) {
    RECT client = {};
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    MonitorList list;
    list.count = 0;
    if (perMonitor)
        ListMonitors(list);
    return PictureAreas(list.rect, list.count, origin.x, origin.y, client.right, client.bottom,
                        areas);
}

// The animation's handler of the saver window: settings, frog picture and tick timer at
// creation, one tick per timer message, a fresh start when the screen changes, clean-up at
// destruction. Every message then goes to the framework's DefaultSaverProc.
#include "saver_api.h"

#include "figures.h"
#include "gdi_context.h"
#include "monitor_areas.h"
#include "picture_areas.h"
#include "saver_state.h"
#include "settings.h"
#include "tick.h"

namespace {
const UINT_PTR TICK_TIMER = 207;
const UINT TICK_PERIOD_MS = 40;

// The pictures drawn on the saver window: one per monitor in full screen, one in the
// preview. Each record's clientRect is its area of the window's client area.
FigureState pictures[MAX_PICTURES] = {FreshFigures({0, 0, 0, 0})};
int32_t pictureCount = 1;

HBITMAP frogBitmap = nullptr;

// Fresh pictures for the window's areas as they are now; the next tick sets them up.
void LayOutPictures(HWND window) {
    ClientRect areas[MAX_PICTURES];
    pictureCount = SaverPictureAreas(window, !saverState.previewMode, areas);
    for (int32_t n = 0; n < pictureCount; ++n)
        pictures[n] = FreshFigures(areas[n]);
}

void OnCreate(HWND window) {
    LoadSettings();
    frogBitmap = LoadBitmapA(saverState.instance, "IDB_FROG");
    SetTimer(window, TICK_TIMER, TICK_PERIOD_MS, nullptr);
    LayOutPictures(window);
}

// The last figure's erasing pen is still selected in the window's own context: put the
// stock pen back and free it.
void FreeSelectedPen(HWND window) {
    HDC context = GetDC(window);
    DeleteObject(SelectObject(context, GetStockObject(BLACK_PEN)));
    ReleaseDC(window, context);
}

void OnDestroy(HWND window) {
    KillTimer(window, TICK_TIMER);
    DeleteObject(frogBitmap);
    FreeSelectedPen(window);
}

// The screen changed: every monitor starts afresh on a black window, from a new list of
// monitors. The preview keeps its one picture.
void OnDisplayChange(HWND window) {
    if (saverState.previewMode)
        return;
    LayOutPictures(window);
    RECT client = {};
    GetClientRect(window, &client);
    HDC context = GetDC(window);
    FillRect(context, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(window, context);
}

// The target is the window's context. Several pictures are each clipped to their own area,
// so that no line reaches a neighbour; a single picture is drawn unclipped. A picture draws
// with its area's top-left corner as its origin.
void StartPicture(void *target, int32_t, const FigureState &picture) {
    GdiTarget &gdi = *static_cast<GdiTarget *>(target);
    const ClientRect &area = picture.clientRect;
    if (pictureCount > 1) {
        SelectClipRgn(gdi.dc, nullptr);
        IntersectClipRect(gdi.dc, area.left, area.top, area.right, area.bottom);
    }
    gdi = {gdi.dc, {}, area.left, area.top};
}

// Copies the frog picture into the picture's area when this tick shows it. A picture that
// failed to load is skipped.
void DrawFrog(void *target, int32_t, const FigureState &picture) {
    const HDC context = static_cast<GdiTarget *>(target)->dc;
    BITMAP bitmap;
    if (frogBitmap == nullptr || !GetObjectA(frogBitmap, sizeof bitmap, &bitmap))
        return;
    HDC memory = CreateCompatibleDC(context);
    HGDIOBJ previous = SelectObject(memory, frogBitmap);
    if (FrogDueThisTick(picture)) {
        FrogPlacement place = PlaceFrog(picture, bitmap.bmWidth, bitmap.bmHeight);
        BitBlt(context, picture.clientRect.left + place.x, picture.clientRect.top + place.y,
               bitmap.bmWidth, bitmap.bmHeight, memory, 0, 0, SRCCOPY);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
}

// The window's own context keeps no clip between ticks.
void OnTick(HWND window) {
    GdiTarget target = {GetDC(window), {}, 0, 0};
    TickPictures(pictures, pictureCount,
                 {GdiDrawingContext(target), &target, StartPicture, DrawFrog});
    if (pictureCount > 1)
        SelectClipRgn(target.dc, nullptr);
    ReleaseDC(window, target.dc);
}
} // namespace

extern "C" LRESULT WINAPI ScreenSaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate(window);
            break;
        case WM_DESTROY:
            OnDestroy(window);
            break;
        case WM_TIMER:
            OnTick(window);
            break;
        case WM_DISPLAYCHANGE:
            OnDisplayChange(window);
            break;
    }
    return DefaultSaverProc(window, message, wParam, lParam);
}

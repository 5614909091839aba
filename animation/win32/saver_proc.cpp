// The animation's handler of the saver window: settings, frog picture and tick timer at
// creation, one tick per timer message, clean-up at destruction. Every message then goes
// to the framework's DefaultSaverProc.
#include "saver_api.h"

#include "figures.h"
#include "gdi_context.h"
#include "saver_state.h"
#include "settings.h"
#include "tick.h"

namespace {
const UINT_PTR TICK_TIMER = 207;
const UINT TICK_PERIOD_MS = 40;

// The figures drawn on the saver window.
FigureState figureState = FreshFigures({0, 0, 0, 0});

HBITMAP FrogBitmap() {
    return static_cast<HBITMAP>(figureState.frogBitmap);
}

void OnCreate(HWND window) {
    LoadSettings();
    figureState.frogBitmap = LoadBitmapA(saverState.instance, "IDB_FROG");
    SetTimer(window, TICK_TIMER, TICK_PERIOD_MS, nullptr);
    RECT client;
    GetClientRect(window, &client);
    figureState.clientRect = {client.left, client.top, client.right, client.bottom};
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
    DeleteObject(FrogBitmap());
    FreeSelectedPen(window);
}

// Copies the frog picture onto the window when this tick shows it. A picture that failed
// to load is skipped.
void DrawFrog(HDC context) {
    BITMAP picture;
    if (FrogBitmap() == nullptr || !GetObjectA(FrogBitmap(), sizeof picture, &picture))
        return;
    HDC memory = CreateCompatibleDC(context);
    HGDIOBJ previous = SelectObject(memory, FrogBitmap());
    if (FrogDueThisTick(figureState)) {
        FrogPlacement place = PlaceFrog(figureState, picture.bmWidth, picture.bmHeight);
        BitBlt(context, place.x, place.y, picture.bmWidth, picture.bmHeight, memory, 0, 0, SRCCOPY);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
}

void OnTick(HWND window) {
    if (figureState.firstTick == 1)
        SetUpFigures(figureState);
    HDC context = GetDC(window);
    DrawFrog(context);
    GdiTarget target = {context, {}};
    DrawFigures(GdiDrawingContext(target), figureState);
    FinishTick(figureState);
    ReleaseDC(window, context);
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
    }
    return DefaultSaverProc(window, message, wParam, lParam);
}

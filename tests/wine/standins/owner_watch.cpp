#include "owner_watch.h"
#include "standin_record.h"
#include "standins.h"

static HHOOK watchHook;
static HWND watchedOwner;
static bool checking;

static void RecordOwnerMessage(UINT message) {
    if (message == WM_CLOSE)
        RecordNumber("LastCloseTick", GetTickCount());
    if (!checking)
        return;
    if (message == WM_CLOSE)
        CountCall("ClosesWhileChecking");
    else if (message == WM_TIMER)
        CountCall("TicksWhileChecking");
    else if (message >= STANDIN_MARKER_BASE && message < 0xC000)
        RecordNumber("LastMarker", message);
}

static LRESULT CALLBACK WatchOwnerMessages(int code, WPARAM removal, LPARAM lParam) {
    const MSG *message = reinterpret_cast<const MSG *>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && message->hwnd == watchedOwner)
        RecordOwnerMessage(message->message);
    return CallNextHookEx(watchHook, code, removal, lParam);
}

void StartOwnerWatch(HWND owner) {
    watchedOwner = owner;
    checking = true;
    if (!watchHook)
        watchHook =
            SetWindowsHookExA(WH_GETMESSAGE, WatchOwnerMessages, nullptr, GetCurrentThreadId());
}

void StopOwnerWatch() {
    checking = false;
}

void EndOwnerWatch() {
    if (watchHook)
        UnhookWindowsHookEx(watchHook);
    watchHook = nullptr;
    watchedOwner = nullptr;
    checking = false;
}

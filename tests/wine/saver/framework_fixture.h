// In-process tests of the framework's window procedure and close policy. The framework's
// objects are linked into the test program with a recording ScreenSaverProc in place of the
// animation's, so that "passed on" can be seen, and `saverState` is set as each case needs.
#pragma once

#include "saver_api.h"
#include "saver_state.h"
#include "saver_window.h"

#include <gtest/gtest.h>

#include <vector>

// Messages that reached ScreenSaverProc, in order.
extern std::vector<UINT> passedOn;

// WM_HELP and WM_CONTEXTMENU as the preview's host window received them: `time` is 1 when
// the message was sent, and for WM_HELP `lParam` holds the HELPINFO's iCtrlId.
extern std::vector<MSG> hostReceived;

class SaverWindowTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A saver window of the real class: full screen (a popup, small and not topmost so that
    // it does not disturb the desktop) or a preview child of `host`.
    HWND CreateFullScreen();
    HWND CreatePreview();

    // Removes the posted WM_CLOSE requests from the queue and returns how many there were.
    int TakeCloseRequests();
    // Removes the posted messages in the range (and a pending WM_QUIT, which a filtered
    // PeekMessage returns too) and returns how many in the range there were for the saver
    // window or the thread.
    int TakeMessages(UINT first, UINT last);

    HWND host = nullptr;
    HWND window = nullptr;
};

// The real saver full screen with 50 figures in the tilted view for over two minutes while
// bursts of messages that are no input arrive: it keeps drawing, holds its GDI object count
// flat, and closes on the first real input afterwards.
#include "gdi_object_count.h"
#include "screen_snapshot.h"
#include "settings.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

const DWORD RUN_MS = 122000; // from the window's appearance to the first input
const DWORD BURST_EVERY_MS = 250;
const DWORD SNAPSHOT_EVERY_MS = 15000;
// The GDI count is the lowest of many samples over a second and a half: a busy saver is
// mostly inside a tick, which holds a band pen or a memory context for a moment.
const int SAMPLES = 100;
const DWORD SAMPLE_EVERY_MS = 15;

void StoreSettings(const SaverSettings &settings) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    for (int value = 0; value < SETTING_VALUE_COUNT; ++value) {
        char data[16];
        const DWORD size = EncodeSettingValue(settings, static_cast<SettingValue>(value), data);
        RegSetValueExA(key, SETTING_VALUE_NAMES[value], 0, REG_SZ,
                       reinterpret_cast<const BYTE *>(data), size);
    }
    RegCloseKey(key);
}

// One message of a burst: sent and waited for, or posted to the saver's queue.
struct BurstMessage {
    UINT message;
    WPARAM wParam;
    bool post;
};

// None of these is input or closes the saver: refused system commands, paint requests,
// messages the saver does not know, and timer messages of ids other than its own 207.
const BurstMessage BURST[] = {
    {WM_SYSCOMMAND, SC_SCREENSAVE, false},
    {WM_SYSCOMMAND, SC_NEXTWINDOW, false},
    {WM_SYSCOMMAND, SC_PREVWINDOW, false},
    {WM_SYSCOMMAND, SC_SCREENSAVE, true},
    {WM_PAINT, 0, false},
    {WM_PAINT, 0, true},
    {WM_NULL, 0, false},
    {WM_USER + 7, 1, true},
    {0x7FFF, 2, false},
    {WM_APP + 1, 3, true},
    {0xBFFF, 4, false},
    {0xC123, 5, true},
    {0xFFFF, 6, false},
    {WM_TIMER, 1, false},
    {WM_TIMER, 208, true},
    {WM_TIMER, 0, false},
    {WM_TIMER, 0xFFFF, true},
};

struct BurstCounts {
    long bursts;
    long messages;
    long timerMessages;
    long unanswered; // sent messages that timed out
};

void SendBurst(HWND window, BurstCounts &counts) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Hardening"),
                             SMTO_NORMAL, 5000, &result)) {
        ++counts.unanswered;
    }
    ++counts.messages;
    for (const BurstMessage &m : BURST) {
        if (m.post) {
            PostMessageA(window, m.message, m.wParam, 0);
        } else if (!SendMessageTimeoutA(window, m.message, m.wParam, 0, SMTO_NORMAL, 5000,
                                        &result)) {
            ++counts.unanswered;
        }
        ++counts.messages;
        if (m.message == WM_TIMER) {
            ++counts.timerMessages;
        }
    }
    ++counts.bursts;
}

// Removes the settings key when the test ends, however it ends.
struct SettingsKeyRemoval {
    ~SettingsKeyRemoval() { DeleteSettingsKey(); }
};

TEST(HardeningLongRun, DrawsThroughMessageBurstsKeepsGdiFlatAndClosesOnInput) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (screenWidth != 1920 || screenHeight != 1080) {
        GTEST_SKIP() << "needs a 1920x1080 screen (SINUET_SCREEN=1920x1080), not " << screenWidth
                     << "x" << screenHeight;
    }
    DeleteSettingsKey();
    const SettingsKeyRemoval removal;
    SaverSettings settings;
    SetDefaultSettings(settings);
    settings.count = 50;
    settings.loopsPerMinute = 10;
    settings.view3D = 1;
    StoreSettings(settings);

    // Wine knows where the pointer is only after a first real motion.
    SetCursorPos(300, 300);
    SetCursorPos(310, 310);
    Sleep(200);

    ChildProcess saver;
    ASSERT_TRUE(StartSaver("/s", saver));
    const HWND window = WaitForWindow(SAVER_CLASS, FULL_SCREEN_TITLE, 20000);
    ASSERT_NE(window, nullptr);
    const DWORD started = GetTickCount();

    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, screenWidth);
    EXPECT_EQ(client.bottom, screenHeight);

    Sleep(4000); // the first ticks, the frog picture
    const char *method = "";
    GdiObjectCount(saver.info.hProcess, &method);
    const long gdiAtStart = SteadyGdiObjectCount(saver.info.hProcess, SAMPLES, SAMPLE_EVERY_MS);
    ASSERT_GT(gdiAtStart, 0) << "no way to count the saver's GDI objects";

    BurstCounts counts{};
    ScreenSnapshot previous = TakeScreenSnapshot();
    DWORD lastSnapshot = GetTickCount();
    int snapshots = 0;
    int stillSnapshots = 0;
    while (GetTickCount() - started < RUN_MS) {
        ASSERT_TRUE(IsWindow(window)) << "closed after " << counts.bursts << " bursts";
        SendBurst(window, counts);
        if (GetTickCount() - lastSnapshot >= SNAPSHOT_EVERY_MS) {
            const ScreenSnapshot now = TakeScreenSnapshot();
            ++snapshots;
            if (ChangedPixels(previous, now) <= 0) {
                ++stillSnapshots;
            }
            previous = now;
            lastSnapshot = GetTickCount();
        }
        Sleep(BURST_EVERY_MS);
    }
    EXPECT_GE(snapshots, 7);
    EXPECT_EQ(stillSnapshots, 0) << "the picture stood still between snapshots";
    EXPECT_EQ(counts.unanswered, 0);

    // Still running and drawing once the bursts are over.
    Sleep(3000);
    ASSERT_TRUE(IsWindow(window));
    ASSERT_EQ(saver.ExitCode(), static_cast<DWORD>(STILL_ACTIVE));
    const ScreenSnapshot before = TakeScreenSnapshot();
    Sleep(1000);
    const ScreenSnapshot after = TakeScreenSnapshot();
    EXPECT_GT(ChangedPixels(before, after), 0);
    EXPECT_GT(LitPixels(after), 0);

    const long gdiAtEnd = SteadyGdiObjectCount(saver.info.hProcess, SAMPLES, SAMPLE_EVERY_MS);
    EXPECT_EQ(gdiAtEnd, gdiAtStart);

    // The first real input: the pointer moves well beyond the close threshold.
    POINT cursor{};
    GetCursorPos(&cursor);
    const DWORD inputAt = GetTickCount();
    SetCursorPos(cursor.x + 40, cursor.y + 40);
    EXPECT_TRUE(saver.Wait(20000)) << "still running after the first input";
    const DWORD closedAfter = GetTickCount() - inputAt;
    EXPECT_EQ(saver.ExitCode(), 0u);
    const DWORD ranMs = GetTickCount() - started;

    std::printf("hardening long run: %dx%d screen, 50 figures tilted, %lu ms running, "
                "%ld bursts of %ld messages (%ld timer messages of other ids), "
                "%d snapshots all changing, GDI objects %ld at start and %ld at end (%s), "
                "closed %lu ms after the first input\n",
                screenWidth, screenHeight, static_cast<unsigned long>(ranMs), counts.bursts,
                counts.messages, counts.timerMessages, snapshots - stillSnapshots, gdiAtStart,
                gdiAtEnd, method, static_cast<unsigned long>(closedAfter));
}

} // namespace

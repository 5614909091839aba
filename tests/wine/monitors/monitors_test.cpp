// The real saver full screen on an X server with several monitors that Wine sees as such.
// tools/test-all.sh starts one server per layout and names the layout in SINUET_MONITORS;
// without it the cases are skipped. Every monitor shows its own picture in both views, a
// display change starts every monitor afresh, and a long run keeps the GDI objects balanced.
#include "gdi_object_count.h"
#include "own_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <cstdlib>
#include <string>
#include <tuple>

// Found by argument lookup, so in the rectangle's own (global) namespace.
static bool operator<(const RECT &a, const RECT &b) {
    return std::tie(a.left, a.top, a.right, a.bottom) < std::tie(b.left, b.top, b.right, b.bottom);
}
static bool operator==(const RECT &a, const RECT &b) {
    return EqualRect(&a, &b) != 0;
}
static void PrintTo(const RECT &r, std::ostream *out) {
    *out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

struct Layout {
    const char *name;
    std::vector<RECT> monitors; // as Wine places them: the primary at (0, 0)
};
const Layout LAYOUTS[] = {
    {"two", {{0, 0, 1024, 768}, {1024, 0, 1824, 600}}},
    {"three", {{0, 0, 1024, 768}, {-800, 0, 0, 600}, {0, 768, 640, 1248}}},
};

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM list) {
    reinterpret_cast<std::vector<RECT> *>(list)->push_back(*rect);
    return TRUE;
}

std::vector<RECT> Sorted(std::vector<RECT> rects) {
    std::sort(rects.begin(), rects.end());
    return rects;
}

RECT VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// Waits until the window has the rectangle, or the limit passes.
bool AwaitWindowRect(HWND window, const RECT &expected, DWORD limitMs) {
    const DWORD start = GetTickCount();
    RECT now = {};
    while (GetWindowRect(window, &now) && !(now == expected) && GetTickCount() - start < limitMs)
        PumpMessages(20);
    return now == expected;
}

SaverSettings PictureSettings(int count, int view3D) {
    SaverSettings settings;
    SetDefaultSettings(settings);
    settings.count = count;
    settings.loopsPerMinute = 10;
    settings.fade = 1; // each figure its own colour, so that each pixel names its figure
    settings.view3D = view3D;
    settings.color = 0x00FF00;
    return settings;
}

class Monitors : public testing::Test {
  protected:
    void SetUp() override {
        const char *name = std::getenv("SINUET_MONITORS");
        if (name == nullptr)
            GTEST_SKIP() << "not on a display with several monitors (SINUET_MONITORS unset)";
        for (const Layout &known : LAYOUTS)
            if (std::string(name) == known.name)
                layout = &known;
        ASSERT_NE(layout, nullptr) << "unknown layout " << name;
        std::vector<RECT> seen;
        EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&seen));
        ASSERT_EQ(Sorted(seen), Sorted(layout->monitors)) << "Wine does not see the layout";
        frog = FrogPicture();
        ASSERT_GT(frog.width, 0);
    }
    void TearDown() override { DeleteSettingsKey(); }

    void Start(const SaverSettings &settings) {
        saverSettings = settings; // what the judging of the pictures reads
        StoreSettings(settings);
        window = StartFullScreen(saver);
        ASSERT_NE(window, nullptr);
    }

    // Captures every monitor until each shows its frog and its bands have grown over a tenth
    // of it, or the limit passes.
    std::vector<Verdict> AwaitPictures() {
        const DWORD start = GetTickCount();
        for (;;) {
            std::vector<Verdict> verdicts;
            bool shown = true;
            for (const RECT &m : layout->monitors) {
                verdicts.push_back(JudgeMonitor(
                    CaptureScreen(m.left, m.top, m.right - m.left, m.bottom - m.top), frog));
                shown = shown && verdicts.back().frog >= 0.9 &&
                        verdicts.back().band >= (m.right - m.left) * (m.bottom - m.top) / 10;
            }
            if (shown || GetTickCount() - start >= 30000)
                return verdicts;
            PumpMessages(20);
        }
    }

    // Each monitor its frog at its own centre, its bands around it, and nothing else.
    void ExpectOwnPictures(const char *when) {
        const std::vector<Verdict> verdicts = AwaitPictures();
        for (size_t n = 0; n < verdicts.size(); ++n) {
            const Verdict &v = verdicts[n];
            SCOPED_TRACE(std::string(layout->name) + ", monitor " + std::to_string(n) + ", " +
                         when + (saverSettings.view3D ? ", tilted" : ", flat"));
            EXPECT_GE(v.frog, 0.9);
            EXPECT_LT(v.frogShifted, 0.5);
            const RECT &m = layout->monitors[n];
            EXPECT_GE(v.band, (m.right - m.left) * (m.bottom - m.top) / 10);
            EXPECT_GT(v.innermost, 0);
            EXPECT_EQ(v.stray, 0) << "pixels that are not this monitor's own picture";
        }
        RECT place = {};
        GetWindowRect(window, &place);
        EXPECT_TRUE(place == VirtualScreen()) << "the window does not cover the virtual screen";
    }

    const Layout *layout = nullptr;
    Capture frog;
    ChildProcess saver;
    HWND window = nullptr;
};

TEST_F(Monitors, EachShowsItsOwnPictureInBothViews) {
    for (int view3D : {0, 1}) {
        Start(PictureSettings(12, view3D));
        ExpectOwnPictures("at the start");
        EXPECT_EQ(CloseAndExitCode(saver, window), 0);
    }
}

// The window shrinks to a corner of the primary monitor, so that the other monitors lose
// their pictures; a display change brings every monitor's picture back from its start.
TEST_F(Monitors, ADisplayChangeStartsEveryMonitorAfresh) {
    Start(PictureSettings(12, 0));
    ExpectOwnPictures("at the start");
    const RECT corner = {0, 0, 320, 240};
    SetWindowPos(window, nullptr, 0, 0, 320, 240, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(AwaitWindowRect(window, corner, 10000));
    PostMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    ASSERT_TRUE(AwaitWindowRect(window, VirtualScreen(), 10000));
    ExpectOwnPictures("after the display change");
    EXPECT_EQ(CloseAndExitCode(saver, window), 0);
}

// Fifty figures in the tilted view for over a minute, with a display change every few
// seconds: as many GDI objects at the end as at the start, and the first input closes it.
TEST_F(Monitors, GdiObjectsStayBalancedAndTheFirstInputCloses) {
    SetCursorPos(300, 300); // Wine knows where the pointer is only after a first motion
    SetCursorPos(310, 310);
    Start(PictureSettings(50, 1));
    ExpectOwnPictures("at the start");
    const long atStart = SteadyGdiObjectCount(saver.info.hProcess, 100, 15);
    ASSERT_GT(atStart, 0) << "no way to count the saver's GDI objects";
    const DWORD start = GetTickCount();
    int changes = 0;
    while (GetTickCount() - start < 65000) {
        ASSERT_TRUE(IsWindow(window)) << "closed after " << changes << " display changes";
        PostMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
        ++changes;
        Sleep(5000); // the pace of the changes, not a wait for anything
    }
    ExpectOwnPictures("after the display changes");
    EXPECT_EQ(SteadyGdiObjectCount(saver.info.hProcess, 100, 15), atStart);

    POINT cursor = {};
    GetCursorPos(&cursor);
    SetCursorPos(cursor.x + 40, cursor.y + 40);
    EXPECT_TRUE(saver.Wait(20000)) << "still running after the first input";
    EXPECT_EQ(saver.ExitCode(), 0u);
    std::printf("%s monitors: %d display changes in a minute, %ld GDI objects\n", layout->name,
                changes, atStart);
}

} // namespace

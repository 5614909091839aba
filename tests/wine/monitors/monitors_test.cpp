// The real saver full screen on an X server with several monitors that Wine sees as such.
// tools/test-all.sh starts one server per layout and names the layout in SINUET_MONITORS;
// without it the cases are skipped. Every monitor shows its own picture in both views, a
// display change starts every monitor afresh, and a long run keeps the GDI objects balanced.
// On a RandR server (SINUET_MONITORS_WAY=randr) the saver also follows real changes of the
// layout "two".
#include "gdi_object_count.h"
#include "own_picture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Layout {
    const char *name;
    std::vector<RECT> monitors; // as Wine places them: the primary at (0, 0)
};
const Layout LAYOUTS[] = {
    {"two", {{0, 0, 1024, 768}, {1024, 0, 1824, 600}}},
    {"three", {{0, 0, 1024, 768}, {-800, 0, 0, 600}, {0, 768, 640, 1248}}},
};

// The layout "two" after each real change (tools/monitors-session.sh's monitors_change),
// as Wine places the monitors, and back to where it started.
struct Change {
    const char *name;
    std::vector<RECT> monitors;
};
const Change CHANGES[] = {
    {"off", {{0, 0, 1024, 768}}},
    {"on", {{0, 0, 1024, 768}, {1024, 0, 1824, 600}}},
    {"move", {{0, 0, 1024, 768}, {1024, 168, 1824, 768}}},
    {"swap", {{0, 0, 1024, 768}, {-800, 0, 0, 600}}},
    {"on", {{0, 0, 1024, 768}, {1024, 0, 1824, 600}}},
};

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data) {
    reinterpret_cast<std::vector<RECT> *>(data)->push_back(*rect);
    return TRUE;
}

// Whether Wine lists exactly these monitors, in any order.
bool ListedMonitorsAre(const std::vector<RECT> &expected) {
    std::vector<RECT> listed;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&listed));
    size_t matched = 0;
    for (const RECT &m : expected)
        for (const RECT &l : listed)
            matched += EqualRect(&m, &l) != 0;
    return listed.size() == expected.size() && matched == expected.size();
}

bool AwaitListedMonitors(const std::vector<RECT> &expected, DWORD limitMs) {
    const DWORD start = GetTickCount();
    while (!ListedMonitorsAre(expected) && GetTickCount() - start < limitMs)
        PumpMessages(50);
    return ListedMonitorsAre(expected);
}

// Runs monitors_change on the X server: a Unix program that Wine starts without a process
// handle, so its effect is waited for instead.
void ChangeMonitors(const char *change) {
    std::string line = std::string("bash -c \"source '") + MONITORS_SESSION +
                       "' && monitors_change " + change + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA("Z:\\bin\\bash", &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
}

RECT VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::string Text(const RECT &r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

std::string WindowPlace(HWND window) {
    RECT now = {};
    GetWindowRect(window, &now);
    return "the window at " + Text(now) + ", the virtual screen " + Text(VirtualScreen());
}

// Waits until the window has the rectangle, or the limit passes.
bool AwaitWindowRect(HWND window, const RECT &expected, DWORD limitMs) {
    const DWORD start = GetTickCount();
    RECT now = {};
    while (GetWindowRect(window, &now) && !EqualRect(&now, &expected) &&
           GetTickCount() - start < limitMs)
        PumpMessages(20);
    return EqualRect(&now, &expected) != 0;
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

long AreaOf(const RECT &m) {
    return static_cast<long>(m.right - m.left) * (m.bottom - m.top);
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
        // A wineserver just started may list its monitors a moment later.
        ASSERT_TRUE(AwaitListedMonitors(layout->monitors, 30000))
            << "Wine does not place the monitors as the layout " << name << " does";
        ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), static_cast<int>(layout->monitors.size()));
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

    // Captures every monitor until each shows its frog and band pixels over a tenth of it,
    // or the limit passes.
    std::vector<Verdict> AwaitPictures(const std::vector<RECT> &monitors) {
        const DWORD start = GetTickCount();
        for (;;) {
            std::vector<Verdict> verdicts;
            bool shown = true;
            for (const RECT &m : monitors) {
                verdicts.push_back(JudgeMonitor(
                    CaptureScreen(m.left, m.top, m.right - m.left, m.bottom - m.top), frog));
                shown =
                    shown && verdicts.back().frog >= 0.9 && verdicts.back().band >= AreaOf(m) / 10;
            }
            if (shown || GetTickCount() - start >= 30000)
                return verdicts;
            PumpMessages(20);
        }
    }

    // Each monitor its frog at its own centre, its bands around it, and nothing else; the
    // window over the whole virtual screen.
    void ExpectOwnPictures(const char *when) { ExpectOwnPictures(layout->monitors, when); }
    void ExpectOwnPictures(const std::vector<RECT> &monitors, const char *when) {
        const std::vector<Verdict> verdicts = AwaitPictures(monitors);
        for (size_t n = 0; n < verdicts.size(); ++n) {
            const Verdict &v = verdicts[n];
            SCOPED_TRACE(std::string(layout->name) + ", monitor " + std::to_string(n) + ", " +
                         when + (saverSettings.view3D ? ", tilted" : ", flat"));
            EXPECT_GE(v.frog, 0.9);
            EXPECT_LT(v.frogShifted, 0.5);
            EXPECT_GE(v.band, AreaOf(monitors[n]) / 10);
            EXPECT_GT(v.innermost, 0);
            EXPECT_EQ(v.stray, 0) << "pixels that are not this monitor's own picture";
        }
        EXPECT_TRUE(AwaitWindowRect(window, VirtualScreen(), 0));
    }

    // Lit pixels of the virtual screen that lie on no monitor.
    long LitOutside(const std::vector<RECT> &monitors) {
        const RECT all = VirtualScreen();
        const Capture screen =
            CaptureScreen(all.left, all.top, all.right - all.left, all.bottom - all.top);
        long lit = 0;
        for (int y = 0; y < screen.height; ++y)
            for (int x = 0; x < screen.width; ++x) {
                const POINT p = {all.left + x, all.top + y};
                bool shown = false;
                for (const RECT &m : monitors)
                    shown = shown || PtInRect(&m, p);
                lit += !shown && screen.At(x, y) != 0;
            }
        return lit;
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
// their pictures; a display change brings every monitor's picture back from its start (a
// frog is drawn only at its picture's first tick).
TEST_F(Monitors, ADisplayChangeStartsEveryMonitorAfresh) {
    Start(PictureSettings(12, 0));
    ExpectOwnPictures("at the start");
    SetWindowPos(window, nullptr, 0, 0, 320, 240, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(AwaitWindowRect(window, {0, 0, 320, 240}, 10000));
    PostMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    ASSERT_TRUE(AwaitWindowRect(window, VirtualScreen(), 10000));
    ExpectOwnPictures("after the display change");
    EXPECT_EQ(CloseAndExitCode(saver, window), 0);
}

// The monitors really change while the saver runs: one switched off and on again, one moved
// at the same root size, the two swapped so that one lands left of the primary. After each
// change every monitor shows its own picture from a fresh start, and nothing is drawn where
// no monitor is.
TEST_F(Monitors, FollowsRealChangesOfTheMonitors) {
    const char *way = std::getenv("SINUET_MONITORS_WAY");
    if (std::string(layout->name) != "two" || way == nullptr || std::string(way) != "randr")
        GTEST_SKIP() << "real changes need the layout two on a RandR server";
    // However the case ends, the layout is two again for whatever runs next.
    struct LayoutTwoAgain {
        const Layout *two;
        ~LayoutTwoAgain() {
            ChangeMonitors("on");
            AwaitListedMonitors(two->monitors, 30000);
        }
    } again = {layout};
    Start(PictureSettings(12, 0));
    ExpectOwnPictures("at the start");
    for (const Change &change : CHANGES) {
        SCOPED_TRACE(std::string("after the change ") + change.name);
        ChangeMonitors(change.name);
        ASSERT_TRUE(AwaitListedMonitors(change.monitors, 30000))
            << "Wine does not list the new monitors";
        ASSERT_TRUE(AwaitWindowRect(window, VirtualScreen(), 10000)) << WindowPlace(window);
        ExpectOwnPictures(change.monitors, change.name);
        EXPECT_EQ(LitOutside(change.monitors), 0);
    }
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
    for (; GetTickCount() - start < 65000; ++changes) {
        ASSERT_TRUE(IsWindow(window)) << "closed after " << changes << " display changes";
        PostMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
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

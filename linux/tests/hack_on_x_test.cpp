// The built hack on a real X server (run by run_on_xvfb.sh): on its own window and on a
// window this test made, the frog and the band colours appear where the core puts them;
// a resize re-centres; SIGTERM ends it by the signal; a destroyed window ends it with a
// message. SINUET_HACK names the program.
#include "bmp_reader.h"
#include "figures.h"
#include "settings.h"
#include "sweep.h"
#include "tick.h"

// GoogleTest before Xlib, whose None macro would clash with it.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
void Pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

struct Hack {
    pid_t pid;
    std::string errors; // file receiving its standard error
};

Hack StartHack(std::vector<std::string> words) {
    Hack hack;
    hack.errors = testing::TempDir() + "sinuet-stderr-" + std::to_string(getpid()) + "-" +
                  std::to_string(rand());
    hack.pid = fork();
    if (hack.pid == 0) {
        const int fd = open(hack.errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, 2);
        std::vector<char *> argv;
        const char *program = std::getenv("SINUET_HACK");
        argv.push_back(const_cast<char *>(program));
        for (std::string &w : words) {
            argv.push_back(&w[0]);
        }
        argv.push_back(nullptr);
        unsetenv("XSCREENSAVER_WINDOW");
        execv(program, argv.data());
        _exit(127);
    }
    return hack;
}

// The wait status once the hack ended, within the time given; -1 if it still runs.
int WaitForEnd(const Hack &hack, int ms) {
    for (int waited = 0; waited < ms; waited += 20) {
        int status = 0;
        if (waitpid(hack.pid, &status, WNOHANG) == hack.pid) {
            return status;
        }
        Pause(20);
    }
    kill(hack.pid, SIGKILL);
    waitpid(hack.pid, nullptr, 0);
    return -1;
}

std::string Errors(const Hack &hack) {
    std::ifstream in(hack.errors);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Picture {
    int width, height;
    std::vector<uint32_t> rgb; // 0x00RRGGBB
    uint32_t At(int x, int y) const { return rgb[static_cast<size_t>(y * width + x)]; }
};

// The window's part on the screen (the windows here sit at the screen's top-left corner).
Picture Grab(Display *display, Window window) {
    XSync(display, False);
    XWindowAttributes a;
    XGetWindowAttributes(display, window, &a);
    const int width = std::min(a.width, DisplayWidth(display, DefaultScreen(display)));
    const int height = std::min(a.height, DisplayHeight(display, DefaultScreen(display)));
    XImage *image = XGetImage(display, window, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    Picture screen{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // A 24-bit TrueColor server: the pixel is 0xRRGGBB.
            screen.rgb.push_back(static_cast<uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF);
        }
    }
    XDestroyImage(image);
    return screen;
}

// Grabs until `ready` holds (the hack slows down rather than skipping ticks on a busy
// machine), for at most 8 s; the last grab.
template <typename Ready> Picture GrabUntil(Display *display, Window window, Ready ready) {
    Picture screen;
    for (int waited = 0; waited < 8000; waited += 250) {
        Pause(250);
        screen = Grab(display, window);
        if (ready(screen)) {
            break;
        }
    }
    return screen;
}

int CountColour(const Picture &screen, uint32_t rgb) {
    return static_cast<int>(std::count(screen.rgb.begin(), screen.rgb.end(), rgb));
}

uint32_t ReferenceToRgb(uint32_t bgr) {
    return (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF);
}

// The core's figures for the given window and settings.
FigureState SetUpCore(int width, int height, int count, int view3D) {
    SetDefaultSettings(saverSettings);
    saverSettings.count = count;
    saverSettings.view3D = view3D;
    FigureState figures = FreshFigures({0, 0, width, height});
    SetUpFigures(figures);
    return figures;
}

// Share of the frog's pixels found unchanged where the core places it.
double FrogMatch(const Picture &screen, const FigureState &figures) {
    static RgbImage frog;
    if (frog.pixels.empty()) {
        std::ifstream in(FROG_BMP_PATH, std::ios::binary);
        const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                               std::istreambuf_iterator<char>()};
        EXPECT_TRUE(ReadBmp(bytes.data(), bytes.size(), frog));
    }
    const FrogPlacement place = PlaceFrog(figures, frog.width, frog.height);
    int same = 0, seen = 0;
    for (int y = 0; y < frog.height; ++y) {
        for (int x = 0; x < frog.width; ++x) {
            const int sx = place.x + x, sy = place.y + y;
            if (sx < 0 || sy < 0 || sx >= screen.width || sy >= screen.height) {
                continue;
            }
            ++seen;
            same += screen.At(sx, sy) == frog.pixels[static_cast<size_t>(y * frog.width + x)];
        }
    }
    return seen == 0 ? 0.0 : static_cast<double>(same) / seen;
}

// Pixels of figure i's band colour inside its ring (a pen's width of slack) and outside.
struct RingCount {
    int inside, outside;
};

RingCount CountRing(const Picture &screen, const FigureState &figures, int32_t i) {
    const uint32_t colour = ReferenceToRgb(BandColor(i));
    const double cx = figures.width / 2, cy = figures.height / 2;
    RingCount count{0, 0};
    for (int y = 0; y < screen.height; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            if (screen.At(x, y) != colour) {
                continue;
            }
            const double r = std::hypot(x - cx, y - cy);
            const bool in = r >= figures.innerRadius[i] - 1 && r <= figures.outerRadius[i] + 1;
            ++(in ? count.inside : count.outside);
        }
    }
    return count;
}

// Flat view, 10 figures with fade: every band colour differs, so each ring can be checked.
void ExpectFlatPicture(const Picture &screen) {
    const FigureState figures = SetUpCore(screen.width, screen.height, 10, 0);
    EXPECT_EQ(FrogMatch(screen, figures), 1.0);
    const RingCount inner = CountRing(screen, figures, 0);
    EXPECT_GT(inner.inside, 500);
    for (int32_t i = 0; i < 10; ++i) {
        EXPECT_EQ(CountRing(screen, figures, i).outside, 0) << "figure " << i;
    }
}

Window FindWindowNamed(Display *display, const char *name) {
    for (int tries = 0; tries < 100; ++tries, Pause(50)) {
        Window root, parent, *children = nullptr;
        unsigned count = 0;
        XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
        Window found = 0;
        for (unsigned k = 0; k < count && found == 0; ++k) {
            char *title = nullptr;
            if (XFetchName(display, children[k], &title) && title != nullptr) {
                found = std::string(title) == name ? children[k] : 0;
                XFree(title);
            }
        }
        XFree(children);
        if (found != 0) {
            return found;
        }
    }
    return 0;
}

class HackOnX : public testing::Test {
  protected:
    void SetUp() override {
        display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr) << "no X display";
        ASSERT_NE(std::getenv("SINUET_HACK"), nullptr);
    }
    void TearDown() override {
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }
    Window MakeWindow(int width, int height) {
        const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0,
                                                  static_cast<unsigned>(width),
                                                  static_cast<unsigned>(height), 0, 0, 0);
        XMapWindow(display, window);
        XSync(display, False);
        return window;
    }
    Display *display = nullptr;
};
} // namespace

TEST_F(HackOnX, OwnWindowShowsTheCoresPictureFollowsAResizeAndEndsOnQ) {
    const Hack hack = StartHack({"--seed", "5", "--count", "10"});
    const Window window = FindWindowNamed(display, "Sinuet");
    ASSERT_NE(window, 0u) << Errors(hack);
    // Drawn once figure 0, which keeps the full colour, shows 1000 pixels.
    const auto drawn = [](const Picture &p) { return CountColour(p, 0x8000FF) >= 1000; };
    Picture screen = GrabUntil(display, window, drawn);
    ASSERT_EQ(screen.width, 1024);
    {
        SCOPED_TRACE("at the start");
        ExpectFlatPicture(screen);
    }

    // Without a window manager the resize takes effect at once.
    XResizeWindow(display, window, 640, 480);
    XSync(display, False);
    const FigureState resized = SetUpCore(640, 480, 10, 0);
    screen = GrabUntil(display, window, [&](const Picture &p) {
        return p.width == 640 && FrogMatch(p, resized) == 1.0 && drawn(p);
    });
    ASSERT_EQ(screen.width, 640);
    {
        SCOPED_TRACE("after the resize");
        ExpectFlatPicture(screen);
    }

    XKeyEvent key = {};
    key.type = KeyPress;
    key.display = display;
    key.window = window;
    key.root = DefaultRootWindow(display);
    key.keycode = XKeysymToKeycode(display, XK_q);
    key.same_screen = True;
    XSendEvent(display, window, True, KeyPressMask, reinterpret_cast<XEvent *>(&key));
    XFlush(display);
    const int status = WaitForEnd(hack, 3000);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(HackOnX, OwnWindowEndsWhenTheWindowManagerClosesIt) {
    const Hack hack = StartHack({"--no-frog", "--count", "3"});
    const Window window = FindWindowNamed(display, "Sinuet");
    ASSERT_NE(window, 0u) << Errors(hack);
    Pause(300);
    XClientMessageEvent close = {};
    close.type = ClientMessage;
    close.window = window;
    close.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.format = 32;
    close.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, window, False, NoEventMask, reinterpret_cast<XEvent *>(&close));
    XFlush(display);
    const int status = WaitForEnd(hack, 3000);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(HackOnX, GivenWindowTiltedAndRepairedAfterExposeEndsBySigterm) {
    const Window window = MakeWindow(800, 600);
    const Hack hack = StartHack({"--window-id",
                                 "0x" +
                                     [&] {
                                         char text[32];
                                         std::snprintf(text, sizeof text, "%lx", window);
                                         return std::string(text);
                                     }(),
                                 "--3d", "--seed", "3", "--count", "20", "--color", "#00FF00"});
    Picture screen =
        GrabUntil(display, window, [](const Picture &p) { return CountColour(p, 0x00FF00) > 500; });
    const FigureState figures = SetUpCore(800, 600, 20, 1);
    EXPECT_GT(FrogMatch(screen, figures), 0.95);
    EXPECT_GT(CountColour(screen, 0x00FF00), 500);

    // Cover and uncover the window: the ticks never draw the frog again, so only the
    // backing pixmap can bring it back.
    const Window cover = MakeWindow(800, 600);
    ASSERT_LT(FrogMatch(Grab(display, window), figures), 0.9); // covered: the cover is black
    XDestroyWindow(display, cover);
    XSync(display, False);
    const auto frog = [&](const Picture &p) { return FrogMatch(p, figures) > 0.95; };
    EXPECT_TRUE(frog(GrabUntil(display, window, frog)));

    kill(hack.pid, SIGTERM);
    const int status = WaitForEnd(hack, 3000);
    ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status << ": " << Errors(hack);
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
    EXPECT_EQ(Errors(hack), "");
}

// A window 20 times as wide as high puts the tilted view's outer points at the 32-bit
// limits or beyond: the lines are cut, nothing faults (the sanitizer build runs this too)
// and some bands still reach the screen.
TEST_F(HackOnX, FarTiltedEndsOnAWideWindowAreDrawnCleanly) {
    const Window window = MakeWindow(4000, 200);
    const Hack hack = StartHack({"-window-id", std::to_string(window), "--3d", "--count", "50",
                                 "--loops", "10", "--no-fade", "--color", "white"});
    const auto white = [](const Picture &p) { return CountColour(p, 0xFFFFFF) > 500; };
    EXPECT_TRUE(white(GrabUntil(display, window, white)));
    kill(hack.pid, SIGTERM);
    const int status = WaitForEnd(hack, 3000);
    ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status << ": " << Errors(hack);
    EXPECT_EQ(Errors(hack), "");
}

// Without XSCREENSAVER_WINDOW, --root draws on a virtual root: the root's child marked with
// __SWM_VROOT.
TEST_F(HackOnX, RootMeansTheVirtualRootWhenThereIsOne) {
    const Window vroot = MakeWindow(500, 400);
    const Atom property = XInternAtom(display, "__SWM_VROOT", False);
    XChangeProperty(display, vroot, property, XA_WINDOW, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(&vroot), 1);
    XSync(display, False);
    const Hack hack = StartHack({"--root", "--count", "5"});
    const FigureState figures = SetUpCore(500, 400, 5, 0);
    const auto frog = [&](const Picture &p) { return FrogMatch(p, figures) == 1.0; };
    EXPECT_TRUE(frog(GrabUntil(display, vroot, frog)));
    kill(hack.pid, SIGTERM);
    const int status = WaitForEnd(hack, 3000);
    EXPECT_TRUE(WIFSIGNALED(status)) << status;
    XDestroyWindow(display, vroot);
}

TEST_F(HackOnX, DestroyedWindowEndsItWithOneLine) {
    const Window window = MakeWindow(320, 240);
    const Hack hack = StartHack({"-window-id", std::to_string(window), "--no-frog"});
    Pause(600);
    XDestroyWindow(display, window);
    XSync(display, False);
    const int status = WaitForEnd(hack, 3000);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const std::string errors = Errors(hack);
    EXPECT_EQ(errors.find("sinuet: window 0x"), 0u) << errors;
    EXPECT_EQ(errors.find('\n'), errors.size() - 1) << errors;
}

// The built hack on a real X server (run by run_on_xvfb.sh): on its own window and on a
// window this test made, the frog and the band colours appear where the core puts them,
// pixel for pixel as drawing every line straight onto the window gives them; a resize
// re-centres; SIGTERM ends it by the signal; a destroyed window ends it with a message.
// The Monitors cases (run by run_on_monitors.sh) need a server with several monitors.
// SINUET_HACK names the program.
#include "bmp_reader.h"
#include "figures.h"
#include "segment_clip.h"
#include "settings.h"
#include "sweep.h"
#include "tick.h"

// GoogleTest before Xlib, whose None macro would clash with it.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xinerama.h>
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

// The hack with the given arguments; XSCREENSAVER_WINDOW set to `daemonWindow` if given.
Hack StartHack(std::vector<std::string> words, const std::string &daemonWindow = "") {
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
        if (daemonWindow.empty()) {
            unsetenv("XSCREENSAVER_WINDOW");
        } else {
            setenv("XSCREENSAVER_WINDOW", daemonWindow.c_str(), 1);
        }
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

// The drawable's part on the screen (the windows here sit at the screen's top-left corner).
Picture Grab(Display *display, Drawable drawable) {
    XSync(display, False);
    Window root;
    int x, y;
    unsigned w = 0, h = 0, border, depth;
    XGetGeometry(display, drawable, &root, &x, &y, &w, &h, &border, &depth);
    const int width = std::min(static_cast<int>(w), DisplayWidth(display, DefaultScreen(display)));
    const int height =
        std::min(static_cast<int>(h), DisplayHeight(display, DefaultScreen(display)));
    XImage *image = XGetImage(display, drawable, 0, 0, static_cast<unsigned>(width),
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
// machine), for at most 20 s; the last grab.
template <typename Ready> Picture GrabUntil(Display *display, Window window, Ready ready) {
    Picture screen;
    for (int waited = 0; waited < 20000; waited += 250) {
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

const RgbImage &Frog() {
    static RgbImage frog;
    if (frog.pixels.empty()) {
        std::ifstream in(FROG_BMP_PATH, std::ios::binary);
        const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                               std::istreambuf_iterator<char>()};
        EXPECT_TRUE(ReadBmp(bytes.data(), bytes.size(), frog));
    }
    return frog;
}

// Share of the frog's pixels found unchanged where the core places it.
double FrogMatch(const Picture &screen, const FigureState &figures) {
    const RgbImage &frog = Frog();
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

// Drawing as the hack drew before it kept a pixmap per picture, for comparison: every
// batch of lines cut to the picture and drawn straight onto it. A pen here is its colour
// (the core's pens are all PEN_WIDTH wide), set in the one GC when selected.
struct StraightDrawing {
    Display *display;
    Pixmap pixmap;
    int width, height;
    GC gc;
};

DrawingContext StraightContext(StraightDrawing &drawing) {
    const auto select = [](void *target, PenHandle pen) -> PenHandle {
        StraightDrawing &d = *static_cast<StraightDrawing *>(target);
        XSetForeground(d.display, d.gc, ReferenceToRgb(static_cast<uint32_t>(pen)));
        return 0;
    };
    const auto lines = [](void *target, const LineSegment *lines, int32_t count) {
        StraightDrawing &d = *static_cast<StraightDrawing *>(target);
        std::vector<XSegment> cut;
        for (int32_t n = 0; n < count; ++n) {
            ShortSegment s;
            if (ClipSegment(lines[n], d.width, d.height, s)) {
                cut.push_back({s.x1, s.y1, s.x2, s.y2});
            }
        }
        if (!cut.empty()) {
            XDrawSegments(d.display, d.pixmap, d.gc, cut.data(), static_cast<int>(cut.size()));
        }
    };
    return {&drawing, [](void *, int32_t, uint32_t colour) -> PenHandle { return colour; }, select,
            [](void *, PenHandle) {}, lines};
}

// The pictures' drawings, and the one being drawn, which the context draws on.
struct StraightTick {
    std::vector<StraightDrawing> &drawings;
    StraightDrawing current;
};

void StartStraight(void *target, int32_t n, const FigureState &) {
    StraightTick &tick = *static_cast<StraightTick *>(target);
    tick.current = tick.drawings[n];
}

// The frog's 0x00RRGGBB pixels are already a ZPixmap image of a 24-bit TrueColor server.
void PutFrog(void *target, int32_t, const FigureState &figures) {
    if (!FrogDueThisTick(figures)) {
        return;
    }
    const StraightDrawing &d = static_cast<StraightTick *>(target)->current;
    const RgbImage &frog = Frog();
    XImage *image =
        XCreateImage(d.display, DefaultVisual(d.display, DefaultScreen(d.display)), 24, ZPixmap, 0,
                     reinterpret_cast<char *>(const_cast<uint32_t *>(frog.pixels.data())),
                     static_cast<unsigned>(frog.width), static_cast<unsigned>(frog.height), 32, 0);
    const FrogPlacement place = PlaceFrog(figures, frog.width, frog.height);
    XPutImage(d.display, d.pixmap, d.gc, image, 0, 0, place.x, place.y,
              static_cast<unsigned>(frog.width), static_cast<unsigned>(frog.height));
    image->data = nullptr; // the pixels stay the frog's
    XDestroyImage(image);
}

// The heavy settings the comparisons run with, for the hack and for the core here.
const std::vector<std::string> HEAVY = {"--seed", "11", "--count", "50", "--loops", "10", "--3d"};
const int TICKS = 30;

void UseHeavySettings() {
    SetDefaultSettings(saverSettings);
    saverSettings.count = 50;
    saverSettings.loopsPerMinute = 10;
    saverSettings.view3D = 1;
    UseFixedSeed(11);
}

// Pictures of the given sizes after TICKS ticks with the heavy settings, set up together
// as the hack sets up its pictures, each drawn straight onto a pixmap of its own.
std::vector<Picture> DrawnStraight(Display *display, const std::vector<XRectangle> &sizes) {
    UseHeavySettings();
    std::vector<FigureState> figures;
    std::vector<StraightDrawing> drawings;
    for (const XRectangle &size : sizes) {
        figures.push_back(FreshFigures({0, 0, size.width, size.height}));
        const Pixmap pixmap =
            XCreatePixmap(display, DefaultRootWindow(display), size.width, size.height, 24);
        XGCValues pen;
        pen.foreground = 0;
        pen.line_width = PEN_WIDTH;
        pen.cap_style = CapRound;
        pen.join_style = JoinRound;
        const GC gc =
            XCreateGC(display, pixmap, GCForeground | GCLineWidth | GCCapStyle | GCJoinStyle, &pen);
        XFillRectangle(display, pixmap, gc, 0, 0, size.width, size.height);
        drawings.push_back({display, pixmap, size.width, size.height, gc});
    }
    StraightTick straight = {drawings, drawings[0]};
    for (int tick = 0; tick < TICKS; ++tick) {
        TickPictures(figures.data(), static_cast<int32_t>(figures.size()),
                     {StraightContext(straight.current), &straight, StartStraight, PutFrog});
    }
    std::vector<Picture> pictures;
    for (StraightDrawing &d : drawings) {
        pictures.push_back(Grab(display, d.pixmap));
        XFreeGC(display, d.gc);
        XFreePixmap(display, d.pixmap);
    }
    return pictures;
}

// Pixels of `screen` in the rectangle at (x, y) that differ from `picture`.
int Differences(const Picture &screen, int x, int y, const Picture &picture) {
    int differ = 0;
    for (int py = 0; py < picture.height; ++py) {
        for (int px = 0; px < picture.width; ++px) {
            differ += screen.At(x + px, y + py) != picture.At(px, py);
        }
    }
    return differ;
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

// Drawn into pixmaps and copied to the window in changed rectangles, the picture is the
// one that drawing every line straight onto the window gives.
TEST_F(HackOnX, SamePixelsAsDrawingEveryLineStraightOntoTheWindow) {
    const Window window = MakeWindow(720, 400);
    std::vector<std::string> words = HEAVY;
    words.insert(words.end(),
                 {"--window-id", std::to_string(window), "--ticks", std::to_string(TICKS)});
    const Hack hack = StartHack(words);
    const Picture straight = DrawnStraight(display, {{0, 0, 720, 400}})[0];
    const Picture screen = GrabUntil(
        display, window, [&](const Picture &p) { return Differences(p, 0, 0, straight) == 0; });
    EXPECT_EQ(Differences(screen, 0, 0, straight), 0);
    EXPECT_GT(CountColour(screen, 0x8000FF), 1000); // the bands were drawn at all
    kill(hack.pid, SIGTERM);
    EXPECT_TRUE(WIFSIGNALED(WaitForEnd(hack, 3000))) << Errors(hack);
    XDestroyWindow(display, window);
}

// On the bare root window of a screen with several monitors each monitor shows its own
// picture, as drawn straight onto a window of the monitor's size: its frog at its centre,
// its bands, nothing from a neighbour across the seam. A daemon's window spanning all of
// them still gets one picture.
TEST_F(HackOnX, MonitorsEachShowTheirOwnPictureOnTheBareRoot) {
    int count = 0;
    XineramaScreenInfo *heads =
        XineramaIsActive(display) ? XineramaQueryScreens(display, &count) : nullptr;
    std::vector<XRectangle> monitors;
    for (int k = 0; k < count; ++k) {
        monitors.push_back({heads[k].x_org, heads[k].y_org,
                            static_cast<unsigned short>(heads[k].width),
                            static_cast<unsigned short>(heads[k].height)});
    }
    XFree(heads);
    if (monitors.size() < 2) {
        GTEST_SKIP() << "this display has one monitor";
    }
    std::vector<std::string> words = HEAVY;
    words.insert(words.end(), {"--root", "--ticks", std::to_string(TICKS)});
    Hack hack = StartHack(words);
    const std::vector<Picture> straight = DrawnStraight(display, monitors);
    const auto allSame = [&](const Picture &p) {
        for (size_t k = 0; k < monitors.size(); ++k) {
            if (Differences(p, monitors[k].x, monitors[k].y, straight[k]) != 0) {
                return false;
            }
        }
        return true;
    };
    const Window root = DefaultRootWindow(display);
    Picture screen = GrabUntil(display, root, allSame);
    for (size_t k = 0; k < monitors.size(); ++k) {
        EXPECT_EQ(Differences(screen, monitors[k].x, monitors[k].y, straight[k]), 0)
            << "monitor " << k;
    }
    kill(hack.pid, SIGTERM);
    EXPECT_TRUE(WIFSIGNALED(WaitForEnd(hack, 3000))) << Errors(hack);

    const Window across = MakeWindow(screen.width, screen.height);
    hack = StartHack({"--root", "--3d", "--ticks", "1"}, std::to_string(across));
    const FigureState whole = SetUpCore(screen.width, screen.height, 10, 1);
    const auto frog = [&](const Picture &p) { return FrogMatch(p, whole) > 0.95; };
    EXPECT_TRUE(frog(GrabUntil(display, across, frog)));
    kill(hack.pid, SIGTERM);
    EXPECT_TRUE(WIFSIGNALED(WaitForEnd(hack, 3000))) << Errors(hack);
    XDestroyWindow(display, across);
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

// Deadlines on the monotonic clock: a late tick does not shift the ones after it, and a
// long stall (a stopped process) restarts the schedule instead of catching up in a burst.
// The animation clock still advances one step per tick drawn.
#include "tick_loop.h"

#include "backing_pixmap.h"
#include "end_signals.h"
#include "frog_picture.h"
#include "target_window.h"
#include "tick.h"
#include "window_events.h"
#include "x_errors.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <time.h>

namespace {
const int64_t TICK_NS = 40000000;
const int64_t MAX_LAG_NS = 5 * TICK_NS;
// Once the last tick is drawn, the loop only waits for events and signals.
const int64_t IDLE_NS = 3600 * 1000000000LL;

int64_t NowNs() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Waits until the deadline (not at all once it has passed), an X event or a signal; the
// signal's number, or 0. The signal pipe is looked at every time, so a tick that is late
// again and again cannot hold a signal back.
int WaitUntil(Display *display, int64_t deadline) {
    int64_t left = deadline - NowNs();
    left = left > 0 ? left : 0;
    timespec timeout = {static_cast<time_t>(left / 1000000000),
                        static_cast<long>(left % 1000000000)};
    pollfd fds[2] = {{ConnectionNumber(display), POLLIN, 0}, {EndSignalFd(), POLLIN, 0}};
    if (ppoll(fds, 2, &timeout, nullptr) > 0 && (fds[1].revents & POLLIN)) {
        return TakeEndSignal();
    }
    return 0;
}

// Handles every queued event; KEEP_RUNNING unless one of them ends the hack.
EventResult DrainEvents(X11Painter &painter, WindowPictures &pictures) {
    while (XPending(painter.display) > 0) {
        XEvent event;
        XNextEvent(painter.display, &event);
        const EventResult result = HandleWindowEvent(painter, pictures, event);
        if (result != KEEP_RUNNING) {
            return result;
        }
    }
    return KEEP_RUNNING;
}

// What the core's tick draws with: the painter, the pictures' surfaces and the frog.
struct X11Tick {
    X11Painter &painter;
    WindowPictures &pictures;
    XImage *frog;
};

void StartPicture(void *target, int32_t n, const FigureState &) {
    X11Tick &tick = *static_cast<X11Tick *>(target);
    PaintOn(tick.painter, tick.pictures.surfaces[n]);
}

void DrawFrog(void *target, int32_t, const FigureState &picture) {
    X11Tick &tick = *static_cast<X11Tick *>(target);
    if (tick.frog != nullptr && FrogDueThisTick(picture)) {
        const FrogPlacement place = PlaceFrog(picture, tick.frog->width, tick.frog->height);
        DrawFrogImage(tick.painter, tick.frog, place.x, place.y);
        ForgetLastLine(tick.painter.last);
    }
}

// The core's tick of the pictures into their pixmaps; then the window receives what changed.
void RunTick(X11Painter &painter, WindowPictures &pictures, XImage *frog) {
    X11Tick tick = {painter, pictures, frog};
    TickPictures(pictures.figures.data(), static_cast<int32_t>(pictures.figures.size()),
                 {X11DrawingContext(painter), &tick, StartPicture, DrawFrog});
    CopyChangedAreas(painter, pictures.surfaces);
    XFlush(painter.display);
}
} // namespace

LoopEnd RunTickLoop(X11Painter &painter, WindowPictures &pictures, XImage *frog,
                    int32_t tickLimit) {
    int64_t deadline = NowNs() + TICK_NS;
    int32_t ticks = 0;
    for (;;) {
        const EventResult events = DrainEvents(painter, pictures);
        if (events == END_QUIETLY) {
            return {0, 0};
        }
        if (events == END_WINDOW_GONE) {
            PrintWindowProblem(*painter.target, "destroyed");
            return {1, 0};
        }
        if (XErrorSeen()) {
            PrintXError(painter.display);
            return {1, 0};
        }
        const bool drawing = tickLimit == 0 || ticks < tickLimit;
        const int signal = WaitUntil(painter.display, drawing ? deadline : NowNs() + IDLE_NS);
        if (signal != 0) {
            return {0, signal};
        }
        const int64_t now = NowNs();
        if (drawing && now >= deadline) {
            RunTick(painter, pictures, frog);
            ++ticks;
            deadline = now - deadline > MAX_LAG_NS ? now + TICK_NS : deadline + TICK_NS;
        }
    }
}

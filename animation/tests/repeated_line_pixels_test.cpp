// The GDI context skips a line that repeats the one drawn last with the same pen. Replayed
// on Wine's own GDI into two memory bitmaps, once with every line and once through the
// skipping context, recorded ticks must leave the same pixels after every tick.
#include "core_test_support.h"
#include "gdi_context.h"
#include "tick.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

namespace {

const int32_t WIDTH = 1920;
const int32_t HEIGHT = 1080;
const int32_t TICKS = 30;

// The calls of each tick, from the saver's first tick on.
std::vector<std::vector<DrawCall>> RecordTicks(int32_t count, int32_t loops, int32_t view3D) {
    StartFresh(WIDTH, HEIGHT, count, 1, view3D);
    saverSettings.loopsPerMinute = loops;
    saverSettings.fade = 1;
    saverSettings.color = 0xFF0080;
    std::vector<std::vector<DrawCall>> ticks;
    DrawingRecorder recorder;
    for (int32_t n = 0; n < TICKS; ++n) {
        RecordTick(recorder);
        ticks.push_back(recorder.calls);
        recorder.calls.clear();
    }
    return ticks;
}

// A black 32-bit top-down bitmap selected into its own memory context.
struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
    HGDIOBJ stockPen;
    const uint32_t *pixels;
};

Canvas NewCanvas() {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = WIDTH;
    info.bmiHeader.biHeight = -HEIGHT;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    Canvas canvas = {};
    void *bits = nullptr;
    canvas.dc = CreateCompatibleDC(nullptr);
    canvas.bitmap = CreateDIBSection(canvas.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    canvas.previous = SelectObject(canvas.dc, canvas.bitmap);
    canvas.stockPen = GetCurrentObject(canvas.dc, OBJ_PEN);
    canvas.pixels = static_cast<const uint32_t *>(bits);
    return canvas;
}

void FreeCanvas(const Canvas &canvas) {
    SelectObject(canvas.dc, canvas.stockPen);
    SelectObject(canvas.dc, canvas.previous);
    DeleteObject(canvas.bitmap);
    DeleteDC(canvas.dc);
}

// The recorded pen ids as GDI pens; 0 is the context's stock pen.
struct PenTable {
    std::map<int32_t, PenHandle> pens;
    PenHandle Of(int32_t id) const { return pens.at(id); }
};

// Replays one tick with every line drawn, straight through GDI. Counts the lines that
// repeat the line drawn just before them with the same pen.
void ReplayEveryLine(const Canvas &canvas, PenTable &table, const std::vector<DrawCall> &calls,
                     int64_t &lines, int64_t &repeats) {
    bool havePrevious = false;
    LineSegment previous = {};
    for (size_t k = 0; k < calls.size(); ++k) {
        const DrawCall &call = calls[k];
        if (call.kind == CALL_PEN) {
            table.pens[call.a] =
                reinterpret_cast<PenHandle>(CreatePen(PS_SOLID, call.b, call.colour));
        } else if (call.kind == CALL_SELECT) {
            SelectObject(canvas.dc, reinterpret_cast<HGDIOBJ>(table.Of(call.a)));
            havePrevious = false;
        } else if (call.kind == CALL_DELETE) {
            DeleteObject(reinterpret_cast<HGDIOBJ>(table.Of(call.a)));
        } else if (call.kind == CALL_MOVE) {
            const DrawCall &end = calls[++k];
            const LineSegment line = {call.a, call.b, end.a, end.b};
            repeats += havePrevious && std::memcmp(&line, &previous, sizeof line) == 0 ? 1 : 0;
            ++lines;
            havePrevious = true;
            previous = line;
            MoveToEx(canvas.dc, line.x1, line.y1, nullptr);
            LineTo(canvas.dc, line.x2, line.y2);
        }
    }
}

// Replays one tick through the skipping context, consecutive lines in one call as the
// sweep hands them over.
void ReplaySkipping(const DrawingContext &context, PenTable &table,
                    const std::vector<DrawCall> &calls) {
    std::vector<LineSegment> run;
    for (size_t k = 0; k < calls.size(); ++k) {
        const DrawCall &call = calls[k];
        if (call.kind == CALL_MOVE) {
            const DrawCall &end = calls[++k];
            run.push_back(LineSegment{call.a, call.b, end.a, end.b});
            continue;
        }
        if (!run.empty()) {
            context.drawLines(context.target, run.data(), static_cast<int32_t>(run.size()));
            run.clear();
        }
        if (call.kind == CALL_PEN) {
            table.pens[call.a] = context.createPen(context.target, call.b, call.colour);
        } else if (call.kind == CALL_SELECT) {
            context.selectPen(context.target, table.Of(call.a));
        } else if (call.kind == CALL_DELETE) {
            context.deletePen(context.target, table.Of(call.a));
        }
    }
    if (!run.empty()) {
        context.drawLines(context.target, run.data(), static_cast<int32_t>(run.size()));
    }
}

// Replays the ticks into both canvases and compares them pixel by pixel after each tick.
// Returns the share of lines that were exact repeats.
double ExpectSamePixels(const std::vector<std::vector<DrawCall>> &ticks) {
    const Canvas every = NewCanvas();
    const Canvas skipping = NewCanvas();
    EXPECT_NE(every.pixels, nullptr);
    EXPECT_NE(skipping.pixels, nullptr);
    if (every.pixels == nullptr || skipping.pixels == nullptr) {
        return 0.0;
    }
    PenTable everyPens;
    PenTable skippingPens;
    everyPens.pens[0] = reinterpret_cast<PenHandle>(every.stockPen);
    skippingPens.pens[0] = reinterpret_cast<PenHandle>(skipping.stockPen);
    int64_t lines = 0;
    int64_t repeats = 0;
    const size_t pixelCount = static_cast<size_t>(WIDTH) * HEIGHT;
    for (size_t t = 0; t < ticks.size(); ++t) {
        ReplayEveryLine(every, everyPens, ticks[t], lines, repeats);
        // A fresh target each tick, as the saver's tick takes one.
        GdiTarget target = {skipping.dc, {}, 0, 0};
        ReplaySkipping(GdiDrawingContext(target), skippingPens, ticks[t]);
        GdiFlush();
        size_t lit = 0;
        for (size_t p = 0; p < pixelCount; ++p) {
            lit += every.pixels[p] != 0 ? 1 : 0;
            if (every.pixels[p] != skipping.pixels[p]) {
                ADD_FAILURE() << "tick " << t + 1 << ": pixel (" << p % WIDTH << ", " << p / WIDTH
                              << ") is 0x" << std::hex << skipping.pixels[p]
                              << ", every line drawn gives 0x" << every.pixels[p];
                break;
            }
        }
        EXPECT_GT(lit, 0u) << "tick " << t + 1 << " left the canvas black";
    }
    FreeCanvas(every);
    FreeCanvas(skipping);
    return lines > 0 ? static_cast<double>(repeats) / static_cast<double>(lines) : 0.0;
}

TEST(RepeatedLinePixels, HeavyTiltedTicksGiveTheSamePixels) {
    const double share = ExpectSamePixels(RecordTicks(50, 10, 1));
    std::printf("heavy tilted: %.1f %% of the lines repeat the one before\n", 100.0 * share);
    EXPECT_GT(share, 0.1); // the replay exercised the skipping
}

TEST(RepeatedLinePixels, FlatTicksGiveTheSamePixels) {
    const double share = ExpectSamePixels(RecordTicks(10, 2, 0));
    std::printf("light flat: %.1f %% of the lines repeat the one before\n", 100.0 * share);
    EXPECT_GT(share, 0.0);
}

// A line's ends moved to its area stay far instead of wrapping around.
TEST(GdiContext, ShiftedCoordinatesStayFarInsteadOfWrapping) {
    EXPECT_EQ(ShiftedCoordinate(100, 800), 900);
    EXPECT_EQ(ShiftedCoordinate(-5, -800), -805);
    EXPECT_EQ(ShiftedCoordinate(INT32_MAX, 800), INT32_MAX);
    EXPECT_EQ(ShiftedCoordinate(INT32_MIN + 3, -800), INT32_MIN);
}
} // namespace

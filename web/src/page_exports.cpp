// The functions the page's script calls: the settings, a fresh start for a canvas size,
// one tick into the draw list, the frog picture's pixels, the dialog's reading of typed
// numbers and colours, and the drawing calls in sinuet-trace's words for comparisons with it.
#include "bmp_reader.h"
#include "drawing_recorder.h"
#include "figures.h"
#include "frog_bmp_data.h"
#include "settings.h"
#include "tick.h"
#include "web_painter.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
FigureState figures = FreshFigures({0, 0, 0, 0});
WebPainter painter;
// While the calls are recorded, the ticks go to the recorder sinuet-trace uses instead of
// the canvas.
int32_t recording = 0;
DrawingRecorder recorder;
std::string recordedText;
// The frog picture, decoded at first use: 0 x 0 when the embedded bitmap cannot be read.
struct FrogPicture {
    int32_t width, height;
    std::vector<uint8_t> rgba; // as the canvas takes it: R, G, B, A per pixel
};

FrogPicture DecodeFrog() {
    RgbImage image;
    if (!ReadBmp(FROG_BMP, FROG_BMP_SIZE, image)) {
        return {0, 0, {}};
    }
    FrogPicture frog = {image.width, image.height, {}};
    for (const uint32_t rgb : image.pixels) {
        frog.rgba.insert(frog.rgba.end(),
                         {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                          static_cast<uint8_t>(rgb), 255});
    }
    return frog;
}

const FrogPicture &Frog() {
    static const FrogPicture frog = DecodeFrog();
    return frog;
}

int32_t Flag(int32_t value) {
    return value != 0 ? 1 : 0;
}

// The frog's corner when this tick copies it, in the draw list or the record.
void DrawFrog(void *, int32_t, const FigureState &picture) {
    const FrogPicture &frog = Frog();
    if (frog.width == 0 || !FrogDueThisTick(picture)) {
        return;
    }
    const FrogPlacement place = PlaceFrog(picture, frog.width, frog.height);
    if (recording) {
        RecordBlit(recorder, place.x, place.y, frog.width, frog.height);
    } else {
        AddFrog(painter, place.x, place.y);
    }
}
} // namespace

extern "C" {

// The six settings, already in range (count 1..50, loops 1..10, colour 0x00BBGGRR).
EMSCRIPTEN_KEEPALIVE void sinuet_settings(int32_t count, int32_t loops, int32_t frogShown,
                                          int32_t fade, int32_t view3d, uint32_t colour) {
    saverSettings.count = count;
    saverSettings.loopsPerMinute = loops;
    saverSettings.showFrog = Flag(frogShown);
    saverSettings.fade = Flag(fade);
    saverSettings.view3D = Flag(view3d);
    saverSettings.color = colour & 0xFFFFFFu;
}

EMSCRIPTEN_KEEPALIVE void sinuet_fixed_seed(uint32_t seed) {
    UseFixedSeed(seed);
}

// The figures are set up for this canvas size at the next tick; the script has cleared it.
EMSCRIPTEN_KEEPALIVE void sinuet_restart(int32_t width, int32_t height) {
    figures = FreshFigures({0, 0, width, height});
    ResizeWebPainter(painter, width, height);
}

// One tick as the saver draws it. Returns the draw list's length in words.
EMSCRIPTEN_KEEPALIVE int32_t sinuet_tick() {
    StartDrawList(painter);
    const DrawingContext context =
        recording ? RecordingContext(recorder) : WebDrawingContext(painter);
    TickPictures(&figures, 1, {context, nullptr, nullptr, DrawFrog});
    return static_cast<int32_t>(painter.list.size());
}

EMSCRIPTEN_KEEPALIVE const int32_t *sinuet_draw_list() {
    return painter.list.data();
}

// The frog picture's pixels; 0 x 0 when the bitmap cannot be read.
EMSCRIPTEN_KEEPALIVE const uint8_t *sinuet_frog_pixels() {
    return Frog().rgba.data();
}

EMSCRIPTEN_KEEPALIVE int32_t sinuet_frog_width() {
    return Frog().width;
}

EMSCRIPTEN_KEEPALIVE int32_t sinuet_frog_height() {
    return Frog().height;
}

// A typed number as the configuration dialog corrects it to 1..upper; -1 when the text is
// no number at all.
EMSCRIPTEN_KEEPALIVE int32_t sinuet_corrected_number(const char *text, int32_t upper) {
    int32_t number = 0;
    return ParseCorrectedNumber(text, upper, number) ? number : -1;
}

// "#RRGGBB" as a colour reference 0x00BBGGRR; -1 for any other text.
EMSCRIPTEN_KEEPALIVE int32_t sinuet_hex_colour(const char *text) {
    uint32_t colour = 0;
    return ParseHexColor(text, colour) ? static_cast<int32_t>(colour) : -1;
}

// From now on (on == 1) every drawing call is recorded as the core makes it, with pen ids
// counted from 1 again and the stock pen selected, as in a fresh sinuet-trace run; the
// canvas's draw lists stay empty meanwhile.
EMSCRIPTEN_KEEPALIVE void sinuet_record_calls(int32_t on) {
    ResetWebPainter(painter, painter.width, painter.height);
    recorder = DrawingRecorder();
    recording = Flag(on);
}

// The calls recorded since recording began or since the last take, one sinuet-trace line
// each; the record is emptied.
EMSCRIPTEN_KEEPALIVE const char *sinuet_take_recorded_calls() {
    char *text = nullptr;
    size_t size = 0;
    std::FILE *out = open_memstream(&text, &size);
    if (out != nullptr) {
        for (const DrawCall &call : recorder.calls) {
            PrintDrawCall(out, call);
        }
        std::fclose(out);
    }
    recordedText.assign(text != nullptr ? text : "", size);
    std::free(text);
    recorder.calls.clear();
    return recordedText.c_str();
}
}

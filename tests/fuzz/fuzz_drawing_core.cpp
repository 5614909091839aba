// The drawing core for any client size a window can have (0..65535 on each side), any
// count, all switches, colour and seed, over a tick or two at any clock value: no fault of
// memory or arithmetic, no inner point outside the client area, and the pens freed as the
// saver frees them.
#include "counting_context.h"
#include "figures.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "settings.h"
#include "tick.h"

#include <cstdint>

static FigureState figureState = FreshFigures({0, 0, 0, 0});

// Puts the run where the clock stands at `clock` after a tick that drew the figures at
// the clock one step earlier, as if every tick in between had run.
static void JumpClock(double clock) {
    figureState.clock = clock >= 0.04 ? clock - 0.04 : 0.0;
    for (int32_t i = 0; i < FigureCount(); ++i) {
        UpdateAngle(figureState, i);
    }
    FinishTick(figureState);
}

// The frog's corner never lies right of or below the centre.
static void CheckFrog(void *, int32_t, const FigureState &picture) {
    if (FrogDueThisTick(picture)) {
        const FrogPlacement place = PlaceFrog(picture, 188, 149);
        FUZZ_CHECK(place.x <= picture.width / 2 && place.y <= picture.height / 2);
    }
}

// Input layout, little-endian: width (2 bytes), height (2), count (1, modulo 51),
// loopsPerMinute (1, modulo 11), switches (1: bit 0 frog, 1 fade, 2 tilted, 3 a second tick,
// 4 clock jump), colour (4), seed (4), clock after the set-up (4, in 1/2^20 s, modulo 3600 s).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput input = {data, size, 0};
    const int32_t width = static_cast<int32_t>(TakeNumber(input, 2));
    const int32_t height = static_cast<int32_t>(TakeNumber(input, 2));
    SetDefaultSettings(saverSettings);
    saverSettings.count = TakeByte(input) % (MAX_FIGURES + 1);
    saverSettings.loopsPerMinute = TakeByte(input) % 11;
    const uint8_t switches = TakeByte(input);
    saverSettings.showFrog = switches & 1;
    saverSettings.fade = (switches >> 1) & 1;
    saverSettings.view3D = (switches >> 2) & 1;
    const int ticks = 1 + ((switches >> 3) & 1);
    const bool jumpClock = ((switches >> 4) & 1) != 0;
    saverSettings.color = static_cast<uint32_t>(TakeNumber(input, 4));
    UseFixedSeed(static_cast<uint32_t>(TakeNumber(input, 4)));
    const double clock =
        static_cast<double>(TakeNumber(input, 4) % (3600ull << 20)) / static_cast<double>(1 << 20);

    figureState = FreshFigures({0, 0, width, height});

    PenCounts counts;
    const DrawingContext context = CountingContext(counts, width, height);
    for (int tick = 0; tick < ticks; ++tick) {
        if (figureState.firstTick == 1) {
            SetUpFigures(figureState);
            if (jumpClock) {
                JumpClock(clock);
            }
        }
        TickPictures(&figureState, 1, {context, nullptr, nullptr, CheckFrog});
        FUZZ_CHECK(figureState.clock >= 0.0 && figureState.clock < 3600.0);
        FUZZ_CHECK(PenFaults(counts) == 0);
        // After a tick only the last erasing pen is alive, and it is selected.
        const int32_t alive = FigureCount() > 0 ? 1 : 0;
        FUZZ_CHECK(counts.liveCount == alive);
        FUZZ_CHECK(alive == 0 || counts.live[0] == counts.selected);
    }
    for (int32_t i = 0; i < FigureCount(); ++i) {
        FUZZ_CHECK(figureState.innerRadius[i] >= 0 && figureState.outerRadius[i] >= 0);
    }
    ReleaseSelectedPen(context);
    FUZZ_CHECK(counts.liveCount == 0 && counts.created == counts.deleted);
    return 0;
}

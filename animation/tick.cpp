// The steps of one timer tick: the set-up, the frog's turn and place, the figures, the clock.
#include "tick.h"

#include "figures.h"
#include "settings.h"
#include "sweep.h"

int FrogDueThisTick(const FigureState &f) {
    return saverSettings.showFrog == 1 && f.clock == 0.04 ? 1 : 0;
}

FrogPlacement PlaceFrog(const FigureState &f, int32_t bmWidth, int32_t bmHeight) {
    const int32_t width = f.width;
    const int32_t height = f.height;
    const int32_t lift = saverSettings.view3D == 1 ? height / 4 : 0;
    FrogPlacement place;
    place.x = width / 2 - bmWidth / 2;
    place.y = height / 2 - bmHeight / 2 - lift;
    return place;
}

void DrawFigures(const DrawingContext &context, FigureState &f) {
    const int32_t count = FigureCount();
    for (int32_t i = 0; i < count; ++i) {
        UpdateAngle(f, i);
    }
    const SweepFrame frame = FrameOf(f);
    for (int32_t i = 0; i < count; ++i) {
        DrawFigureInFrame(context, frame, f, i);
    }
}

void TickPictures(FigureState *pictures, int32_t count, const PictureShell &shell) {
    if (count > 0 && pictures[0].firstTick == 1)
        SetUpPictures(pictures, count);
    for (int32_t n = 0; n < count; ++n) {
        if (shell.startPicture != nullptr)
            shell.startPicture(shell.target, n, pictures[n]);
        if (shell.drawFrog != nullptr)
            shell.drawFrog(shell.target, n, pictures[n]);
        DrawFigures(shell.context, pictures[n]);
        FinishTick(pictures[n]);
    }
}

// One timer tick of the animation, shared by the Windows saver, the Linux hack, the web page
// and sinuet-trace; each gives it only its own drawing.
#pragma once

#include "drawing_context.h"
#include "figures.h"

#include <cstdint>

struct FrogPlacement {
    int32_t x;
    int32_t y;
};

// Whether this tick copies the frog picture: shown, and the clock at exactly 0.04.
int FrogDueThisTick(const FigureState &f);

// Top-left corner of a picture of the given size: centred, raised by a quarter of the
// height in the tilted view.
FrogPlacement PlaceFrog(const FigureState &f, int32_t bmWidth, int32_t bmHeight);

// UpdateAngle(f, i) for every figure, then DrawFigure(context, f, i) for every figure, in
// ascending order. A figure's drawing reads only its own angles, so this draws exactly
// what updating and drawing one figure after the other draws.
void DrawFigures(const DrawingContext &context, FigureState &f);

// What a shell gives a tick: the context every picture's figures draw with, and procedures
// on its own state (target), each of which may be null.
struct PictureShell {
    DrawingContext context;
    void *target;
    // Readies picture n: its clip, its surface, its origin on the context's target.
    void (*startPicture)(void *target, int32_t n, const FigureState &picture);
    // At every tick, before the figures: copies the frog in when FrogDueThisTick says so.
    void (*drawFrog)(void *target, int32_t n, const FigureState &picture);
};

// One timer tick of the pictures: at the first tick all are set up together (SetUpPictures),
// then each in order is started, gets its frog, draws every figure and steps its clock.
void TickPictures(FigureState *pictures, int32_t count, const PictureShell &shell);

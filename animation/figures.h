// The figures: concentric bands that swing around the centre, and the animation clock.
#pragma once

#include "client_rect.h"

#include <cstdint>

enum { MAX_FIGURES = 50 };

struct FigureState {
    int32_t firstTick; // 1 until the set-up has run
    ClientRect clientRect;
    int32_t width;
    int32_t height;
    double clock;
    double maxRadius;
    double phase[MAX_FIGURES];
    double angle[MAX_FIGURES];
    double prevAngle[MAX_FIGURES];
    int32_t innerRadius[MAX_FIGURES];
    int32_t outerRadius[MAX_FIGURES];
};

// Pseudo-random integers uniform over 0..32767.
void SeedRandom(uint32_t seed);
int32_t NextRandom();

// SetUpFigures seeds the generator with the calendar time in seconds, or, once this has
// been called, with the given seed (tests and sinuet-trace repeat a run with it).
void UseFixedSeed(uint32_t seed);

// A record as it is before its first tick: every field zero but firstTick, with the given
// client rectangle.
FigureState FreshFigures(ClientRect clientRect);

// A figure's phase from the random integer r (0..32767): a whole number 0..60.
double PhaseOf(int32_t r);

// The number of figures the arrays are indexed with: the settings' count, never below 0
// nor above MAX_FIGURES.
int32_t FigureCount();

// Each procedure works on the record it is given; the settings are the process's.
// SetUpFigures seeds the generator, then sets the figures of one picture up.
void SetUpFigures(FigureState &f);
// The same without seeding: a further picture's phases come next from the generator, so
// the first picture of several gets the phases a single picture gets from the same seed.
void SetUpFiguresWithoutSeeding(FigureState &f);
// Sets up several pictures from one seeding: the first as SetUpFigures does, the others
// as SetUpFiguresWithoutSeeding, in order.
void SetUpPictures(FigureState *pictures, int32_t count);
void UpdateAngle(FigureState &f, int32_t i);
void FinishTick(FigureState &f);

// SPDX-License-Identifier: GPL-3.0-or-later
// The colour scale of key accuracy: dark violet through teal to light yellow, read by its
// lightness as much as by its hue, so it keeps its order for colour-blind players.
#pragma once
#include "platform/toolkit_color.h"

// The colour of an accuracy in percent; 50 or less is the dark end, 100 the light end.
Rgb AccuracyScaleColour(int percent);
// Black or white, whichever reads better on fill.
Rgb TextColourOn(Rgb fill);
// The relative luminance of an sRGB colour, 0 (black) to 1 (white).
double RelativeLuminance(Rgb colour);

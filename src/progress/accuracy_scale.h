// SPDX-License-Identifier: GPL-3.0-or-later
// The colour scale of key accuracy: dark violet through teal to light yellow, read by its
// lightness as much as by its hue, so it keeps its order for colour-blind players.
#pragma once
#include "platform/toolkit_color.h"

// The colour of an accuracy in percent; 50 or less is the dark end, 100 the light end.
Rgb AccuracyScaleColour(int percent);
// The colour of a key tried too few times to be rated: a light grey. The scale's middle turns
// grey-blue for red-green blind eyes, so a middle grey would pass for an accuracy there; this
// one stays apart from every step of the scale for them too.
inline constexpr Rgb kTooFewTriesColour{0xD0, 0xD0, 0xD0};
// Black or white, whichever reads better on fill.
Rgb TextColourOn(Rgb fill);
// The relative luminance of an sRGB colour, 0 (black) to 1 (white).
double RelativeLuminance(Rgb colour);

// SPDX-License-Identifier: GPL-3.0-or-later
// Letterbox: where the 640 by 480 world lies on a larger or smaller surface, and the mapping of
// points and rectangles between world and surface pixels.
#pragma once
#include "level/level_play_host.h"

#include <cstdint>

// The world is scaled by num / den (both positive), kept in proportion and centred; the rest of
// the surface is border. All arithmetic is 64-bit, so any int surface size is well defined.
struct Letterbox {
  int64_t num = 1;
  int64_t den = 1;
  int left = 0;    // surface pixel of world x 0
  int top = 0;     // surface pixel of world y 0
  int width = 0;   // surface pixels the world covers
  int height = 0;
  int worldWidth = 0;
  int worldHeight = 0;

  // The largest proportional fit of a world into a surface, centred. A surface of no area
  // gives the world at scale 1 at the top-left corner.
  static Letterbox Fit(int worldWidth, int worldHeight, int surfaceWidth, int surfaceHeight);

  // Whether the scale is a whole number (pictures are then scaled by repeating pixels).
  bool WholeFactor() const { return num % den == 0; }
  double Factor() const { return static_cast<double>(num) / static_cast<double>(den); }

  // Surface point to world point, rounding toward minus infinity (a border point maps outside
  // the world).
  void ToWorld(int surfaceX, int surfaceY, int& worldX, int& worldY) const;
  // The smallest surface rectangle that covers a world rectangle's part inside the world,
  // including every surface pixel a smoothly filtered picture of it can touch (one pixel
  // around); empty when nothing of it is inside.
  ScreenRect ToSurface(const ScreenRect& world) const;
};

// The largest whole n with the world (640n by 480n at the game's size) inside a surface; at
// least 1. The screens that float over the full-screen game are drawn at this factor.
int WholeWorldFactor(int surfaceWidth, int surfaceHeight, int worldWidth = 640, int worldHeight = 480);

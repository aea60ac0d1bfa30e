// SPDX-License-Identifier: GPL-3.0-or-later
// The sixteen level backgrounds with their places.
#pragma once
#include <QImage>
#include <vector>

#include "qt_scene_kit.h"

struct SceneResult {
  QImage map;
  std::vector<ScenePlace> places;
};

// Levels 1..16: main street, saloon, bank, sheriff's office, railway station, stables, general
// store, church, hotel, mine, canyon, ranch, river landing, ghost town, fort, final showdown.
SceneResult PaintScene(int level);

// Town scenes (levels 1 to 8) and the scenes outside town (9 to 16).
void PaintTownScene(int level, SceneCanvas& c);
void PaintFarScene(int level, SceneCanvas& c);

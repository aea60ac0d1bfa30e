// SPDX-License-Identifier: GPL-3.0-or-later
// Dispatches a level number to its scene painter.
#include "qt_scenes.h"

#include <stdexcept>
#include <string>

SceneResult PaintScene(int level) {
  if (level < 1 || level > 16) throw std::runtime_error("no scene for level " + std::to_string(level));
  SceneCanvas canvas(1000 + static_cast<uint64_t>(level));
  if (level <= 8) PaintTownScene(level, canvas);
  else PaintFarScene(level, canvas);
  canvas.LabelShade();
  SceneResult result;
  result.places = canvas.Places();
  result.map = canvas.Finish();
  return result;
}

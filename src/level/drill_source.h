// SPDX-License-Identifier: GPL-3.0-or-later
// What level play asks of a composed drill: its scene and script, the key positions the
// places carry in each wave, and the place the next figure comes up at. Used by practice
// alone; the levels never take these paths.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

class Random;
struct LevelCounters;

class DrillSource {
 public:
  virtual ~DrillSource() = default;
  // The folder (with a trailing slash) whose Map.ini, Map.jpg and tag picture the drill uses.
  virtual std::string SceneDir() const = 0;
  // The drill's own Script.ini.
  virtual std::string ScriptPath() const = 0;
  // The key positions of the places for the wave that starts now, one per place (empty: no
  // figure comes up there in this wave), no two alike.
  virtual std::vector<std::string> DrawPositions(size_t placeCount, Random& random) = 0;
  // The index into candidates (free places that carry a key) of the place the next figure
  // comes up at; positions are the places' keys in this wave.
  virtual size_t ChoosePlace(const std::vector<size_t>& candidates, const std::vector<std::string>& positions,
                             Random& random) = 0;
  // The script has run out. Level play stays paused; the caller decides what comes next.
  virtual void Finished(const LevelCounters& counters) = 0;
};

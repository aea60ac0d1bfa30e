// SPDX-License-Identifier: GPL-3.0-or-later
// What level play asks of a composed drill: its scene and script, the key positions the
// places carry in each wave, and the place the next figure comes up at. Used by practice
// alone; the levels never take these paths.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

class Random;
class WordTyping;
struct LevelCounters;

// A word a figure carries in a word wave: its text as the plaque writes it (lower-case UTF-8)
// and the key position of each of its letters.
struct DrillWord {
  std::string text;
  std::vector<std::string> keys;
};

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
  // Whether the wave that starts now (waveIndex counts from 0) carries words instead of letters.
  // In a word wave every figure gets a word from WordFor and the key presses go to Typing().
  virtual bool BeginWave(size_t /*waveIndex*/, Random& /*random*/) { return false; }
  // The word of the figure coming up now in a word wave; standing holds the words of the figures
  // still standing, so a word with a first letter of its own can be preferred.
  virtual DrillWord WordFor(const std::vector<std::string>& /*standing*/, Random& /*random*/) { return {}; }
  // The word-typing state of the drill's word waves; null when the drill has none.
  virtual WordTyping* Typing() { return nullptr; }
  // The script has run out. Level play stays paused; the caller decides what comes next.
  virtual void Finished(const LevelCounters& counters) = 0;
};

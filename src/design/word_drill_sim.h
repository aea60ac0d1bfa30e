// SPDX-License-Identifier: GPL-3.0-or-later
// A headless word wave with a modelled typist: figures come up with words, the typist locks and types
// them through the game's word-typing rules, and the records give its words per minute.
#pragma once
#include "design/typist.h"
#include "words/words_speed.h"

#include <cstdint>
#include <string>
#include <vector>

class WordChooser;

// Which finger types a US key position when touch typing: 0 to 3 the left hand's little, ring,
// middle and index fingers, 4 to 7 the right hand's index, middle, ring and little fingers; -1 for
// a key no finger is given.
int FingerOfKey(const std::string& key);
// How much longer than a pair typed by the two hands a pair of keys takes: the same key 1.0, one
// finger on two keys 1.6, one hand 1.15, the two hands 0.85 (the typist's pair median is for 1.0).
double WordPairFactor(const std::string& from, const std::string& to);

struct WordDrillSettings {
  int64_t drillMs = 60000;         // figures come up during this time
  int maxFigures = 3;              // standing at once
  int64_t spawnGapMs = 1200;       // from one figure coming up to the next
  int64_t lifeBaseMs = 3000;       // a figure's time before it acts: this ...
  int64_t lifePerLetterMs = 900;   // ... plus this per letter of its word
  int townspersonEvery = 6;        // every sixth figure is a townsperson
  size_t wordsPerDraw = 10;        // words chosen at a time, as for a wave
};

struct WordDrillResult {
  std::vector<WordKeyRecord> records;
  int64_t readyMs = 0;
  WordSpeed speed;
  int32_t enemies = 0;
  int32_t enemiesLost = 0;  // acted before their word was complete
};

// One drill in virtual time, every draw from seed.
WordDrillResult SimulateWordDrill(const TypistProfile& typist, WordChooser& chooser, const WordDrillSettings& settings,
                                  uint64_t seed);

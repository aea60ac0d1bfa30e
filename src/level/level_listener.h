// SPDX-License-Identifier: GPL-3.0-or-later
// What level play tells an observer about a run: its start, each resolved key, each enemy that
// acted unshot, the waves' end checks, pauses and the ways the run ends. Level play calls these
// on the game's thread and never waits on what the listener does with them.
#pragma once
#include <cstddef>
#include <string>

struct LevelCounters;

// One letter typed in a word wave of a drill.
struct WordShot {
  std::string typed;     // the character typed
  std::string result;    // "LETTER" (picked or continued a word), "POINT", "CIVILIAN" (completed it) or "MISS"
  int place = -1;        // the place of the figure it went to; -1 for a miss while nothing was locked
  int figure = -1;       // that figure's number in the run (the spawn count when it came up), or -1
  std::string letter;    // the word's letter it typed; empty for a miss
  std::string position;  // that letter's key position; for a miss the pressed key's (may be empty)
  int wordPos = -1;      // the letter's index in the word; -1 for a miss
  int wordLen = 0;       // for the letter that completed the word: the word's letters; else 0
  bool counted = true;   // false for a miss in a wave's end phase
  // The key the press is a chance at: the letter's key for a letter of a word (only enemies
  // carry words); for a miss the due letter's key of the locked word, or with no lock the
  // nearest ready word's next key (see AimedKey); empty for a miss no key can be charged with.
  std::string charged;
};

class LevelPlayListener {
 public:
  virtual ~LevelPlayListener() = default;
  // A level has loaded and its clock runs.
  virtual void LevelStarted(const std::string& levelName, const std::string& difficulty) = 0;
  // An actor has been put at place and starts to appear now.
  virtual void ActorSpawned(size_t place) = 0;
  // One typed character became result ("POINT", "CIVILIAN" or "MISS"). place is the place that
  // decided (an actor hit, or a dump whose letter matched), or -1; letter is its letter or empty.
  // counted is false for a miss in a wave's end phase, which the counters ignore. position is the
  // key's US key name: the place's where its letter names one, else the pressed key's; empty
  // when neither is known.
  virtual void CharacterResolved(const std::string& typed, const std::string& result, int place,
                                 const std::string& letter, bool counted, const std::string& position = {}) = 0;
  // Called after a counted miss typed while exactly one enemy stood ready to be shot, at place,
  // whose key is position: the player aimed at it.
  virtual void MissAimedAt(size_t /*place*/, const std::string& /*position*/) {}
  // Called after every counted miss in a letter wave: the key it is charged to (a US key name),
  // the key aimed at as far as it can be told; empty when it counts for no key.
  virtual void MissCharged(const std::string& /*position*/) {}
  // An enemy at place acted without being shot (the counters booked it as lost). letter is the
  // character the player had to type there; position the US key the place's letter names, or empty.
  virtual void EnemyLost(size_t place, const std::string& letter, const std::string& position = {}) = 0;
  // Called right after EnemyLost for a figure lost with a word on it: the key it is charged to,
  // the word's due letter, or empty when nobody began its word.
  virtual void LostCharged(const std::string& /*position*/) {}
  // A letter typed in a word wave. By default a completed word or a miss is told as any other
  // resolved character; a letter that only picked or continued a word is not.
  virtual void WordLetterResolved(const WordShot& shot) {
    if (shot.result != "LETTER") {
      CharacterResolved(shot.typed, shot.result, shot.place, shot.letter, shot.counted, shot.position);
    }
  }
  // In a word wave: whether at least one word now stands ready to be typed (told at each change,
  // and false when a word wave ends).
  virtual void WordsReadyChanged(bool /*anyReady*/) {}
  virtual void WaveEndChecked() = 0;
  virtual void PauseChanged(bool paused) = 0;
  // The script is exhausted; the results screen is about to show these counters.
  virtual void LevelFinished(const LevelCounters& counters) = 0;
  // The level was left before its end: restarted, or quit to the menu.
  virtual void LevelLeft(bool restarted) = 0;
};

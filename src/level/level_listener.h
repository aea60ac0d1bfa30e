// SPDX-License-Identifier: GPL-3.0-or-later
// What level play tells an observer about a run: its start, each resolved key, each enemy that
// acted unshot, the waves' end checks, pauses and the ways the run ends. Level play calls these
// on the game's thread and never waits on what the listener does with them.
#pragma once
#include <cstddef>
#include <string>

struct LevelCounters;

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
  // An enemy at place acted without being shot (the counters booked it as lost). letter is the
  // character the player had to type there; position the US key the place's letter names, or empty.
  virtual void EnemyLost(size_t place, const std::string& letter, const std::string& position = {}) = 0;
  virtual void WaveEndChecked() = 0;
  virtual void PauseChanged(bool paused) = 0;
  // The script is exhausted; the results screen is about to show these counters.
  virtual void LevelFinished(const LevelCounters& counters) = 0;
  // The level was left before its end: restarted, or quit to the menu.
  virtual void LevelLeft(bool restarted) = 0;
};

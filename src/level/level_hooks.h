// SPDX-License-Identifier: GPL-3.0-or-later
// The hooks level play and its parts tell a run's events through: the trace, spawns, the listener.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

class LevelPlayListener;
class TbotImage;

struct LevelHooks {
  // Called with every event a trace should show (spawns, results, steps); may be empty.
  std::function<void(const std::string&)> trace;
  // Called when an actor has been put at a place, just before it starts to appear; may be empty.
  std::function<void(size_t place, const TbotImage& actor)> onSpawn;
  // Told about the run as it goes (see LevelPlayListener); not owned, may be null.
  LevelPlayListener* listener = nullptr;

  void Trace(const std::string& text) const {
    if (trace) trace(text);
  }
};

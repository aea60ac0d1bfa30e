// SPDX-License-Identifier: GPL-3.0-or-later
// A modelled typist: reaction time, wrong keys, civilians shot by mistake, a minimum gap
// between key presses; every draw made from the program's seeded generator.
#pragma once
#include "platform/random.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TypistProfile {
  std::string name;
  double reactionMedianMs = 900;  // from an actor's first appearance to the key press
  double reactionSpread = 0.3;    // sigma of the log-normal reaction time
  double wrongKeyChance = 0.05;   // a press hits a wrong key (and is then corrected)
  double civilianChance = 0.05;   // a civilian is taken for an enemy and shot
  int minGapMs = 200;             // between two key presses
  // Median time from one letter of a word to the next, for a pair typed by the other hand; pairs
  // on one hand, and most of all on one finger, take longer (see WordPairMs).
  double pairMedianMs = 300;
};

// novice, average and skilled.
const std::vector<TypistProfile>& BuiltInTypists();
std::optional<TypistProfile> FindTypist(const std::string& name);

// Draws written out by hand so that a seed gives the same numbers with every library.
class TypistDraws {
public:
  explicit TypistDraws(Random& random) : random_(random) {}
  // Uniform in the open interval (0, 1).
  double Uniform();
  // Standard normal, by the Box-Muller transform.
  double Normal();
  // Log-normal with the given median and sigma, rounded to whole milliseconds, at least 0.
  int64_t LogNormalMs(double median, double sigma);
  bool Chance(double probability);

private:
  Random& random_;
};

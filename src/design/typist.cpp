// SPDX-License-Identifier: GPL-3.0-or-later
// A modelled typist's profiles and its hand-written random draws.
#include "design/typist.h"

#include <algorithm>
#include <cmath>

const std::vector<TypistProfile>& BuiltInTypists() {
  static const std::vector<TypistProfile> typists = {
      {"novice", 1400, 0.35, 0.12, 0.15, 350, 520},
      {"average", 900, 0.30, 0.06, 0.06, 220, 280},
      {"skilled", 550, 0.25, 0.02, 0.02, 130, 140},
  };
  return typists;
}

std::optional<TypistProfile> FindTypist(const std::string& name) {
  for (const TypistProfile& typist : BuiltInTypists()) {
    if (typist.name == name) return typist;
  }
  return std::nullopt;
}

double TypistDraws::Uniform() { return (static_cast<double>(random_.Next32()) + 0.5) / 4294967296.0; }

double TypistDraws::Normal() {
  constexpr double kTwoPi = 6.283185307179586;
  const double u1 = Uniform();
  const double u2 = Uniform();
  return std::sqrt(-2.0 * std::log(u1)) * std::cos(kTwoPi * u2);
}

int64_t TypistDraws::LogNormalMs(double median, double sigma) {
  const double value = median * std::exp(sigma * Normal());
  if (!(value > 0)) return 0;
  return static_cast<int64_t>(std::llround(std::min(value, 1e9)));
}

bool TypistDraws::Chance(double probability) {
  if (probability <= 0) return false;
  return Uniform() < probability;
}

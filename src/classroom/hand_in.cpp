// SPDX-License-Identifier: GPL-3.0-or-later
// A hand-in's figures.
#include "classroom/hand_in.h"

int HandInKey::AccuracyPercent() const {
  if (chances <= 0) return 0;
  return static_cast<int>(static_cast<int64_t>(hits) * 100 / chances);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Which finger types a key position, as touch typing teaches it.
#pragma once
#include <string>

// From the left hand's little finger to the right hand's; None for a position no finger is
// taught for (no key of the typing area).
enum class Finger {
  LeftLittle,
  LeftRing,
  LeftMiddle,
  LeftIndex,
  RightIndex,
  RightMiddle,
  RightRing,
  RightLittle,
  None
};

inline constexpr int kFingerCount = 8;

// The finger for a US key position ("f", ";", "1"), by the column it stands in.
Finger FingerOf(const std::string& position);
// "left index finger": the English name the screens translate.
const char* FingerName(Finger finger);

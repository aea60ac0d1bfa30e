// SPDX-License-Identifier: GPL-3.0-or-later
// Which finger types a key position, as touch typing teaches it.
#include "practice/key_finger.h"

#include <array>
#include <string_view>

namespace {
struct Column {
  std::string_view positions;  // one character each
  Finger finger;
};

// The columns of the typing area, number row to bottom row. The index fingers take two columns
// each, the right little finger everything right of its home key.
constexpr std::array<Column, 8> kColumns{{{"`1qaz", Finger::LeftLittle},
                                          {"2wsx", Finger::LeftRing},
                                          {"3edc", Finger::LeftMiddle},
                                          {"45rtfgvb", Finger::LeftIndex},
                                          {"67yuhjnm", Finger::RightIndex},
                                          {"8ik,", Finger::RightMiddle},
                                          {"9ol.", Finger::RightRing},
                                          {"0-=p[]\\;'/", Finger::RightLittle}}};
}  // namespace

Finger FingerOf(const std::string& position) {
  if (position.size() != 1) return Finger::None;
  for (const Column& column : kColumns) {
    if (column.positions.find(position[0]) != std::string_view::npos) return column.finger;
  }
  return Finger::None;
}

const char* FingerName(Finger finger) {
  switch (finger) {
    case Finger::LeftLittle:
      return "left little finger";
    case Finger::LeftRing:
      return "left ring finger";
    case Finger::LeftMiddle:
      return "left middle finger";
    case Finger::LeftIndex:
      return "left index finger";
    case Finger::RightIndex:
      return "right index finger";
    case Finger::RightMiddle:
      return "right middle finger";
    case Finger::RightRing:
      return "right ring finger";
    case Finger::RightLittle:
      return "right little finger";
    case Finger::None:
      break;
  }
  return "";
}

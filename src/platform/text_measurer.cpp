// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed-pitch text measurer for tests and headless runs.
#include "platform/text_measurer.h"

TextSize FixedTextMeasurer::MeasureBold(const std::string& utf8, int pixelSize) {
  int codePoints = 0;
  // Every byte that does not continue a UTF-8 sequence starts a character.
  for (const char c : utf8) codePoints += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return TextSize{codePoints * (pixelSize * 6 / 10), pixelSize + pixelSize / 4};
}

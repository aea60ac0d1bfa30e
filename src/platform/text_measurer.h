// SPDX-License-Identifier: GPL-3.0-or-later
// Measures text as the screens will draw it, so the rules can place letters.
#pragma once
#include <string>

struct TextSize {
  int width = 0;
  int height = 0;
};

class TextMeasurer {
public:
  virtual ~TextMeasurer() = default;
  // Size of utf8 drawn in bold "Arial" at pixelSize pixels.
  virtual TextSize MeasureBold(const std::string& utf8, int pixelSize) = 0;
};

// A fixed-pitch stand-in for tests and headless runs: every character is 60% of the size wide.
class FixedTextMeasurer : public TextMeasurer {
public:
  TextSize MeasureBold(const std::string& utf8, int pixelSize) override;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// Text sizes from Qt's font metrics, as the screens will draw the text.
#pragma once
#include <QFontMetrics>
#include <map>

#include "platform/text_measurer.h"

// Needs a QGuiApplication (fonts come from the platform).
class QtTextMeasurer : public TextMeasurer {
public:
  TextSize MeasureBold(const std::string& utf8, int pixelSize) override;

private:
  const QFontMetrics& MetricsFor(int pixelSize);
  std::map<int, QFontMetrics> metrics_;  // by pixel size; the game uses a handful of sizes
};

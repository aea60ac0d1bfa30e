// Text sizes from Qt's font metrics, as the screens will draw the text.
#pragma once
#include "platform/text_measurer.h"

// Needs a QGuiApplication (fonts come from the platform).
class QtTextMeasurer : public TextMeasurer {
public:
  TextSize MeasureBold(const std::string& utf8, int pixelSize) override;
};

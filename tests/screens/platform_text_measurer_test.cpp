// SPDX-License-Identifier: GPL-3.0-or-later
// Text measured with the font the screens draw in: bold "Arial", served by Liberation Sans.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>

#include "platform/qt/qt_text_measurer.h"
#include "widgets/qt_fonts.h"

namespace {

TEST(QtTextMeasurer, ArialResolvesToAFontWithItsMetrics) {
  QFont font("Arial");
  font.setBold(true);
  font.setPixelSize(16);
  EXPECT_EQ(QFontInfo(font).family(), QString("Liberation Sans"));
}

TEST(QtTextMeasurer, MeasuresProportionalBoldText) {
  QtTextMeasurer measurer;
  const TextSize wide = measurer.MeasureBold("WWWW", 20);
  const TextSize narrow = measurer.MeasureBold("iiii", 20);
  EXPECT_GT(wide.width, 2 * narrow.width);
  EXPECT_EQ(wide.height, narrow.height);
  EXPECT_GE(wide.height, 20);
  EXPECT_LE(wide.height, 26);

  const TextSize small = measurer.MeasureBold("Miss:", 13);
  const TextSize large = measurer.MeasureBold("Miss:", 48);
  EXPECT_GT(small.width, 0);
  EXPECT_GT(large.width, 3 * small.width);
  EXPECT_GT(large.height, 3 * small.height);
  EXPECT_EQ(measurer.MeasureBold("", 13).width, 0);
  // Letters outside Latin-1 are measured as text, not as bytes.
  EXPECT_LT(measurer.MeasureBold("Ж", 20).width, measurer.MeasureBold("ЖЖ", 20).width);
  EXPECT_LT(measurer.MeasureBold("Ж", 20).width, 2 * measurer.MeasureBold("i", 20).width * 3);
}

// The rules place and size labels by the measurer; the screens draw them with their own font.
// The two must agree, or a label's box and its painted text part ways.
TEST(QtTextMeasurer, AgreesWithTheFontTheScreensDrawWith) {
  QtTextMeasurer measurer;
  // Sizes revisited in another order, so that a size never gets another size's metrics.
  for (int size : {13, 48, 16, 13, 48}) {
    const QFontMetrics metrics(ArialFont(size));
    for (const char* text : {"Miss:", "0:00", "Ä"}) {
      SCOPED_TRACE(std::string(text) + " at " + std::to_string(size));
      const TextSize measured = measurer.MeasureBold(text, size);
      EXPECT_EQ(measured.width, metrics.horizontalAdvance(QString::fromUtf8(text)));
      EXPECT_EQ(measured.height, metrics.height());
    }
  }
}

// Liberation Sans Bold's own advance widths (units of 2048 per em: "0" and ":" 1139 and 682,
// "M" 1706, "i" 569, "s" 1139, "W" 1933): at 48 px "0:00" is 3 * 26.7 + 16.0 = 96.1 px and at
// 13 px "Miss:" is 10.8 + 3.6 + 7.2 + 7.2 + 4.3 = 33.2 px; rounding may move each by a pixel.
TEST(QtTextMeasurer, WidthsAreThoseOfLiberationSansBold) {
  QtTextMeasurer measurer;
  struct Case {
    const char* text;
    int size;
    int low, high;
  };
  const Case cases[] = {
      {"0:00", 48, 95, 97},
      {"Miss:", 13, 32, 35},
      {"WWWW", 20, 74, 77},
      {"iiii", 20, 21, 24},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " at " + std::to_string(c.size));
    const int width = measurer.MeasureBold(c.text, c.size).width;
    EXPECT_GE(width, c.low);
    EXPECT_LE(width, c.high);
  }
}

}  // namespace

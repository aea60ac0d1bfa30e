// Text measured with the font the screens draw in: bold "Arial", served by Liberation Sans.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>

#include "platform/qt_text_measurer.h"

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

TEST(QtTextMeasurer, AgreesWithTheFontTheScreensDrawWith) {
  QtTextMeasurer measurer;
  // Sizes revisited in another order, so that a size never gets another size's metrics.
  for (int size : {13, 48, 16, 13, 48}) {
    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(size);
    const QFontMetrics metrics(font);
    for (const char* text : {"Miss:", "0:00", "Ä"}) {
      SCOPED_TRACE(std::string(text) + " at " + std::to_string(size));
      const TextSize measured = measurer.MeasureBold(text, size);
      EXPECT_EQ(measured.width, metrics.horizontalAdvance(QString::fromUtf8(text)));
      EXPECT_EQ(measured.height, metrics.height());
    }
  }
}

}  // namespace

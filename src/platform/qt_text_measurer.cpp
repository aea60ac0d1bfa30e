// Text sizes from Qt's font metrics, as the screens will draw the text.
#include "platform/qt_text_measurer.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

TextSize QtTextMeasurer::MeasureBold(const std::string& utf8, int pixelSize) {
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPixelSize(pixelSize > 0 ? pixelSize : 1);
  const QFontMetrics metrics(font);
  return TextSize{metrics.horizontalAdvance(QString::fromStdString(utf8)), metrics.height()};
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Text sizes from Qt's font metrics, as the screens will draw the text.
#include "platform/qt/qt_text_measurer.h"

#include <QFont>
#include <QString>

TextSize QtTextMeasurer::MeasureBold(const std::string& utf8, int pixelSize) {
  const QFontMetrics& metrics = MetricsFor(pixelSize > 0 ? pixelSize : 1);
  return TextSize{metrics.horizontalAdvance(QString::fromStdString(utf8)), metrics.height()};
}

const QFontMetrics& QtTextMeasurer::MetricsFor(int pixelSize) {
  auto found = metrics_.find(pixelSize);
  if (found == metrics_.end()) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    found = metrics_.emplace(pixelSize, QFontMetrics(font)).first;
  }
  return found->second;
}

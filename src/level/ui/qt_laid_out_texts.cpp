// SPDX-License-Identifier: GPL-3.0-or-later
// Texts the game screen draws again at every repaint, laid out once and kept.
#include "level/ui/qt_laid_out_texts.h"

#include <QFontMetricsF>
#include <QPainter>

LaidOutTexts::Kept& LaidOutTexts::LaidOut(const QString& text, const QFont& font) {
  auto fontTexts = byFont_.begin();
  while (fontTexts != byFont_.end() && !(fontTexts->first == font)) ++fontTexts;
  if (fontTexts == byFont_.end()) {
    byFont_.emplace_back(font, QHash<QString, Kept>());
    fontTexts = std::prev(byFont_.end());
  }
  QHash<QString, Kept>& texts = fontTexts->second;
  auto it = texts.find(text);
  if (it != texts.end()) return *it;
  if (Count() >= kMaxTexts) {
    byFont_.clear();
    return LaidOut(text, font);
  }
  QString lines = text;
  lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
  QStaticText laidOut(lines);
  laidOut.setTextFormat(Qt::PlainText);
  laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
  // Laid out at the first drawing, for the painter's transform then.
  return *texts.insert(text, Kept{laidOut});
}

int LaidOutTexts::Count() const {
  int count = 0;
  for (const auto& fontTexts : byFont_) count += static_cast<int>(fontTexts.second.size());
  return count;
}

void LaidOutTexts::Draw(QPainter& painter, const QPoint& topLeft, const QString& text, const QFont& font) {
  Kept& kept = LaidOut(text, font);
  painter.setFont(font);
  painter.drawStaticText(topLeft, kept.text);
}

void LaidOutTexts::DrawCentred(QPainter& painter, const QRect& box, const QString& text, const QFont& font) {
  Kept& kept = LaidOut(text, font);
  if (kept.width < 0) kept.width = QFontMetricsF(font).horizontalAdvance(text);
  painter.setFont(font);
  painter.drawStaticText(QPointF(box.left() + (box.width() - kept.width) / 2, box.top()), kept.text);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Texts the game screen draws again at every repaint, laid out once and kept.
#pragma once
#include <QFont>
#include <QHash>
#include <QRect>
#include <QStaticText>
#include <QString>

#include <vector>

class QPainter;

// Laying a text out (shaping its glyphs) is most of what drawing it costs; the letters on the
// tags and the counters change seldom and are drawn many times a second. Drawing here puts the
// same pixels where QPainter::drawText puts them.
class LaidOutTexts {
public:
  // As drawText(QRect(topLeft, ...), Qt::AlignLeft | Qt::AlignTop, text) with the font; '\n'
  // starts a new line.
  void Draw(QPainter& painter, const QPoint& topLeft, const QString& text, const QFont& font);
  // As drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, text) with the font.
  void DrawCentred(QPainter& painter, const QRect& box, const QString& text, const QFont& font);
  int Count() const;

private:
  struct Kept {
    QStaticText text;
    qreal width = -1;  // the advance, measured at the first centring
  };
  Kept& LaidOut(const QString& text, const QFont& font);

  // Texts come and go with the waves: past this many, all are laid out afresh.
  static constexpr int kMaxTexts = 256;
  // By font first: the screen draws in a handful of fonts, and comparing fonts is cheaper than
  // describing them.
  std::vector<std::pair<QFont, QHash<QString, Kept>>> byFont_;
};

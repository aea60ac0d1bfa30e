// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the wooden letter plaque.
#include "qt_tag_picture.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "det_random.h"
#include "level_files.h"

QImage DrawTagPlaque(int level) {
  QImage img(kTagWidth, kTagHeight, QImage::Format_RGB32);
  QPainter p(&img);
  // Solid pixel art: the plaque is shown opaque, every pixel counts.
  img.fill(QColor(70, 42, 22));
  p.fillRect(1, 1, kTagWidth - 2, kTagHeight - 2, QColor(188, 146, 92));
  p.fillRect(2, 2, kTagWidth - 4, kTagHeight - 4, QColor(236, 208, 156));
  DetRandom rng(500 + static_cast<uint64_t>(level));
  // Faint grain lines, kept light so the letter stays clear.
  for (int y = 4; y < kTagHeight - 3; y += 4) {
    const int x0 = 3 + rng.Below(6), x1 = kTagWidth - 4 - rng.Below(6);
    p.setPen(QColor(222, 190, 136));
    p.drawLine(x0, y, x1, y);
  }
  // Shadow along the bottom and right edge.
  p.setPen(QColor(160, 118, 70));
  p.drawLine(2, kTagHeight - 3, kTagWidth - 3, kTagHeight - 3);
  p.drawLine(kTagWidth - 3, 2, kTagWidth - 3, kTagHeight - 3);
  return img;
}

QImage TagWithLetter(const QImage& plaque, const QString& letter, int points, QColor colour) {
  QImage img = plaque.copy();
  QPainter p(&img);
  QFont f(QStringLiteral("Arial"));
  f.setPointSize(points);
  f.setBold(true);
  p.setFont(f);
  p.setPen(colour);
  const QFontMetrics fm(f);
  const QString text = letter.toUpper();
  const int x = img.width() / 2 - fm.horizontalAdvance(text) / 2;
  const int y = img.height() / 2 - fm.height() / 2;
  p.drawText(x, y + fm.ascent(), text);
  return img;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Texts laid out once and kept draw the same pixels as drawing them afresh each time.
#include "level/ui/qt_laid_out_texts.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "widgets/qt_fonts.h"

namespace {

// Draws the texts twice on a dark image (at the game screen's scales): afresh, or kept.
QImage Drawn(bool kept, double scale, LaidOutTexts& texts) {
  QImage image(700, 560, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.translate(7, 3);
  painter.scale(scale, scale);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, scale != 1 && scale != 2);
  const struct {
    QPoint at;
    const char* text;
    QFont font;
  } lefts[] = {
      {{568, 408}, "Point: 1290", ArialFont(13)},
      {{20, 30}, "g", ArialFont(24)},
      {{90, 30}, "\xc3\xb6", ArialFont(24)},      // ö
      {{150, 30}, "\xd0\xbf", ArialFont(19)},     // п, from a fallback font
      {{200, 60}, "saddle", ArialFont(16, false)},
      {{16, 400}, "lost: 3\nbots: 12\nthird line", ArialFont(16)},
  };
  for (int pass = 0; pass < 2; ++pass) {
    painter.setPen(pass == 0 ? Qt::yellow : Qt::red);
    for (const auto& t : lefts) {
      const QString text = QString::fromUtf8(t.text);
      if (kept) {
        texts.Draw(painter, t.at, text, t.font);
      } else {
        painter.setFont(t.font);
        painter.drawText(QRect(t.at, QSize(4096, 4096)), Qt::AlignLeft | Qt::AlignTop, text);
      }
    }
    const QRect timeBox(176, 405, 288, 56);
    for (const char* time : {"1:07", "0:09", "11:59"}) {
      const QString text = QString::fromUtf8(time);
      if (kept) {
        texts.DrawCentred(painter, timeBox.translated(0, pass * 60), text, ArialFont(48));
      } else {
        painter.setFont(ArialFont(48));
        painter.drawText(timeBox.translated(0, pass * 60), Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, text);
      }
    }
  }
  return image;
}

TEST(LaidOutTexts, DrawTheSamePixelsAsDrawingAfreshAtEveryScreenScale) {
  for (const double scale : {1.0, 2.0, 1.5, 0.8, 2.133}) {
    SCOPED_TRACE(scale);
    LaidOutTexts texts;
    const QImage afresh = Drawn(false, scale, texts);
    const QImage first = Drawn(true, scale, texts);
    const int kept = texts.Count();
    const QImage again = Drawn(true, scale, texts);
    EXPECT_EQ(first, afresh);
    EXPECT_EQ(again, afresh);
    // Drawn again, nothing new was laid out: every text came from what was kept.
    EXPECT_EQ(texts.Count(), kept);
    EXPECT_EQ(kept, 6 + 3);
  }
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Labels of the small screens are sized to their text by the time they show, whenever they were
// made, and keep a size the screen gave them.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include "widgets/qt_fonts.h"

namespace {

// What a label with this text and font needs, measured apart from any label.
QSize TextSize(const QString& text, const QFont& font) {
  const QFontMetrics metrics(font);
  return {metrics.horizontalAdvance(text), metrics.height()};
}

TEST(LabelSizing, LabelsShowSizedToTheirTextWhetherMadeBeforeOrAfterTheirScreenShows) {
  QWidget screen;
  screen.resize(400, 200);
  const QFont big = ArialFont(21);
  QLabel* early = MakeLabel(&screen, QStringLiteral("Made before the screen shows"), 4, 4, big, look::kWhite);
  // A text changed before the screen shows is the one the label fits.
  QLabel* changed = MakeLabel(&screen, QStringLiteral("x"), 4, 40, big, look::kWhite);
  changed->setText(QStringLiteral("A longer text given later"));
  // A size the screen gives is kept.
  QLabel* given = MakeLabel(&screen, QStringLiteral("Boxed"), 4, 80, big, look::kWhite);
  given->resize(300, 50);
  screen.show();
  QLabel* late = MakeLabel(&screen, QStringLiteral("Made while it shows"), 4, 120, big, look::kWhite);

  for (QLabel* label : {early, changed, late}) {
    SCOPED_TRACE(label->text().toStdString());
    const QSize text = TextSize(label->text(), big);
    EXPECT_GE(label->width(), text.width());
    EXPECT_LE(label->width(), text.width() + 4);
    EXPECT_GE(label->height(), text.height());
    EXPECT_LE(label->height(), text.height() + 4);
  }
  EXPECT_EQ(given->size(), QSize(300, 50));
  EXPECT_EQ(early->pos(), QPoint(4, 4));
}

TEST(LabelSizing, ALinkRestyledWhileItsScreenIsHiddenFitsItsNewFontWhenShownAgain) {
  QWidget screen;
  screen.resize(400, 100);
  QLabel* link = MakeLabel(&screen, QStringLiteral("manual"), 4, 4, ArialFont(11), look::kWhite);
  screen.show();
  screen.hide();
  QFont larger = ArialFont(24);
  link->setFont(larger);
  SetLinkLook(link, look::kYellow, true);
  screen.show();
  larger.setUnderline(true);
  EXPECT_GE(link->width(), TextSize(QStringLiteral("manual"), larger).width());
  EXPECT_GE(link->height(), TextSize(QStringLiteral("manual"), larger).height());
}

}  // namespace

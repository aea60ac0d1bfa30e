// SPDX-License-Identifier: GPL-3.0-or-later
// Built-in pictures on screens: named at creation, drawn as decoded, sized as their files say.
#include "widgets/picture_box_widget.h"

#include <gtest/gtest.h>

#include <QImage>

#include "widgets/qt_fonts.h"

namespace {

TEST(PictureBox, ABuiltInPictureIsSizedByItsFileAndDrawnAsDecoded) {
  const struct {
    const char* name;
    QSize given;      // the size the screen names for a missing picture
    bool stretch;
    QSize expected;   // of the box before it is ever drawn
    bool missing;
  } cases[] = {
      {"the_end.png", {40, 30}, false, {501, 408}, false},
      {"first_start.png", {10, 10}, false, {289, 154}, false},
      {"help_page.png", {382, 267}, true, {382, 267}, false},
      {"no_such_picture.png", {50, 40}, false, {50, 40}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PictureBox box(ScreenPicture(QString::fromUtf8(c.name), c.given.width(), c.given.height()), c.stretch);
    if (c.stretch) box.resize(c.expected);
    EXPECT_EQ(box.size(), c.expected);
    const QImage drawn = box.grab().toImage();
    ASSERT_EQ(drawn.size(), c.expected);
    if (c.missing) {
      EXPECT_EQ(drawn.pixelColor(10, 10), look::kMissingPicture);
      EXPECT_EQ(box.Picture().size(), c.given);
      continue;
    }
    const QImage file(QStringLiteral(":/pictures/") + QString::fromUtf8(c.name));
    ASSERT_EQ(file.size(), c.expected);
    for (const QPoint p : {QPoint(0, 0), QPoint(c.expected.width() / 2, c.expected.height() / 3),
                           QPoint(c.expected.width() - 1, c.expected.height() - 1)}) {
      EXPECT_EQ(drawn.pixelColor(p).rgb(), file.pixelColor(p).rgb()) << p.x() << "," << p.y();
    }
  }
}

}  // namespace

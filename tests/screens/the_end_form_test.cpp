// SPDX-License-Identifier: GPL-3.0-or-later
// The end screen: left only through its close area.
#include "screens/ui/the_end_form.h"

#include <gtest/gtest.h>

#include <QTest>

#include "screen_fixture.h"
#include "widgets/hover_button_widget.h"

namespace {

TEST(EndScreen, KeysAndPictureClicksDoNotCloseItTheCloseAreaDoes) {
  ScreenWorld world;
  TFmTheEnd end(world.app);
  bool stayed = false;
  WhenModal([&] {
    QTest::keyClick(end.windowHandle(), Qt::Key_Escape);
    QTest::keyClick(end.windowHandle(), Qt::Key_Return);
    QTest::mouseClick(&end, Qt::LeftButton, {}, QPoint(450, 50));
    end.close();
    stayed = end.isVisible();
    QTest::mouseClick(end.CloseArea(), Qt::LeftButton, {}, QPoint(100, 40));
  });
  end.ShowModal();
  EXPECT_TRUE(stayed);
  EXPECT_FALSE(end.isVisible());
  EXPECT_EQ(end.result(), QDialog::Accepted);
  EXPECT_EQ(end.size(), QSize(501, 408));
  EXPECT_EQ(end.CloseArea()->geometry(), QRect(8, 304, 385, 89));
}

}  // namespace

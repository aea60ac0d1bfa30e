// SPDX-License-Identifier: GPL-3.0-or-later
// The hover button: caption colour and underline on pointer enter and leave, and clicks.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "widgets/hover_button_widget.h"

namespace {

const QColor kWhite(255, 255, 255), kBlack(0, 0, 0), kGray(128, 128, 128), kRed(255, 0, 0),
    kBlue(0, 0, 255), kGreen(0, 128, 0);

TEST(HoverButton, ConstructedWithBlueHighlightUnderlineAndNoRecolour) {
  TVtxSpdButton button;
  EXPECT_EQ(button.OldColor, kBlack);
  EXPECT_EQ(button.HighLightClr, kBlue);
  EXPECT_FALSE(button.EnableHighLight);
  EXPECT_TRUE(button.EnableUnderline);
  EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
}

struct HoverCase {
  const char* name;
  bool highlight;
  bool underline;
  bool enabled;
  QColor caption;  // caption colour before the pointer enters
  QColor highlightClr;
  QColor storedOld;     // OldColor the layout stored
  QColor setWhileOver;  // colour the program sets while the pointer is over; invalid: none
  QColor expectOver;
  bool expectUnderlineOver;
  QColor expectAfter;
};

TEST(HoverButton, EnterAndLeaveFollowTheHoverRules) {
  const HoverCase cases[] = {
      {"menu button", true, false, true, kWhite, kGray, kBlack, QColor(), kGray, false, kWhite},
      {"caption already the highlight", true, false, true, kGray, kGray, kRed, QColor(), kGray,
       false, kRed},
      {"colour set while over is dropped", true, false, true, kWhite, kGray, kBlack, kGreen, kGreen,
       false, kWhite},
      {"unconfigured button underlines only", false, true, true, kBlack, kBlue, kBlack, QColor(),
       kBlack, true, kBlack},
      {"disabled button recolours too", true, true, false, kWhite, kGray, kBlack, QColor(), kGray,
       true, kWhite},
  };
  for (const HoverCase& c : cases) {
    SCOPED_TRACE(c.name);
    TVtxSpdButton button;
    button.setText("CONTINUE");
    button.EnableHighLight = c.highlight;
    button.EnableUnderline = c.underline;
    button.HighLightClr = c.highlightClr;
    button.OldColor = c.storedOld;
    button.SetFontColor(c.caption);
    button.setEnabled(c.enabled);

    button.MouseEntered();
    if (c.setWhileOver.isValid()) button.SetFontColor(c.setWhileOver);
    EXPECT_EQ(button.FontColor(), c.expectOver);
    EXPECT_EQ(button.font().underline(), c.expectUnderlineOver);
    button.MouseLeft();
    EXPECT_EQ(button.FontColor(), c.expectAfter);
    EXPECT_FALSE(button.font().underline());
  }
}

TEST(HoverButton, EnterAndLeaveEventsRunWithTheButtonAsSender) {
  TVtxSpdButton button;
  std::vector<std::string> events;
  button.OnMouseEnter = [&](TVtxSpdButton* sender) {
    EXPECT_EQ(sender, &button);
    // The handler runs before the caption is recoloured.
    EXPECT_EQ(sender->FontColor(), kWhite);
    events.push_back("enter");
  };
  button.OnMouseLeave = [&](TVtxSpdButton* sender) {
    EXPECT_EQ(sender, &button);
    events.push_back("leave");
  };
  button.EnableHighLight = true;
  button.SetFontColor(kWhite);
  button.HighLightClr = kGray;
  button.MouseEntered();
  button.MouseLeft();
  EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"}));
}

TEST(HoverButton, RealPointerMovesRecolourTheCaption) {
  QWidget screen;
  screen.resize(200, 100);
  auto* button = new TVtxSpdButton(&screen);
  button->setGeometry(10, 10, 90, 25);
  button->EnableHighLight = true;
  button->EnableUnderline = false;
  button->HighLightClr = kGray;
  button->SetFontColor(kWhite);
  screen.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
  QTest::mouseMove(&screen, QPoint(150, 80));
  QTest::mouseMove(button, QPoint(20, 10));
  EXPECT_TRUE(button->PointerOver());
  EXPECT_EQ(button->FontColor(), kGray);
  QTest::mouseMove(&screen, QPoint(150, 80));
  EXPECT_FALSE(button->PointerOver());
  EXPECT_EQ(button->FontColor(), kWhite);
}

TEST(HoverButton, ProgrammaticClickRunsTheClickWhereverThePointerIs) {
  TVtxSpdButton button;
  int clicks = 0;
  QObject::connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });
  button.click();
  button.MouseEntered();
  button.click();
  EXPECT_EQ(clicks, 2);
}

TEST(HoverButton, FlatFrameShowsOnlyWhileThePointerIsOver) {
  QWidget screen;
  screen.resize(120, 60);
  QPalette palette;
  palette.setColor(QPalette::Window, Qt::black);
  screen.setPalette(palette);
  screen.setAutoFillBackground(true);
  auto* button = new TVtxSpdButton(&screen);
  button->setGeometry(10, 10, 90, 25);
  button->setText("OK");
  button->SetFontColor(kWhite);
  screen.show();
  const QColor before = screen.grab().toImage().pixelColor(10, 10);
  button->MouseEntered();
  const QColor over = screen.grab().toImage().pixelColor(10, 10);
  EXPECT_EQ(before, QColor(Qt::black));
  EXPECT_EQ(over, kWhite);
}

}  // namespace

namespace {

// A screen closed by a key while the pointer rests on one of its buttons gets no leave event; shown
// anew, it must not start with that button still lit.
TEST(HoverButton, AScreenShownAnewStartsUnlit) {
  QWidget screen;
  screen.resize(200, 100);
  auto* button = new TVtxSpdButton(&screen);
  button->setText("TRY AGAIN");
  button->setGeometry(10, 10, 120, 30);
  button->EnableHighLight = true;
  button->HighLightClr = kGray;
  button->SetFontColor(kWhite);
  button->OldColor = kBlack;
  screen.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
  button->MouseEntered();
  ASSERT_EQ(button->FontColor(), kGray);
  ASSERT_TRUE(button->PointerOver());

  screen.hide();  // closed by a key: no leave reaches the button
  screen.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
  EXPECT_FALSE(button->PointerOver());
  EXPECT_EQ(button->FontColor(), kWhite);
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Every screen's texts fit inside their controls and the controls inside the screen; with
// KEYSLINGER_SCREENSHOT_DIR set, each screen is also saved there as a PNG to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QTest>

#include "profiles/ui/about_form.h"
#include "profiles/ui/first_start_form.h"
#include "profiles/ui/help_form.h"
#include "profiles/ui/main_menu_form.h"
#include "profiles/ui/player_form.h"
#include "screen_fixture.h"
#include "widgets/hover_button_widget.h"
#include "screens/ui/pause_form.h"
#include "screens/ui/score_form.h"
#include "screens/ui/the_end_form.h"

namespace {

void ExpectTextsFit(QWidget* screen, const char* name) {
  SCOPED_TRACE(name);
  for (QLabel* label : screen->findChildren<QLabel*>()) {
    if (label->text().isEmpty() || !label->isVisibleTo(screen)) continue;
    SCOPED_TRACE(label->text().toStdString());
    const QRect box(label->mapTo(screen, QPoint(0, 0)), label->size());
    EXPECT_TRUE(screen->rect().contains(box));
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    EXPECT_LE(label->fontMetrics().height(), label->height());
  }
  for (TVtxSpdButton* button : screen->findChildren<TVtxSpdButton*>()) {
    SCOPED_TRACE(button->text().toStdString());
    EXPECT_TRUE(screen->rect().contains(button->geometry()));
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 2);
    EXPECT_LE(button->fontMetrics().height(), button->height());
  }
}

void Save(QWidget* screen, const char* name) {
  const QString dir = qEnvironmentVariable("KEYSLINGER_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  EXPECT_TRUE(screen->grab().save(dir + "/" + name + ".png"));
}

TEST(ScreenLayout, TextsFitOnEveryScreen) {
  ScreenWorld world(
      "[Anna-Maria Longname]\nlevels=16\ncurlevel=16\nup=Normal\nfirststart=1\n16=100:99:0:0\n"
      "[Bob]\nlevels=3\n16=57:12:3:1\n[curplayer]\nname=Anna-Maria Longname\n");
  TfmMain menu(world.app);
  world.app.screens.fmMain = &menu;
  TFmPlayer player(world.app);
  TFirstStart firstStart(world.app);
  TfmAbout about(world.app);
  TfmHelp help(world.app);
  TFmPause pause(world.app);
  TFmScore score(world.app);
  TFmTheEnd end(world.app);
  world.level->StartLevel("Level16");
  LevelCounters& c = world.level->MutableCounters();
  c.MyScore = 4000;
  c.AllScore = 5000;
  c.Misses = 2;
  c.Hits = 9999;
  score.FormShow();

  menu.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
  const struct {
    QWidget* screen;
    const char* name;
    QSize size;
  } screens[] = {
      {&menu, "main_menu", {305, 361}},
      {&player, "player", {273, 236}},
      {&firstStart, "first_start", {289, 154}},
      {&about, "about", {234, 269}},
      {&pause, "pause", {218, 211}},
      {&score, "score", {315, 325}},
      {&end, "the_end", {501, 408}},
  };
  for (const auto& s : screens) {
    s.screen->show();
    EXPECT_EQ(s.screen->size(), s.size) << s.name;
    ExpectTextsFit(s.screen, s.name);
    Save(s.screen, s.name);
  }
  help.ShowHelp();
  Save(&help, "help");
  // Hovered buttons as the player sees them.
  menu.BtnStartGame()->MouseEntered();
  Save(&menu, "main_menu_hover");
  for (const auto& s : screens) s.screen->hide();
  help.hide();
}

}  // namespace

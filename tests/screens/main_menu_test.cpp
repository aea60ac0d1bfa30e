// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: labels, SOUND, START GAME with the first-run choice, keys and links.
#include <gtest/gtest.h>

#include <QLabel>
#include <QScreen>
#include <QTest>

#include "menu_world.h"
#include "widgets/hover_button_widget.h"
#include "widgets/link_label_widget.h"

namespace {

const std::string kAnnaOnLevel3 =
    "[Anna]\nlevels=3\ncurlevel=3\nup=easy\nfirststart=1\n[curplayer]\nname=Anna\n";

TEST(MainMenu, ShowsProfileLevelAndTheStoredSoundSwitch) {
  struct Case {
    std::string ini;
    std::string player;
    std::string level;
    std::string sound;
  };
  const Case cases[] = {
      {kAnnaOnLevel3, "Anna", "level3", "SOUND ON"},
      {kAnnaOnLevel3 + "sound=0\n", "Anna", "level3", "SOUND OFF"},
      {"[curplayer]\nsound=1\n", "player", "level1", "SOUND ON"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    MenuWorld world(c.ini);
    world.ShowMenu();
    EXPECT_EQ(world.menu->LbPlayer()->text().toStdString(), c.player);
    EXPECT_EQ(world.menu->Lblevel()->text().toStdString(), c.level);
    EXPECT_EQ(world.menu->Lblevel()->geometry().right() + 1, 291);
    EXPECT_EQ(world.menu->BtnSound()->text().toStdString(), c.sound);
    EXPECT_EQ(world.shared.soundOn, c.sound == "SOUND ON");
  }
}

TEST(MainMenu, FirstRunCreatesTheLoginProfile) {
  MenuWorld world("");
  EXPECT_FALSE(world.shared.currentPlayer.empty());
  EXPECT_EQ(world.Read(world.shared.currentPlayer, "levels"), "1");
  EXPECT_EQ(world.Read(world.shared.currentPlayer, "up"), "easy");
  EXPECT_EQ(world.menu->LbPlayer()->text().toStdString(), world.shared.currentPlayer);
  EXPECT_EQ(world.menu->BtnSound()->text(), "SOUND ON");
}

TEST(MainMenu, ShowingAgainRereadsTheLevel) {
  MenuWorld world(kAnnaOnLevel3);
  world.ShowMenu();
  world.menu->SetLevelLabel("level 2");
  world.shared.playerStore->WriteInteger("Anna", "curlevel", 5);
  world.menu->ShowMenu();
  EXPECT_EQ(world.menu->Lblevel()->text(), "level5");
}

TEST(MainMenu, SoundTogglesCaptionSwitchAndPlayerIniAndClicksOnlyWhenSwitchedOn) {
  MenuWorld world(kAnnaOnLevel3);
  world.menu->BtnSound()->click();
  EXPECT_EQ(world.menu->BtnSound()->text(), "SOUND OFF");
  EXPECT_FALSE(world.shared.soundOn);
  EXPECT_EQ(world.Read("curplayer", "sound"), "0");
  EXPECT_TRUE(world.sound.played.empty());

  world.menu->BtnSound()->click();
  EXPECT_EQ(world.menu->BtnSound()->text(), "SOUND ON");
  EXPECT_TRUE(world.shared.soundOn);
  EXPECT_EQ(world.Read("curplayer", "sound"), "1");
  ASSERT_EQ(world.sound.played.size(), 1u);
  EXPECT_TRUE(world.PlayedButtonClick());
}

TEST(MainMenu, FirstStartGameAsksForTheDifficultyOnceThenStartsTheLevel) {
  MenuWorld world("[Anna]\nlevels=2\ncurlevel=2\nup=easy\n[curplayer]\nname=Anna\n");
  world.ShowMenu();
  int asked = 0;
  WhenModal([&] {
    ++asked;
    EXPECT_TRUE(world.firstStart->isVisible());
    // firststart is written before the question is asked.
    EXPECT_EQ(world.Read("Anna", "firststart"), "1");
    // The choice has no keys: Escape does not leave it without a difficulty.
    QTest::keyClick(world.firstStart->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(world.firstStart->isVisible());
    world.firstStart->BtnHard()->click();
  });
  world.menu->BtnStartGame()->click();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(world.Read("Anna", "up"), "Hard");
  EXPECT_FALSE(world.menu->isVisible());
  EXPECT_EQ(world.level->CurrentLevelName(), "Level2");
  EXPECT_EQ(world.shared.lastLevel, 16);

  // The second START GAME goes straight to the level.
  world.ShowMenu();
  world.shared.playerStore->WriteInteger("Anna", "curlevel", 1);
  world.menu->BtnStartGame()->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(world.level->CurrentLevelName(), "Level1");
  EXPECT_FALSE(world.menu->isVisible());
}

TEST(MainMenu, StartGameRefusesALevelAboveSixteen) {
  MenuWorld world("[Anna]\nlevels=16\ncurlevel=17\nfirststart=1\n[curplayer]\nname=Anna\n");
  world.ShowMenu();
  const std::string before = world.PlayerIni();
  world.menu->BtnStartGame()->click();
  EXPECT_EQ(world.PlayerIni(), before);
  EXPECT_TRUE(world.menu->isVisible());
  EXPECT_TRUE(world.level->CurrentLevelName().empty());
  EXPECT_TRUE(world.PlayedButtonClick());
}

TEST(MainMenu, EnterStartsAndEscapeExitsWithAClick) {
  MenuWorld world(kAnnaOnLevel3);
  world.ShowMenu();
  QTest::keyClick(world.menu->windowHandle(), Qt::Key_Return);
  EXPECT_EQ(world.level->CurrentLevelName(), "Level3");
  EXPECT_FALSE(world.menu->isVisible());

  world.sound.played.clear();
  world.ShowMenu();
  QTest::keyClick(world.menu->windowHandle(), Qt::Key_Escape);
  EXPECT_FALSE(world.menu->isVisible());
  EXPECT_TRUE(world.PlayedButtonClick());
}

TEST(MainMenu, SiteLabelOpensTheManualAndHelpLabelShowsHelp) {
  MenuWorld world(kAnnaOnLevel3);
  world.ShowMenu();
  world.menu->lbSiteClick();
  ASSERT_EQ(world.shell.opened.size(), 1u);
  EXPECT_EQ(world.shell.opened[0], "file://" + world.shared.appDir + "docs/index.html");
  world.menu->lbHelpClick();
  EXPECT_TRUE(world.help->isVisible());
  // A click on the label itself reaches the same action.
  QTest::mouseClick(world.menu->LbSite(), Qt::LeftButton);
  EXPECT_EQ(world.shell.opened.size(), 2u);
}

// A desktop with no web browser: the click names the manual's file instead of failing unseen.
TEST(MainMenu, SiteLabelWithNoProgramToOpenTheManualSaysWhereItIs) {
  MenuWorld world(kAnnaOnLevel3);
  world.ShowMenu();
  world.menu->lbSiteClick();
  EXPECT_TRUE(world.messages.shown.empty()) << "opened: nothing to say";
  world.shell.fails = true;
  world.menu->lbSiteClick();
  ASSERT_EQ(world.messages.shown.size(), 1u);
  const std::string& text = world.messages.shown[0];
  EXPECT_NE(text.find("\n" + world.shared.appDir + "docs/index.html"), std::string::npos) << text;
  EXPECT_NE(text.find("No program"), std::string::npos) << text;
}

TEST(MainMenu, SiteLabelLightsUpUnderThePointer) {
  MenuWorld world(kAnnaOnLevel3);
  world.ShowMenu();
  LinkLabel* site = world.menu->LbSite();
  QTest::mouseMove(world.menu.get(), QPoint(5, 5));
  QTest::mouseMove(site, QPoint(3, 3));
  EXPECT_EQ(site->palette().color(QPalette::WindowText), QColor(255, 255, 0));
  EXPECT_TRUE(site->font().underline());
  QTest::mouseMove(world.menu.get(), QPoint(5, 5));
  EXPECT_EQ(site->palette().color(QPalette::WindowText), QColor(255, 255, 255));
  EXPECT_FALSE(site->font().underline());
  EXPECT_TRUE(site->font().bold());
}

TEST(MainMenu, AboutOpensModallyWithoutAClick) {
  MenuWorld world(kAnnaOnLevel3);
  world.ShowMenu();
  bool shown = false;
  WhenModal([&] {
    shown = world.about->isVisible();
    // A key without a meaning there leaves it open.
    QTest::keyClick(world.about->windowHandle(), Qt::Key_A);
    EXPECT_TRUE(world.about->isVisible());
    world.about->BtnOk()->click();
  });
  world.menu->BtnAbout()->click();
  EXPECT_TRUE(shown);
  EXPECT_FALSE(world.about->isVisible());
  EXPECT_TRUE(world.sound.played.empty());
}

TEST(HelpWindow, SnapsToTheScreenEdgesAndComesToTheFrontWhenShownAgain) {
  MenuWorld world(kAnnaOnLevel3);
  world.menu->lbHelpClick();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(world.help.get()));
  EXPECT_EQ(world.help->windowTitle(), "Help");
  const QRect area = world.help->screen()->availableGeometry();
  world.help->move(area.left() + 8, area.top() + 100);
  EXPECT_EQ(world.help->frameGeometry().left(), area.left());
  EXPECT_EQ(world.help->frameGeometry().top(), area.top() + 100);
  world.help->move(area.left() + 40, area.top() + 60);
  EXPECT_EQ(world.help->frameGeometry().topLeft(), QPoint(area.left() + 40, area.top() + 60));
  world.menu->lbHelpClick();
  EXPECT_TRUE(world.help->isVisible());
  EXPECT_EQ(world.help->frameGeometry().topLeft(), QPoint(area.left() + 40, area.top() + 60));
}

// The key line under the help page reads as the bottom of the page's wooden board: no light
// edge between them, the frame's dark wood behind it and the parchment's colour for its text.
TEST(HelpWindow, KeyLineContinuesThePagesFrame) {
  MenuWorld world(kAnnaOnLevel3);
  world.menu->lbHelpClick();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(world.help.get()));
  const QLabel* keys = world.help->KeysLabel();
  const QImage shot = world.help->grab().toImage();
  const QRgb wood = qRgb(0x30, 0x21, 0x15);
  // The band begins right under the page and is wood from edge to edge above its text.
  EXPECT_EQ(keys->geometry().bottom(), shot.height() - 1);
  for (int x = 0; x < shot.width(); ++x) {
    EXPECT_EQ(shot.pixel(x, keys->y()) & 0xFFFFFF, wood & 0xFFFFFF) << x;
    const QColor above(shot.pixel(x, keys->y() - 1));
    EXPECT_LT(above.lightness(), 160) << "a light edge under the page at " << x;
  }
  // Its text is drawn in the parchment's light colour: warm light pixels, none white or grey.
  int parchment = 0, neutral = 0;
  for (int y = keys->y(); y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      const QColor c(shot.pixel(x, y));
      if (c.lightness() < 150) continue;
      ++(c.red() - c.blue() > 40 ? parchment : neutral);
    }
  }
  EXPECT_GT(parchment, 50);
  EXPECT_EQ(neutral, 0);
  world.help->close();
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The profile dialog: adding, deleting and choosing profiles, levels and difficulty.
#include "profiles/ui/player_form.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "profiles/ui/main_menu_form.h"
#include "screen_fixture.h"
#include "widgets/hover_button_widget.h"

namespace {

struct DialogWorld : ScreenWorld {
  explicit DialogWorld(const std::string& ini) : ScreenWorld(ini) {
    menu = std::make_unique<TfmMain>(app);
    app.screens.fmMain = menu.get();
    dialog = std::make_unique<TFmPlayer>(app);
    app.screens.FmPlayer = dialog.get();
  }

  // Opens the dialog as the menu does and runs steps inside its modal loop; the dialog must be
  // closed by then.
  void RunOpen(std::function<void()> steps) {
    bool ran = false;
    WhenModal([&] {
      ran = true;
      steps();
      if (dialog->isVisible()) {
        ADD_FAILURE() << "dialog still open";
        dialog->reject();
      }
    });
    dialog->ShowModal();
    EXPECT_TRUE(ran);
  }

  std::vector<std::string> Players() const {
    std::vector<std::string> names;
    for (int i = 0; i < dialog->MemoPlayer()->count(); ++i)
      names.push_back(dialog->MemoPlayer()->item(i)->text().toStdString());
    return names;
  }
  std::vector<std::string> Levels() const {
    std::vector<std::string> names;
    for (int i = 0; i < dialog->MemoLevels()->count(); ++i)
      names.push_back(dialog->MemoLevels()->item(i)->text().toStdString());
    return names;
  }
  void TypeName(const std::string& name) {
    dialog->EdPlayer()->setFocus();
    dialog->EdPlayer()->setText(QString::fromStdString(name));
  }
  // A mouse click on a row, as the player makes it.
  void ClickRow(QListWidget* list, int row) {
    const QRect box = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
  }
  void Key(int key) { QTest::keyClick(dialog->windowHandle(), static_cast<Qt::Key>(key)); }

  std::unique_ptr<TfmMain> menu;
  std::unique_ptr<TFmPlayer> dialog;
};

const std::string kBob = "[Bob]\nlevels=4\ncurlevel=2\nup=Normal\n[curplayer]\nname=Bob\n";

TEST(ProfileDialog, OpensOnTheCurrentProfileWithoutCurplayerInTheList) {
  DialogWorld world(
      "[curplayer]\nname=Bob\n[Bob]\nlevels=4\ncurlevel=2\nup=hard\n[Cleo]\nlevels=1\n");
  world.RunOpen([&] {
    EXPECT_EQ(world.Players(), (std::vector<std::string>{"Bob", "Cleo"}));
    EXPECT_TRUE(world.dialog->MemoPlayer()->selectedItems().isEmpty());
    EXPECT_EQ(world.Levels(), (std::vector<std::string>{"level1", "level2", "level3", "level4"}));
    EXPECT_EQ(world.dialog->Lbcurlevel()->text(), "level 2");
    EXPECT_EQ(world.dialog->EdPlayer()->text(), "Bob");
    EXPECT_EQ(world.dialog->CBUp()->currentText(), "Hard");
    world.dialog->BtnOk()->click();
  });
  EXPECT_TRUE(world.messages.shown.empty());
  // Closing writes the box's entry as the profile's difficulty.
  EXPECT_EQ(world.Read("Bob", "up"), "Hard");
}

TEST(ProfileDialog, AddingANameAppendsItAndMakesItCurrent) {
  DialogWorld world(kBob);
  world.RunOpen([&] {
    world.TypeName("Anna");
    world.dialog->BtnAdd()->click();
    EXPECT_EQ(world.Players(), (std::vector<std::string>{"Bob", "Anna"}));
    EXPECT_EQ(world.Levels(), (std::vector<std::string>{"level1"}));
    EXPECT_EQ(world.dialog->Lbcurlevel()->text(), "level 1");
    EXPECT_EQ(world.menu->Lblevel()->text(), "level 1");
    EXPECT_EQ(world.menu->LbPlayer()->text(), "Anna");
    EXPECT_EQ(world.dialog->CBUp()->currentText(), "Easy");
    world.Key(Qt::Key_Escape);
  });
  EXPECT_EQ(world.shared.currentPlayer, "Anna");
  EXPECT_EQ(world.Read("Anna", "levels"), "1");
  EXPECT_EQ(world.Read("Anna", "curlevel"), "1");
  EXPECT_EQ(world.Read("Anna", "up"), "Easy");
  EXPECT_EQ(world.Read("curplayer", "name"), "Anna");
  EXPECT_EQ(world.Read("Bob", "up"), "Normal");
  EXPECT_NE(world.PlayerIni().find("[Bob]"), std::string::npos);
  EXPECT_LT(world.PlayerIni().find("[curplayer]"), world.PlayerIni().find("[Anna]"));
}

TEST(ProfileDialog, AddingAnExistingNameCreatesNothingButResetsTheDifficulty) {
  DialogWorld world(kBob);
  world.RunOpen([&] {
    EXPECT_EQ(world.dialog->CBUp()->currentText(), "Normal");
    world.TypeName("bob");
    const std::string before = world.PlayerIni();
    world.dialog->BtnAdd()->click();
    EXPECT_EQ(world.PlayerIni(), before);
    EXPECT_EQ(world.Players(), (std::vector<std::string>{"Bob"}));
    EXPECT_EQ(world.dialog->CBUp()->currentText(), "Easy");
    world.dialog->BtnOk()->click();
  });
  EXPECT_TRUE(world.messages.shown.empty());
  EXPECT_EQ(world.Read("Bob", "up"), "Easy");
}

TEST(ProfileDialog, RefusesNamesPlayerIniCannotHoldAndSaysWhy) {
  DialogWorld world(kBob);
  world.RunOpen([&] {
    const std::string before = world.PlayerIni();
    for (const char* name : {"[x]", "  ", " Anna", "Anna ", "CurPlayer"}) {
      SCOPED_TRACE(name);
      world.messages.shown.clear();
      world.TypeName(name);
      world.dialog->BtnAdd()->click();
      EXPECT_EQ(world.messages.shown.size(), 1u);
      EXPECT_EQ(world.PlayerIni(), before);
      EXPECT_EQ(world.Players(), (std::vector<std::string>{"Bob"}));
    }
    // An empty field says nothing.
    world.messages.shown.clear();
    world.TypeName("");
    world.dialog->BtnAdd()->click();
    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_EQ(world.PlayerIni(), before);
    world.dialog->BtnOk()->click();
  });
}

TEST(ProfileDialog, EnterInTheNameFieldAddsAndEnterInAListCloses) {
  DialogWorld world(kBob);
  world.RunOpen([&] {
    world.TypeName("Dora");
    world.Key(Qt::Key_Return);
    EXPECT_TRUE(world.dialog->isVisible());
    EXPECT_EQ(world.Players(), (std::vector<std::string>{"Bob", "Dora"}));
    world.dialog->MemoLevels()->setFocus();
    world.Key(Qt::Key_Return);
    EXPECT_FALSE(world.dialog->isVisible());
  });
  EXPECT_EQ(world.Read("curplayer", "name"), "Dora");
}

TEST(ProfileDialog, DeletingTheSecondOfThreeMakesTheFirstCurrent) {
  DialogWorld world(
      "[Anna]\nlevels=2\ncurlevel=2\nup=Hard\n[Bob]\nlevels=1\ncurlevel=1\n1=50:1:1:1\n"
      "[Cleo]\nlevels=5\ncurlevel=5\nup=Normal\n[curplayer]\nname=Cleo\n");
  world.RunOpen([&] {
    world.ClickRow(world.dialog->MemoPlayer(), 1);
    EXPECT_EQ(world.shared.currentPlayer, "Bob");
    world.dialog->BtnDelete()->click();
    EXPECT_EQ(world.Players(), (std::vector<std::string>{"Anna", "Cleo"}));
    EXPECT_EQ(world.shared.currentPlayer, "Anna");
    EXPECT_EQ(world.dialog->CBUp()->currentText(), "Hard");
    EXPECT_EQ(world.Levels(), (std::vector<std::string>{"level1", "level2"}));
    EXPECT_EQ(world.menu->LbPlayer()->text(), "Anna");
    world.dialog->BtnOk()->click();
  });
  EXPECT_EQ(world.PlayerIni().find("[Bob]"), std::string::npos);
  EXPECT_EQ(world.PlayerIni().find("50:1:1:1"), std::string::npos);
  EXPECT_EQ(world.Read("curplayer", "name"), "Anna");
  EXPECT_EQ(world.shared.playerSections, (std::vector<std::string>{"Anna", "Cleo"}));
}

TEST(ProfileDialog, EveryClickChoosesAndACtrlClickThatClearsTheHighlightLeavesNothingToDelete) {
  DialogWorld world("[Anna]\nlevels=2\ncurlevel=2\n[Bob]\nlevels=1\ncurlevel=1\n[curplayer]\nname=Bob\n");
  world.RunOpen([&] {
    QListWidget* players = world.dialog->MemoPlayer();
    world.ClickRow(players, 0);
    EXPECT_EQ(world.shared.currentPlayer, "Anna");
    world.TypeName("Cleo");
    world.dialog->BtnAdd()->click();
    EXPECT_EQ(world.shared.currentPlayer, "Cleo");
    ASSERT_EQ(players->selectedItems().size(), 1);
    EXPECT_EQ(players->row(players->selectedItems().front()), 0) << "Anna stays highlighted";
    // A click on the highlighted row chooses it again.
    world.ClickRow(players, 0);
    EXPECT_EQ(world.shared.currentPlayer, "Anna");
    EXPECT_EQ(world.Read("curplayer", "name"), "Anna");
    // An arrow key chooses too.
    players->setFocus();
    QTest::keyClick(players, Qt::Key_Down);
    EXPECT_EQ(world.shared.currentPlayer, "Bob");
    // Ctrl+click takes the highlight off: DELETE then erases nothing.
    const QRect box = players->visualItemRect(players->item(1));
    QTest::mouseClick(players->viewport(), Qt::LeftButton, Qt::ControlModifier, box.center());
    EXPECT_TRUE(players->selectedItems().isEmpty());
    const std::string before = world.PlayerIni();
    world.dialog->BtnDelete()->click();
    EXPECT_EQ(world.PlayerIni(), before);
    EXPECT_EQ(world.Players(), (std::vector<std::string>{"Anna", "Bob", "Cleo"}));
    world.dialog->BtnOk()->click();
  });
}

TEST(ProfileDialog, DeleteIsRefusedForTheOnlyProfileOrWithoutSelection) {
  DialogWorld world("[Anna]\nlevels=1\ncurlevel=1\n[Bob]\nlevels=1\n[curplayer]\nname=Anna\n");
  world.RunOpen([&] {
    const std::string before = world.PlayerIni();
    world.dialog->BtnDelete()->click();  // nothing selected
    EXPECT_EQ(world.PlayerIni(), before);
    world.ClickRow(world.dialog->MemoPlayer(), 1);
    world.dialog->BtnDelete()->click();
    EXPECT_EQ(world.Players(), (std::vector<std::string>{"Anna"}));
    const std::string afterFirst = world.PlayerIni();
    world.ClickRow(world.dialog->MemoPlayer(), 0);
    world.dialog->BtnDelete()->click();
    EXPECT_EQ(world.Players(), (std::vector<std::string>{"Anna"}));
    EXPECT_EQ(world.PlayerIni(), afterFirst);
    world.dialog->BtnOk()->click();
  });
}

TEST(ProfileDialog, ChoosingALevelWritesCurlevelAndBothLabelsWithoutABlank) {
  DialogWorld world(kBob);
  world.RunOpen([&] {
    world.ClickRow(world.dialog->MemoLevels(), 2);
    EXPECT_EQ(world.Read("Bob", "curlevel"), "3");
    EXPECT_EQ(world.dialog->Lbcurlevel()->text(), "level3");
    EXPECT_EQ(world.menu->Lblevel()->text(), "level3");
    // Arrow keys choose too.
    world.Key(Qt::Key_Down);
    EXPECT_EQ(world.Read("Bob", "curlevel"), "4");
    world.Key(Qt::Key_Escape);
  });
}

TEST(ProfileDialog, ArrowsChooseFromTheCurrentProfileAndLevelAsTheManualSays) {
  // The cursor starts on the current profile's row and its level's, and every arrow chooses
  // the row it lands on, also at the lists' ends, where the cursor can go no further.
  DialogWorld world("[Anna]\nlevels=1\ncurlevel=1\n[Bob]\nlevels=4\ncurlevel=2\n[Cleo]\nlevels=3\ncurlevel=3\n"
                    "[curplayer]\nname=Bob\n");
  world.RunOpen([&] {
    QListWidget* players = world.dialog->MemoPlayer();
    QListWidget* levels = world.dialog->MemoLevels();
    EXPECT_EQ(world.dialog->focusWidget(), players);
    EXPECT_EQ(players->currentRow(), 1);
    EXPECT_EQ(levels->currentRow(), 1);
    const struct {
      QListWidget* list;
      Qt::Key key;
      const char* player;
      const char* curlevel;  // of that player
    } steps[] = {
        {players, Qt::Key_Up, "Anna", "1"},  {players, Qt::Key_Up, "Anna", "1"},
        {players, Qt::Key_End, "Cleo", "3"}, {players, Qt::Key_Up, "Bob", "2"},
        {levels, Qt::Key_Up, "Bob", "1"},    {levels, Qt::Key_Up, "Bob", "1"},
        {levels, Qt::Key_Down, "Bob", "2"},  {levels, Qt::Key_End, "Bob", "4"},
        {levels, Qt::Key_Down, "Bob", "4"},
    };
    int n = 0;
    for (const auto& step : steps) {
      SCOPED_TRACE(++n);
      step.list->setFocus();
      QTest::keyClick(world.dialog->windowHandle(), step.key);
      EXPECT_EQ(world.shared.currentPlayer, step.player);
      EXPECT_EQ(world.Read(step.player, "curlevel"), step.curlevel);
      ASSERT_EQ(step.list->selectedItems().size(), 1);
      EXPECT_EQ(step.list->row(step.list->selectedItems().front()), step.list->currentRow());
    }
    EXPECT_EQ(world.dialog->Lbcurlevel()->text(), "level4");
    EXPECT_EQ(world.menu->Lblevel()->text(), "level4");
    world.Key(Qt::Key_Escape);
  });
}

TEST(ProfileDialog, TypedNameStaysWhileALevelIsChosenAndGoesWhenAProfileIs) {
  DialogWorld world("[Bob]\nlevels=4\n[Cleo]\nlevels=1\n[curplayer]\nname=Bob\n");
  world.RunOpen([&] {
    world.TypeName("Zed");
    world.ClickRow(world.dialog->MemoLevels(), 1);
    EXPECT_EQ(world.dialog->EdPlayer()->text(), "Zed");
    world.ClickRow(world.dialog->MemoPlayer(), 1);
    EXPECT_EQ(world.dialog->EdPlayer()->text(), "Cleo");
    EXPECT_EQ(world.dialog->MemoPlayer()->currentRow(), 1);
    world.dialog->BtnOk()->click();
  });
}

TEST(ProfileDialog, ChangingTheDifficultyWritesIt) {
  DialogWorld world(kBob);
  world.RunOpen([&] {
    world.dialog->CBUp()->setCurrentIndex(2);
    emit world.dialog->CBUp()->activated(2);
    EXPECT_EQ(world.Read("Bob", "up"), "Hard");
    world.dialog->BtnOk()->click();
  });
}

TEST(ProfileDialog, ACurrentProfileWithoutLevelsSaysError) {
  DialogWorld world("[Bob]\ncurlevel=1\n[curplayer]\nname=Bob\n");
  world.RunOpen([&] {
    EXPECT_TRUE(world.Levels().empty());
    world.dialog->BtnOk()->click();
  });
  EXPECT_EQ(world.messages.shown, (std::vector<std::string>{"error"}));
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Every screen by the keyboard alone: the shared highlight moved by arrows and Tab, Space
// pressing it, and each screen's own Enter and Escape. No test here sends a mouse event except
// where the pointer's share of the highlight is the point.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "menu_world.h"
#include "profiles/ui/player_form.h"
#include "progress/ui/progress_form.h"
#include "widgets/hover_button_widget.h"
#include "widgets/link_label_widget.h"
#include "screens/ui/pause_form.h"
#include "widgets/qt_key_highlight.h"
#include "screens/ui/score_form.h"
#include "screens/ui/the_end_form.h"

namespace {

void Press(QWidget* screen, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::keyClick(screen->windowHandle(), key, mods);
}

void Presses(QWidget* screen, std::initializer_list<Qt::Key> keys) {
  for (Qt::Key key : keys) Press(screen, key);
}

// A lit hover button shows its highlight colour; an unlit one its own caption colour.
bool LooksLit(const TVtxSpdButton* button) { return button->FontColor() == button->HighLightClr; }

// The menu world with PROGRESS and the profile dialog too, the menu showing.
struct KeyWorld : MenuWorld {
  explicit KeyWorld(const std::string& ini) : MenuWorld(ini) {
    progress = std::make_unique<TfmProgress>(app);
    app.screens.fmProgress = progress.get();
    dialog = std::make_unique<TFmPlayer>(app);
    app.screens.FmPlayer = dialog.get();
    ShowMenu();
  }
  ~KeyWorld() { dialog.reset(); }
  // Presses keys on the menu; steps run inside the modal screen the last key opens.
  void OpenByKeys(std::initializer_list<Qt::Key> keys, std::function<void()> steps) {
    // Each key press runs the event loop: the steps wait for the last one.
    for (auto key = keys.begin(); key + 1 < keys.end(); ++key) Press(menu.get(), *key);
    bool ran = false;
    WhenModal([&] {
      ran = true;
      steps();
    });
    Press(menu.get(), *(keys.end() - 1));
    EXPECT_TRUE(ran);
  }
  // Moves the menu's highlight down to button, from wherever it is (the pointer may have lit
  // one), and presses it with Space; steps run inside the modal screen it opens.
  void OpenWithSpaceOn(const QWidget* button, std::function<void()> steps) {
    for (int i = 0; i < 10 && menu->Keys().Lit() != button; ++i) Press(menu.get(), Qt::Key_Down);
    ASSERT_EQ(menu->Keys().Lit(), button);
    OpenByKeys({Qt::Key_Space}, std::move(steps));
  }

  std::unique_ptr<TfmProgress> progress;
  std::unique_ptr<TFmPlayer> dialog;
};

const std::string kAnna = "[Anna]\nlevels=3\ncurlevel=3\nup=easy\nfirststart=1\n[curplayer]\nname=Anna\n";

TEST(KeyboardPath, MenuHighlightMovesOverEveryButtonAndLinkAndWraps) {
  KeyWorld world(kAnna);
  TfmMain& m = *world.menu;
  const QWidget* order[] = {m.BtnStartGame(), m.BtnChangeProfile(), m.BtnSound(), m.BtnAbout(),
                            m.BtnProgress(),  m.BtnExit(),          m.LbSite(),   m.LbHelp()};
  struct Case {
    const char* name;
    std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
    int lit;  // index into order
  };
  const Case cases[] = {
      {"first Down lights the first button", {{Qt::Key_Down, {}}}, 0},
      {"first Tab too", {{Qt::Key_Tab, {}}}, 0},
      {"first Right too", {{Qt::Key_Right, {}}}, 0},
      {"first Up lights the last stop", {{Qt::Key_Up, {}}}, 7},
      {"Shift+Tab goes back", {{Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Backtab, Qt::ShiftModifier}}, 0},
      {"arrows and Tab mix", {{Qt::Key_Down, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Right, {}}, {Qt::Key_Down, {}}}, 3},
      {"past the last wraps to the first", {{Qt::Key_Up, {}}, {Qt::Key_Down, {}}}, 0},
      {"the links are visited", {{Qt::Key_Up, {}}, {Qt::Key_Left, {}}}, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    world.menu->hide();
    world.menu->ShowMenu();
    EXPECT_EQ(m.Keys().Lit(), nullptr);
    for (const auto& [key, mods] : c.keys) Press(world.menu.get(), key, mods);
    EXPECT_EQ(m.Keys().Lit(), order[c.lit]);
    // Exactly the lit button wears the hover look.
    for (int i = 0; i < 6; ++i)
      EXPECT_EQ(LooksLit(static_cast<const TVtxSpdButton*>(order[i])), i == c.lit) << i;
  }
  // The site link lit by the keys takes its hover colour, and Space opens the manual.
  world.menu->hide();
  world.menu->ShowMenu();
  Presses(world.menu.get(), {Qt::Key_Up, Qt::Key_Up});
  EXPECT_EQ(m.LbSite()->palette().color(QPalette::WindowText), QColor(255, 255, 0));
  Press(world.menu.get(), Qt::Key_Space);
  ASSERT_EQ(world.shell.opened.size(), 1u);
  EXPECT_NE(world.shell.opened[0].find("docs/index.html"), std::string::npos);
  Press(world.menu.get(), Qt::Key_Down);
  EXPECT_EQ(m.LbSite()->palette().color(QPalette::WindowText), QColor(255, 255, 255));
}

TEST(KeyboardPath, MenuSpacePressesTheLitButtonWhileEnterAndEscapeKeepTheirMeaning) {
  KeyWorld world(kAnna);
  // SOUND is the third stop.
  Presses(world.menu.get(), {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space});
  EXPECT_FALSE(world.shared.soundOn);
  EXPECT_EQ(world.menu->BtnSound()->text(), "SOUND OFF");
  // A held Space presses once.
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
  QCoreApplication::sendEvent(world.menu.get(), &repeat);
  EXPECT_FALSE(world.shared.soundOn);
  // F1 opens Help; Escape closes it.
  Press(world.menu.get(), Qt::Key_F1);
  ASSERT_TRUE(world.help->isVisible());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(world.help.get()));
  Press(world.help.get(), Qt::Key_Escape);
  EXPECT_FALSE(world.help->isVisible());
  EXPECT_TRUE(world.menu->isVisible());
  // "?" reached by Shift+Tab from nothing shows Help too.
  world.menu->hide();
  world.menu->ShowMenu();
  Press(world.menu.get(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(world.menu->Keys().Lit(), world.menu->LbHelp());
  Press(world.menu.get(), Qt::Key_Space);
  EXPECT_TRUE(world.help->isVisible());
  world.help->close();
  // Enter is START GAME whatever is lit (EXIT here).
  world.menu->hide();
  world.menu->ShowMenu();
  Press(world.menu.get(), Qt::Key_Up);
  Press(world.menu.get(), Qt::Key_Up);
  Press(world.menu.get(), Qt::Key_Up);
  EXPECT_EQ(world.menu->Keys().Lit(), world.menu->BtnExit());
  Press(world.menu.get(), Qt::Key_Return);
  EXPECT_EQ(world.level->CurrentLevelName(), "Level3");
  EXPECT_FALSE(world.menu->isVisible());
  // Escape is EXIT whatever is lit (START GAME here).
  world.menu->ShowMenu();
  Press(world.menu.get(), Qt::Key_Down);
  Press(world.menu.get(), Qt::Key_Escape);
  EXPECT_FALSE(world.menu->isVisible());
  EXPECT_TRUE(world.level->CurrentLevelName() == "Level3");
}

TEST(KeyboardPath, ThePointerAndTheKeysShareOneHighlight) {
  KeyWorld world(kAnna);
  TfmMain& m = *world.menu;
  QTest::mouseMove(m.BtnAbout(), QPoint(5, 5));
  ASSERT_TRUE(LooksLit(m.BtnAbout()));
  EXPECT_EQ(m.Keys().Lit(), m.BtnAbout());
  // The keys go on from where the pointer is, and the pointer's button goes dark.
  Press(world.menu.get(), Qt::Key_Down);
  EXPECT_EQ(m.Keys().Lit(), m.BtnProgress());
  EXPECT_TRUE(LooksLit(m.BtnProgress()));
  EXPECT_FALSE(LooksLit(m.BtnAbout()));
  // The pointer entering another button takes the highlight from the keys.
  QTest::mouseMove(m.BtnStartGame(), QPoint(5, 5));
  EXPECT_EQ(m.Keys().Lit(), m.BtnStartGame());
  EXPECT_FALSE(LooksLit(m.BtnProgress()));
  EXPECT_TRUE(LooksLit(m.BtnStartGame()));
}

TEST(KeyboardPath, AboutOpensFromTheMenuAndClosesWithEnterEscapeOrSpaceOnOk) {
  KeyWorld world(kAnna);
  struct Case {
    const char* name;
    std::vector<Qt::Key> keys;
    bool opensManual;
  };
  const Case cases[] = {
      {"Escape", {Qt::Key_Escape}, false},
      {"Enter", {Qt::Key_Return}, false},
      {"Space on OK", {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}, false},
      {"Space on the site link, then Escape", {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Escape}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    world.shell.opened.clear();
    world.menu->hide();
    world.menu->ShowMenu();
    bool wasOpen = false;
    world.OpenByKeys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space}, [&] {
      wasOpen = world.about->isVisible();
      EXPECT_EQ(world.about->Keys().Lit(), nullptr);
      // Other keys do nothing.
      Press(world.about.get(), Qt::Key_A);
      EXPECT_TRUE(world.about->isVisible());
      for (Qt::Key key : c.keys) Press(world.about.get(), key);
      if (world.about->isVisible()) {
        ADD_FAILURE() << "still open";
        world.about->reject();
      }
    });
    EXPECT_TRUE(wasOpen);
    EXPECT_EQ(world.shell.opened.size(), c.opensManual ? 1u : 0u);
    EXPECT_TRUE(world.menu->isVisible());
  }
}

TEST(KeyboardPath, ProgressKeepsLeftAndRightForTheChartAndTabReachesPracticeAndOk) {
  KeyWorld world(kAnna);
  world.OpenByKeys({Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Space}, [&] {
    TfmProgress& p = *world.progress;
    ASSERT_TRUE(p.isVisible());
    EXPECT_EQ(p.View().levelFilter, 0);
    Press(&p, Qt::Key_Right);
    EXPECT_EQ(p.View().levelFilter, 1);
    EXPECT_EQ(p.Keys().Lit(), nullptr);
    Press(&p, Qt::Key_Tab);  // "<"
    Press(&p, Qt::Key_Space);
    EXPECT_EQ(p.View().levelFilter, 0);
    Press(&p, Qt::Key_Down);  // ">"
    Press(&p, Qt::Key_Left);  // still the chart's
    EXPECT_EQ(p.View().levelFilter, 16);
    Press(&p, Qt::Key_Tab);
    EXPECT_EQ(p.Keys().Lit(), p.BtnPractice());
    Press(&p, Qt::Key_Tab);
    EXPECT_EQ(p.Keys().Lit(), p.BtnOk());
    Press(&p, Qt::Key_Space);
    EXPECT_FALSE(p.isVisible());
  });
}

TEST(KeyboardPath, FirstRunChoosesHardWithTheArrowsAndIgnoresAHeldEnterAndEscape) {
  KeyWorld world("[Anna]\nlevels=2\ncurlevel=2\nup=easy\n[curplayer]\nname=Anna\n");
  world.OpenByKeys({Qt::Key_Return}, [&] {
    TFirstStart& f = *world.firstStart;
    ASSERT_TRUE(f.isVisible());
    EXPECT_EQ(f.Keys().Lit(), nullptr);
    // The menu's Enter still held: its repeats choose nothing, whatever is lit.
    Press(&f, Qt::Key_Right);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QCoreApplication::sendEvent(&f, &repeat);
    Press(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(world.Read("Anna", "up"), "easy");
    Press(&f, Qt::Key_Right);
    Press(&f, Qt::Key_Right);
    EXPECT_EQ(f.Keys().Lit(), f.BtnHard());
    EXPECT_TRUE(LooksLit(f.BtnHard()));
    Press(&f, Qt::Key_Return);
    EXPECT_FALSE(f.isVisible());
  });
  EXPECT_EQ(world.Read("Anna", "up"), "Hard");
  EXPECT_EQ(world.level->CurrentLevelName(), "Level2");
}

TEST(KeyboardPath, FirstRunEnterWithNothingLitChoosesNothing) {
  KeyWorld world("[Anna]\nlevels=2\ncurlevel=2\nup=easy\n[curplayer]\nname=Anna\n");
  world.OpenByKeys({Qt::Key_Return}, [&] {
    TFirstStart& f = *world.firstStart;
    Press(&f, Qt::Key_Return);
    EXPECT_TRUE(f.isVisible());
    // Space on a choice chooses as well: Tab from nothing lights EASY.
    Press(&f, Qt::Key_Tab);
    Press(&f, Qt::Key_Space);
    EXPECT_FALSE(f.isVisible());
  });
  EXPECT_EQ(world.Read("Anna", "up"), "Easy");
}

// Types text into the focused control of a screen, key by key.
void Type(QWidget* screen, const char* text) {
  for (const char* c = text; *c; ++c) QTest::keyClick(screen->windowHandle(), *c);
}

// The profile dialog from the menu to its close, by keys alone: Tab and Shift+Tab visit the two
// lists, the name field, the difficulty box and the three buttons, in that order and round
// again; the lists and the box keep their arrows, the field its typing and Enter (ADD); Space
// presses a lit button, Enter elsewhere and Escape are OK.
TEST(KeyboardPath, ProfileDialogByKeysAlone) {
  KeyWorld world("[Anna]\nlevels=3\ncurlevel=3\nup=easy\nfirststart=1\n"
                 "[Bob]\nlevels=2\ncurlevel=1\nup=Normal\nfirststart=1\n[curplayer]\nname=Anna\n");
  world.OpenWithSpaceOn(world.menu->BtnChangeProfile(), [&] {
    TFmPlayer& d = *world.dialog;
    ASSERT_TRUE(d.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    EXPECT_EQ(d.focusWidget(), d.MemoPlayer());
    EXPECT_EQ(d.Keys().Lit(), nullptr);

    // The arrows choose a profile in the players list.
    Presses(&d, {Qt::Key_Down, Qt::Key_Down});
    EXPECT_EQ(world.Read("curplayer", "name"), "Bob");
    EXPECT_EQ(d.EdPlayer()->text(), "Bob");
    EXPECT_EQ(d.MemoLevels()->count(), 2);
    EXPECT_EQ(d.CBUp()->currentText(), "Normal");
    EXPECT_EQ(world.menu->LbPlayer()->text(), "Bob");

    // Tab: the levels list, whose arrows choose the level START GAME plays.
    Press(&d, Qt::Key_Tab);
    EXPECT_EQ(d.focusWidget(), d.MemoLevels());
    Presses(&d, {Qt::Key_Down, Qt::Key_Down});
    EXPECT_EQ(world.Read("Bob", "curlevel"), "2");
    EXPECT_EQ(d.Lbcurlevel()->text(), "level2");

    // Tab: the name field. A typed name and Enter add the profile, which starts on Easy.
    Press(&d, Qt::Key_Tab);
    ASSERT_EQ(d.focusWidget(), d.EdPlayer());
    Press(&d, Qt::Key_A, Qt::ControlModifier);
    Type(&d, "Cleo");
    EXPECT_EQ(d.EdPlayer()->text(), "Cleo");
    Press(&d, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(world.Read("curplayer", "name"), "Cleo");
    EXPECT_EQ(world.Read("Cleo", "up"), "Easy");
    EXPECT_EQ(d.MemoPlayer()->count(), 3);

    // Tab: the difficulty box, whose arrows change the difficulty at once.
    Press(&d, Qt::Key_Tab);
    EXPECT_EQ(d.focusWidget(), d.CBUp());
    Press(&d, Qt::Key_Down);
    EXPECT_EQ(d.CBUp()->currentText(), "Normal");
    EXPECT_EQ(world.Read("Cleo", "up"), "Normal");
    Press(&d, Qt::Key_Down);
    EXPECT_EQ(world.Read("Cleo", "up"), "Hard");

    // Tab lights the buttons in their look, one at a time; Shift+Tab goes back to the box and
    // round to OK from the first stop.
    Press(&d, Qt::Key_Tab);
    EXPECT_EQ(d.Keys().Lit(), d.BtnAdd());
    EXPECT_TRUE(LooksLit(d.BtnAdd()));
    Press(&d, Qt::Key_Tab);
    EXPECT_EQ(d.Keys().Lit(), d.BtnDelete());
    EXPECT_FALSE(LooksLit(d.BtnAdd()));
    Press(&d, Qt::Key_Tab);
    EXPECT_EQ(d.Keys().Lit(), d.BtnOk());
    // The arrows move among the buttons too while one is lit.
    Press(&d, Qt::Key_Left);
    EXPECT_EQ(d.Keys().Lit(), d.BtnDelete());
    Press(&d, Qt::Key_Backtab, Qt::ShiftModifier);
    Press(&d, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(d.Keys().Lit(), nullptr);
    EXPECT_FALSE(LooksLit(d.BtnAdd()));
    EXPECT_EQ(d.focusWidget(), d.CBUp());
    for (QWidget* back : {static_cast<QWidget*>(d.EdPlayer()), static_cast<QWidget*>(d.MemoLevels()),
                          static_cast<QWidget*>(d.MemoPlayer())}) {
      Press(&d, Qt::Key_Backtab, Qt::ShiftModifier);
      EXPECT_EQ(d.focusWidget(), back);
    }
    Press(&d, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(d.Keys().Lit(), d.BtnOk());
    Press(&d, Qt::Key_Tab);
    EXPECT_EQ(d.Keys().Lit(), nullptr);
    EXPECT_EQ(d.focusWidget(), d.MemoPlayer());

    // Choose Anna with the arrows, then DELETE her by Space: the first remaining profile, Bob,
    // becomes current.
    Press(&d, Qt::Key_Home);
    EXPECT_EQ(world.Read("curplayer", "name"), "Anna");
    for (int i = 0; i < 5; ++i) Press(&d, Qt::Key_Tab);
    ASSERT_EQ(d.Keys().Lit(), d.BtnDelete());
    Press(&d, Qt::Key_Space);
    EXPECT_EQ(world.Read("Anna", "levels"), "<absent>");
    EXPECT_EQ(world.Read("curplayer", "name"), "Bob");
    EXPECT_EQ(d.MemoPlayer()->count(), 2);

    // Space on a lit ADD adds the typed name. From DELETE, Tab goes to OK and round.
    Presses(&d, {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab});
    ASSERT_EQ(d.focusWidget(), d.EdPlayer());
    Press(&d, Qt::Key_A, Qt::ControlModifier);
    Type(&d, "Dora");
    Presses(&d, {Qt::Key_Tab, Qt::Key_Tab});
    ASSERT_EQ(d.Keys().Lit(), d.BtnAdd());
    Press(&d, Qt::Key_Space);
    EXPECT_EQ(world.Read("curplayer", "name"), "Dora");
    EXPECT_TRUE(d.isVisible());
    // Enter with a button lit is OK, whichever button it is.
    Press(&d, Qt::Key_Tab);
    EXPECT_EQ(d.Keys().Lit(), d.BtnDelete());
    Press(&d, Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(world.menu->LbPlayer()->text(), "Dora");
  EXPECT_EQ(world.Read("Bob", "levels"), "2");

  // Space on a lit OK closes the dialog, and Escape does from the name field.
  for (const std::vector<Qt::Key>& keys : {std::vector<Qt::Key>{Qt::Key_Backtab, Qt::Key_Space},
                                           std::vector<Qt::Key>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Escape}}) {
    world.menu->hide();
    world.menu->ShowMenu();
    bool closed = false;
    world.OpenWithSpaceOn(world.menu->BtnChangeProfile(), [&] {
      TFmPlayer& d = *world.dialog;
      EXPECT_EQ(d.Keys().Lit(), nullptr);
      for (Qt::Key key : keys) Press(&d, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
      closed = !d.isVisible();
      if (!closed) d.OkClick();
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(world.Read("curplayer", "name"), "Dora");
  }
}

struct LevelWorld : ScreenWorld {
  explicit LevelWorld(bool started) : ScreenWorld("[Anna]\nlevels=4\ncurlevel=4\n[curplayer]\nname=Anna\n") {
    OpenStore();
    if (started) level->StartLevel("Level4");  // no level files here: only the name is kept
    messages.shown.clear();
  }
};

TEST(KeyboardPath, PauseButtonsByKeys) {
  struct Case {
    std::vector<Qt::Key> keys;
    bool continued, toMenu;
  };
  const Case cases[] = {
      {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Space}, true, false},  // RESTART, CONTINUE
      {{Qt::Key_Up, Qt::Key_Space}, false, true},                  // MAIN MENU
      {{Qt::Key_Tab, Qt::Key_Left, Qt::Key_Return}, true, false},  // Enter stays CONTINUE
  };
  for (const Case& c : cases) {
    LevelWorld world(false);
    TFmPause pause(world.app);
    world.app.screens.FmPause = &pause;
    world.host.pauseShowing = true;
    pause.ShowPause();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pause));
    EXPECT_EQ(pause.Keys().Lit(), nullptr);
    for (Qt::Key key : c.keys) Press(&pause, key);
    EXPECT_EQ(!world.host.pauseShowing, c.continued || c.toMenu);
    EXPECT_EQ(world.host.mainMenuShowing, c.toMenu);
  }
}

TEST(KeyboardPath, ResultsButtonsByKeysSkipTheDisabledContinue) {
  LevelWorld world(true);
  TFmScore score(world.app);
  world.app.screens.FmScore = &score;
  LevelCounters& counters = world.level->MutableCounters();
  counters.MyScore = 1000;
  counters.AllScore = 5000;  // a fail: CONTINUE is disabled
  bool ran = false;
  WhenModal([&] {
    ran = true;
    EXPECT_FALSE(score.BtnContinue()->isEnabled());
    Press(&score, Qt::Key_Down);
    EXPECT_EQ(score.Keys().Lit(), score.BtnTryAgain());
    Press(&score, Qt::Key_Down);
    EXPECT_EQ(score.Keys().Lit(), score.BtnMainMenu());
    Press(&score, Qt::Key_Down);
    EXPECT_EQ(score.Keys().Lit(), score.BtnTryAgain());
    Press(&score, Qt::Key_Up);
    Press(&score, Qt::Key_Space);
    if (score.isVisible()) {
      ADD_FAILURE() << "still open";
      score.MainMenuClick();
    }
  });
  score.ShowModal();
  EXPECT_TRUE(ran);
  EXPECT_TRUE(world.shared.returnToMenu);
}

TEST(KeyboardPath, EndScreenClosesOnlyThroughItsLitCloseArea) {
  ScreenWorld world;
  TFmTheEnd end(world.app);
  bool ran = false;
  WhenModal([&] {
    ran = true;
    Presses(&end, {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space});
    EXPECT_TRUE(end.isVisible());
    Press(&end, Qt::Key_Tab);
    Press(&end, Qt::Key_Space);
    if (end.isVisible()) {
      ADD_FAILURE() << "still open";
      end.CloseArea()->click();
    }
  });
  end.ShowModal();
  EXPECT_TRUE(ran);
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// A screen world with the main menu and the screens it opens by itself (first-run choice, help,
// about), wired as the game wires them, for the screen tests.
#pragma once
#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <string>

#include "profiles/ui/about_form.h"
#include "profiles/ui/first_start_form.h"
#include "profiles/ui/help_form.h"
#include "profiles/ui/main_menu_form.h"
#include "screen_fixture.h"

struct MenuWorld : ScreenWorld {
  explicit MenuWorld(const std::string& ini) : ScreenWorld(ini) {
    firstStart = std::make_unique<TFirstStart>(app);
    app.screens.FirstStart = firstStart.get();
    help = std::make_unique<TfmHelp>(app);
    app.screens.fmHelp = help.get();
    about = std::make_unique<TfmAbout>(app);
    app.screens.fmAbout = about.get();
    menu = std::make_unique<TfmMain>(app);
    app.screens.fmMain = menu.get();
  }
  ~MenuWorld() { menu.reset(); }

  void ShowMenu() {
    menu->ShowMenu();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(menu.get()));
  }

  std::unique_ptr<TFirstStart> firstStart;
  std::unique_ptr<TfmHelp> help;
  std::unique_ptr<TfmAbout> about;
  std::unique_ptr<TfmMain> menu;
};

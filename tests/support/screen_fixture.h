// SPDX-License-Identifier: GPL-3.0-or-later
// A small world for screen tests: Player.ini in a temporary folder, virtual timers, recorded
// sounds, message boxes and shell, and level play over a host that shows nothing.
#pragma once
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "app/qt_screen_calls.h"
#include "core/app_context.h"
#include "core/shared_state.h"
#include "level/level_play.h"
#include "level/level_play_host.h"
#include "platform/shell.h"
#include "profiles/player_store.h"
#include "test_services.h"

struct ScreenWorld : TestServices<> {
  QTemporaryDir tempDir;
  SharedState shared;
  RecordingShell shell;
  NullLevelPlayHost host;
  std::unique_ptr<LevelPlay> level;
  AppContext app{shared, services, shell, nullptr, {}, nullptr, {}};

  // playerIni: the file's text before anything opens it; empty for no file.
  explicit ScreenWorld(const std::string& playerIni = "") : TestServices(7) {
    shared.appDir = tempDir.path().toStdString() + "/";
    if (!playerIni.empty()) std::ofstream(IniPath()) << playerIni;
    level = std::make_unique<LevelPlay>(services, shared, host);
    app.level = level.get();
    WireScreenCalls(app);
  }

  std::string IniPath() const { return shared.appDir + "Player.ini"; }
  void OpenStore() { OpenPlayerStore(shared, "tester"); }
  std::string PlayerIni() const {
    std::ifstream in(IniPath());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::string Read(const std::string& section, const std::string& key) const {
    return shared.playerStore->ReadString(section, key, "<absent>");
  }
  std::string Sound(const std::string& name) const { return shared.appDir + "sounds/" + name; }
  bool PlayedButtonClick() const {
    for (const std::string& s : sound.played)
      if (s.find("sounds/button") != std::string::npos) return true;
    return false;
  }
};

// Runs action once the next modal loop (or the event loop) is running.
inline void WhenModal(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

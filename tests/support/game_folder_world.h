// SPDX-License-Identifier: GPL-3.0-or-later
// The test game folder copied into a temporary folder, with the services a game screen plays on:
// virtual timers, recorded sounds, messages and shell, pictures read from the folder, a Player.ini
// store, and the text measurer and level play host the test chooses.
#pragma once
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <string>

#include "app/qt_screen_calls.h"
#include "core/app_context.h"
#include "core/shared_state.h"
#include "level/level_play_host.h"
#include "platform/file_picture_loader.h"
#include "platform/shell.h"
#include "core/ini_store.h"
#include "test_services.h"

template <class Text = FixedTextMeasurer, class Host = NullLevelPlayHost>
struct GameFolderWorld : TestServices<FilePictureLoader, Text> {
  QTemporaryDir tempDir;
  const std::string dir = tempDir.path().toStdString();  // without the closing slash
  SharedState shared;
  RecordingShell shell;
  Host host;
  AppContext app{shared, this->services, shell, nullptr, {}, nullptr, {}};

  explicit GameFolderWorld(const std::string& player = "tester") : TestServices<FilePictureLoader, Text>(3) {
    std::filesystem::copy(std::string(TEST_DATA_DIR) + "/game", dir, std::filesystem::copy_options::recursive);
    shared.appDir = dir + "/";
    shared.playerStore = std::make_unique<IniStore>(dir + "/Player.ini");
    shared.currentPlayer = player;
    WireScreenCalls(app);
  }
};

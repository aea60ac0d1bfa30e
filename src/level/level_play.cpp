// SPDX-License-Identifier: GPL-3.0-or-later
// Level play: its parts put together, level loading, the end of a level's script and the ways out
// of a level.
#include "level/level_play.h"

#include <algorithm>

#include "core/field_split.h"
#include "core/ini_store.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "level/drill_source.h"
#include "level/level_listener.h"
#include "level/place_letters.h"
#include "platform/game_error.h"
#include "platform/text_case.h"
#include "platform/write_refused.h"

namespace {
constexpr const char* kDefaultDifficultyRow = "0:0:0:2000:3000";

// Removes the first name equal to wanted, ignoring case; false when there is none.
bool RemoveFirstNoCase(std::vector<std::string>& names, std::string_view wanted) {
  auto it = std::find_if(names.begin(), names.end(),
                         [&](const std::string& name) { return EqualsNoCaseAscii(name, wanted); });
  if (it == names.end()) return false;
  names.erase(it);
  return true;
}
}  // namespace

LevelPlay::LevelPlay(Services& services, SharedState& shared, LevelPlayHost& host)
    : services_(services),
      shared_(shared),
      host_(host),
      stage_(services, host),
      score_(services.timers, host),
      clock_(services, host, *this, *this),
      pause_(clock_, stage_, host, *this),
      typing_(services, shared, host, *this, stage_, score_, clock_, pause_),
      drill_(services, shared, host, *this, stage_, score_, clock_, pause_, typing_),
      spawning_(services, shared, host, *this, stage_, score_, drill_) {
  services_.random.ReseedFromClock();
  ResetCounters();
}

LevelPlay::~LevelPlay() {
  clock_.SetEnabled(false);
  spawning_.ReleaseAll();
}

std::string LevelPlay::LevelDir(const std::string& name) const {
  return shared_.appDir + "Maps/" + name + "/";
}

void LevelPlay::InvalidateAll() {
  host_.Invalidate({0, 0, LevelStage::kScreenWidth, LevelStage::kScreenHeight});
}

void LevelPlay::StartLevel(const std::string& name) {
  drill_.PlayLevel();
  stage_.SetDrillScene(false);
  BeginLevel(name);
}

void LevelPlay::StartDrill(const std::string& name, DrillSource& drill) {
  drill_.PlayDrill(drill);
  stage_.SetDrillScene(true);
  BeginLevel(name);
}

void LevelPlay::BeginLevel(const std::string& name) {
  score_.ClearTicker();
  clock_.BeginRun();
  currentLevelName_ = name;
  LoadLevel(currentLevelName_);
}

bool LevelPlay::LoadLevel(const std::string& name) {
  try {
    LoadLevelOrThrow(name);
    return true;
  } catch (const WriteRefused& e) {
    services_.messages.Show(e.what());
    return false;
  } catch (const std::exception& e) {
    services_.messages.Show("Cannot load " + name + ": " + e.what());
    return false;
  }
}

void LevelPlay::LoadLevelOrThrow(const std::string& name) {
  // Everything is built aside and taken over only when the whole level has loaded, so a
  // failure leaves no half-built level behind.
  DrillSource* drill = drill_.Source();
  const std::string dir = drill ? drill->SceneDir() : LevelDir(name);
  auto mapStore = std::make_unique<IniStore>(dir + "Map.ini");
  auto scriptStore = std::make_unique<IniStore>(drill ? drill->ScriptPath() : dir + "Script.ini");
  std::vector<std::string> placeNames = mapStore->ReadSections();

  std::string difficulty;
  if (shared_.playerStore) {
    difficulty = shared_.playerStore->ReadString(shared_.currentPlayer, "up", "");
    if (difficulty.empty()) {
      difficulty = "easy";
      // A drill never writes Player.ini: the profile's first level stores the choice.
      if (!drill) shared_.playerStore->WriteString(shared_.currentPlayer, "up", "easy");
    }
  } else {
    difficulty = "easy";
  }
  stage_.SetDifficultyName(difficulty);

  const std::vector<std::string> row =
      SplitFields(mapStore->ReadString("Map", difficulty, kDefaultDifficultyRow));
  if (row.size() < 5) {
    throw GameError("the difficulty row " + difficulty + " of Map.ini needs five fields");
  }
  const int32_t extraActors = IntegerOrThrow(row[0], "ExtraActors");
  const int32_t extraDumpTime = IntegerOrThrow(row[1], "ExtraDumpTime");
  const int32_t extraMaxLife = IntegerOrThrow(row[2], "ExtraMaxLife");
  const int32_t missPenalty = IntegerOrThrow(row[3], "the miss penalty");
  const int32_t civilianPenalty = IntegerOrThrow(row[4], "the civilian penalty");
  spawning_.SetExtras(extraActors, extraDumpTime, extraMaxLife);
  clock_.SetPenalties(missPenalty, civilianPenalty);

  const std::vector<std::string> steps = scriptStore->ReadSections();
  clock_.TimeLevel(*scriptStore, steps);

  if (!RemoveFirstNoCase(placeNames, "Map")) throw GameError("Map.ini has no [Map] section");
  if (!RemoveFirstNoCase(placeNames, "Objects")) {
    throw GameError("Map.ini has no [Objects] section");
  }

  ImagePtr map = services_.pictures.LoadJpeg(dir + "Map.jpg");
  PlaceKeys placeKeys = ReadPlaceKeys(*mapStore, placeNames, services_.keyboard);

  stage_.Take(std::move(mapStore), std::move(placeNames), std::move(placeKeys.letters),
              std::move(placeKeys.positions), std::move(placeKeys.untypable));
  clock_.TakeScript(std::move(scriptStore));
  drill_.Load();
  clock_.QueueSteps(steps);
  spawning_.ClearTemplates();
  try {
    stage_.CreateLetterTags(dir + stage_.MapStore()->ReadString("Map", "LBMP", ""));
  } catch (...) {
    stage_.Clear();
    clock_.DropScript();
    throw;
  }
  stage_.Show(std::move(map));
  InvalidateAll();
  host_.ShowGameScreen();
  // Told over the level's picture before the clock runs: no figure has come up yet.
  if (placeKeys.layout && !stage_.UntypablePlaces().empty()) {
    stage_.TellUntypable(*placeKeys.layout);
  }
  clock_.SetEnabled(true);
  Trace("load " + name + " (" + difficulty + ")");
  if (listener) listener->LevelStarted(name, difficulty);
}

void LevelPlay::DefineTemplate(const std::string& key, const std::string& maxLifeText) {
  spawning_.DefineTemplate(key, maxLifeText);
}

void LevelPlay::WaveTick(const std::vector<std::string>& fields) {
  spawning_.WaveTick(fields, clock_.EndPhase());
}

void LevelPlay::WaveEndChecked() {
  drill_.PruneWordFigures();
  if (listener) listener->WaveEndChecked();
}

void LevelPlay::EndOfLevel() {
  SetPaused(true, false);
  Trace("end of " + currentLevelName_);
  if (listener) listener->LevelFinished(Counters());
  if (DrillSource* drill = drill_.Source()) {
    drill->Finished(Counters());
    return;
  }
  host_.ShowResultsModal();
  if (shared_.returnToMenu) {
    shared_.returnToMenu = false;
    return;
  }
  if (shared_.showEndScreen) {
    shared_.showEndScreen = false;
    host_.ShowEndScreenModal();
    return;
  }
  const int32_t level = shared_.playerStore
                            ? shared_.playerStore->ReadInteger(shared_.currentPlayer, "curlevel", 1)
                            : 1;
  currentLevelName_ = "Level" + std::to_string(level);
  LoadLevelOrThrow(currentLevelName_);
}

bool LevelPlay::KeyPress(bool isEscape, const std::string& text, const std::string& position,
                         const KeyStroke& stroke) {
  if (drill_.Typing()) return drill_.KeyPress(isEscape, text, position, stroke);
  return typing_.KeyPress(isEscape, text, position, stroke);
}

void LevelPlay::CloseLevel() {
  stage_.FreeLetterTags();
  // No actor should be left standing now; any that is would have no place to be found at.
  spawning_.ReleaseAll();
  stage_.ClearPlaces();
  drill_.Close();
  clock_.Close();
  spawning_.ClearTemplates();
  stage_.Close();
  InvalidateAll();
}

void LevelPlay::QuitToMenu() {
  clock_.SetEnabled(false);
  if (listener) listener->LevelLeft(false);
  spawning_.ReleaseActorsAtPlaces();
  CloseLevel();
  host_.HidePauseScreen();
  host_.HideGameScreen();
  host_.ShowMainMenu();
}

void LevelPlay::RestartLevel() {
  clock_.SetEnabled(false);
  if (listener) listener->LevelLeft(true);
  spawning_.ReleaseActorsAtPlaces();
  CloseLevel();
  host_.HidePauseScreen();
  ResetCounters();
  if (DrillSource* drill = drill_.Source()) {
    // A drill starts afresh; curlevel is neither read nor written.
    StartDrill(currentLevelName_, *drill);
    return;
  }
  const int32_t level = shared_.playerStore
                            ? shared_.playerStore->ReadInteger(shared_.currentPlayer, "curlevel", 1)
                            : 1;
  StartLevel("Level" + std::to_string(level));
}

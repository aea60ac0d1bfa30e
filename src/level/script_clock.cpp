// SPDX-License-Identifier: GPL-3.0-or-later
// The script interpreter on the 100 ms clock: steps, waves and their end, the level time.
#include "level/level_play.h"

#include "core/services.h"
#include "core/shared_state.h"
#include "level/drill_source.h"
#include "core/field_split.h"
#include "level/level_listener.h"
#include "platform/game_error.h"
#include "platform/write_refused.h"
#include "platform/timer_service.h"
#include "core/ini_store.h"
#include "targets/bot_image.h"

#include <mutex>

namespace {
constexpr int32_t kWave = 2;
constexpr int32_t kDefineTemplate = 1;
constexpr int32_t kEmptyStep = 3;
constexpr int32_t kNoCommand = -1;
constexpr ScreenRect kTimeLabel{271, 424, 98, 56};
}  // namespace

void LevelPlay::ClockTimer() {
  clock_->SetEnabled(false);
  try {
    if (pendingSteps_.empty()) {
      EndOfLevel();
      return;
    }
    const std::string step = pendingSteps_.front();
    const IniStore::Snapshot script = scriptStore_->Read();
    const int32_t command = script.ReadInteger(step, "command", kNoCommand);
    if (command == kNoCommand) {
      services_.messages.Show("Error");
      return;
    }
    {
      std::lock_guard<std::recursive_mutex> lock(stepLock_);
      const std::string param2 = script.ReadString(step, "param2", "");
      const std::string param1 = script.ReadString(step, "param1", "");
      stepWait_ = ExecuteStep(command, param1, param2);
    }
    if (stepWait_ < 0) {
      spawnRamp_ = 1;
      pendingSteps_.pop_front();
      Trace("step " + step + " done");
    }
    clock_->SetEnabled(true);
  } catch (const WriteRefused& e) {
    // The next level's load could not store its default difficulty: the refusal is the message.
    clock_->SetEnabled(false);
    services_.messages.Show(e.what());
  } catch (const std::exception& e) {
    clock_->SetEnabled(false);
    Trace(std::string("Error in Clock: ") + e.what());
    services_.messages.Show("Error in Clock");
  }
}

void LevelPlay::EndOfLevel() {
  SetPaused(true, false);
  Trace("end of " + currentLevelName_);
  if (listener) listener->LevelFinished(counters_);
  if (drill_) {
    drill_->Finished(counters_);
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
  const int32_t level = shared_.playerStore ? shared_.playerStore->ReadInteger(shared_.currentPlayer, "curlevel", 1) : 1;
  currentLevelName_ = "Level" + std::to_string(level);
  LoadLevelOrThrow(currentLevelName_);
}

int32_t LevelPlay::ExecuteStep(int32_t command, const std::string& param1, const std::string& param2) {
  const std::vector<std::string> fields = SplitFields(param2);
  if (command == kDefineTemplate) {
    DefineTemplate(param1, param2);
    return -1;
  }
  if (command == kEmptyStep) return -1;
  if (command != kWave) return 0;  // an unknown command holds the script for ever

  services_.random.ReseedFromClock();
  AddLevelTime(-kClockMs);
  if (stepWait_ < 0) {
    stepWait_ = IntegerOrThrow(param1, "the wave's duration");
    // A drill's letters are drawn anew as each wave starts; the last wave left no figure standing.
    if (drill_) {
      DrawDrillLetters();
      BeginDrillWave();
    }
  } else {
    stepWait_ = WrapAdd(stepWait_, -kClockMs);
  }
  // A duration or penalty that is not a multiple of 100 passes 0 without touching it; the wave
  // ends there all the same.
  if (stepWait_ <= 0) {
    const int32_t wait = WaveEndCheck();
    PruneWordFigures();
    if (listener) listener->WaveEndChecked();
    return wait;
  }
  WaveTick(fields);
  return stepWait_;
}

int32_t LevelPlay::WaveEndCheck() {
  int32_t wait = 0;
  endPhase_ = true;
  for (Place& place : places_) {
    TbotImage* actor = place.actor;
    if (!actor) continue;
    if (actor->Appearing && WrapAdd(actor->MaxLife, 1000) > wait) wait = WrapAdd(actor->MaxLife, 1000);
    if (actor->Deathing && wait < 1000) wait = 1000;
    if (actor->Activity && wait < 1000) wait = 1000;
    if (actor->Life > wait) wait = actor->MaxLife;
    if (actor->Dump || actor->Deadly) {
      ReleaseActor(actor);
      place.actor = nullptr;
    }
  }
  if (wait > 0) {
    AddLevelTime(wait);
    stepWait_ = wait;
    return wait;
  }
  endPhase_ = false;
  return -1;
}

void LevelPlay::AddLevelTime(int32_t delta) {
  const std::string shown = labels_.time;
  if (levelTimeMs_ > 0 || delta > 0) {
    levelTimeMs_ = WrapAdd(levelTimeMs_, delta);
    // A negative level time (a negative penalty can make one) shows as 0:00.
    const int32_t seconds = levelTimeMs_ > 0 ? levelTimeMs_ / 1000 : 0;
    const int32_t rest = seconds % 60;
    labels_.time = std::to_string(seconds / 60) + ":" + (rest < 10 ? "0" : "") + std::to_string(rest);
  } else {
    labels_.time = "0:00";
  }
  if (labels_.time != shown) host_.Invalidate(kTimeLabel);
}

void LevelPlay::redtimeTimer() {
  labels_.timeColor = GameLabels::kTimeYellow;
  redtime_->SetEnabled(false);
  host_.Invalidate(kTimeLabel);
}

void LevelPlay::SetTimeRed() {
  labels_.timeColor = GameLabels::kTimeRed;
  redtime_->SetEnabled(true);  // a running flash keeps its period
  host_.Invalidate(kTimeLabel);
}

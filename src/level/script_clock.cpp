// SPDX-License-Identifier: GPL-3.0-or-later
// The script interpreter on the 100 ms clock: steps, waves and their end, the level time.
#include "level/script_clock.h"

#include "core/field_split.h"
#include "core/ini_store.h"
#include "core/level_counters.h"
#include "core/services.h"
#include "level/level_hooks.h"
#include "level/level_play_host.h"
#include "platform/write_refused.h"

namespace {
constexpr int32_t kWave = 2;
constexpr int32_t kDefineTemplate = 1;
constexpr int32_t kEmptyStep = 3;
constexpr int32_t kNoCommand = -1;
constexpr ScreenRect kTimeLabel{271, 424, 98, 56};
}  // namespace

ScriptClock::ScriptClock(Services& services, LevelPlayHost& host, const LevelHooks& hooks,
                         ScriptSteps& steps)
    : services_(services), host_(host), hooks_(hooks), steps_(steps) {
  clock_ = services.timers.CreateTimer(kClockMs, [this] { ClockTimer(); });
  redtime_ = services.timers.CreateTimer(kRedTimeMs, [this] { redtimeTimer(); });
}

ScriptClock::~ScriptClock() = default;

bool ScriptClock::Enabled() const { return clock_->Enabled(); }

void ScriptClock::SetEnabled(bool on) { clock_->SetEnabled(on); }

void ScriptClock::ClockTimer() {
  clock_->SetEnabled(false);
  try {
    if (pendingSteps_.empty()) {
      steps_.EndOfLevel();
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
      steps_.StepDone();
      pendingSteps_.pop_front();
      hooks_.Trace("step " + step + " done");
    }
    clock_->SetEnabled(true);
  } catch (const WriteRefused& e) {
    // The next level's load could not store its default difficulty: the refusal is the message.
    clock_->SetEnabled(false);
    services_.messages.Show(e.what());
  } catch (const std::exception& e) {
    clock_->SetEnabled(false);
    hooks_.Trace(std::string("Error in Clock: ") + e.what());
    services_.messages.Show("Error in Clock");
  }
}

int32_t ScriptClock::ExecuteStep(int32_t command, const std::string& param1,
                                 const std::string& param2) {
  const std::vector<std::string> fields = SplitFields(param2);
  if (command == kDefineTemplate) {
    steps_.DefineTemplate(param1, param2);
    return -1;
  }
  if (command == kEmptyStep) return -1;
  if (command != kWave) return 0;  // an unknown command holds the script for ever

  services_.random.ReseedFromClock();
  AddLevelTime(-kClockMs);
  if (stepWait_ < 0) {
    stepWait_ = IntegerOrThrow(param1, "the wave's duration");
    steps_.WaveStarts();
  } else {
    stepWait_ = WrapAdd(stepWait_, -kClockMs);
  }
  // A duration or penalty that is not a multiple of 100 passes 0 without touching it; the wave
  // ends there all the same.
  if (stepWait_ <= 0) {
    const int32_t wait = WaveEndCheck();
    steps_.WaveEndChecked();
    return wait;
  }
  steps_.WaveTick(fields);
  return stepWait_;
}

int32_t ScriptClock::WaveEndCheck() {
  endPhase_ = true;
  const int32_t wait = steps_.WaveEndCheck();
  if (wait > 0) {
    AddLevelTime(wait);
    stepWait_ = wait;
    return wait;
  }
  endPhase_ = false;
  return -1;
}

void ScriptClock::AddLevelTime(int32_t delta) {
  const std::string shown = timeText_;
  if (levelTimeMs_ > 0 || delta > 0) {
    levelTimeMs_ = WrapAdd(levelTimeMs_, delta);
    // A negative level time (a negative penalty can make one) shows as 0:00.
    const int32_t seconds = levelTimeMs_ > 0 ? levelTimeMs_ / 1000 : 0;
    const int32_t rest = seconds % 60;
    timeText_ = std::to_string(seconds / 60) + ":" + (rest < 10 ? "0" : "") + std::to_string(rest);
  } else {
    timeText_ = "0:00";
  }
  if (timeText_ != shown) host_.Invalidate(kTimeLabel);
}

void ScriptClock::redtimeTimer() {
  timeColor_ = kTimeYellow;
  redtime_->SetEnabled(false);
  host_.Invalidate(kTimeLabel);
}

void ScriptClock::SetTimeRed() {
  timeColor_ = kTimeRed;
  redtime_->SetEnabled(true);  // a running flash keeps its period
  host_.Invalidate(kTimeLabel);
}

void ScriptClock::Penalise(int32_t penaltyMs) {
  SetTimeRed();
  if (stepWait_ > 0 && stepWait_ < kNoPenaltyAbove) {
    stepWait_ = WrapAdd(stepWait_, penaltyMs);
    AddLevelTime(penaltyMs);
  }
}

void ScriptClock::BeginRun() {
  missPenaltyMs_ = 2000;
  civilianPenaltyMs_ = 3000;
  endPhase_ = false;
}

void ScriptClock::SetPenalties(int32_t missMs, int32_t civilianMs) {
  missPenaltyMs_ = missMs;
  civilianPenaltyMs_ = civilianMs;
}

void ScriptClock::TimeLevel(const IniStore& script, const std::vector<std::string>& steps) {
  levelTimeMs_ = 0;
  for (const std::string& step : steps) {
    if (script.ReadInteger(step, "command", 0) == kWave) {
      levelTimeMs_ = WrapAdd(levelTimeMs_, script.ReadInteger(step, "param1", 0));
    }
  }
  AddLevelTime(0);
}

void ScriptClock::TakeScript(std::unique_ptr<IniStore> script) { scriptStore_ = std::move(script); }

void ScriptClock::QueueSteps(const std::vector<std::string>& steps) {
  pendingSteps_.assign(steps.begin(), steps.end());
  stepWait_ = -1;
}

void ScriptClock::DropScript() {
  pendingSteps_.clear();
  scriptStore_.reset();
}

void ScriptClock::Close() {
  DropScript();
  endPhase_ = false;
  clock_->SetEnabled(false);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Typing: the key filter, the resolution of a typed character against the places, and results.
#include "level/level_play.h"

#include "core/services.h"
#include "core/shared_state.h"
#include "level/level_listener.h"
#include "platform/text_case.h"
#include "core/ini_store.h"
#include "targets/bot_image.h"

#include <mutex>

namespace {
constexpr uint8_t kCivilian = 1;
constexpr uint8_t kEnemy = 0;
}

std::string_view LevelPlay::PlaceLetter(size_t i, const IniDocument* map) const {
  if (keyLetters_) return (*keyLetters_)[i];
  const IniEntry* entry = map ? map->FindEntry(places_[i].name, "letter") : nullptr;
  return entry ? std::string_view(entry->value) : std::string_view();
}

bool LevelPlay::KeyPress(bool isEscape, const std::string& text, const std::string& position,
                         const KeyStroke& stroke) {
  if (wordTyping_) return WordKeyPress(isEscape, text, position, stroke);
  // While a key is down every further key-down is dropped, its repeats included.
  if (heldKeys_.Press(stroke, ClockEnabled())) return true;
  FormKeyDown(isEscape);
  if (ClockEnabled() && !text.empty()) ResolveCharacter(text, position);
  return false;
}

void LevelPlay::KeyRelease(const KeyStroke& stroke) { heldKeys_.Release(stroke); }

void LevelPlay::ResolveCharacter(const std::string& typed, const std::string& position) {
  std::lock_guard<std::recursive_mutex> lock(inputLock_);
  const std::string first = FirstCharacterUtf8(typed);
  const std::string t = ToLowerUtf8(first);
  // One look at Map.ini serves the whole scan.
  const std::shared_ptr<const IniDocument> map = mapStore_ ? mapStore_->Document() : nullptr;
  // Applies a result and tells the listener which place decided it (-1: none).
  auto resolve = [&](const char* result, int place) {
    ApplyResult(result);
    if (!listener) return;
    const bool miss = result == std::string_view("MISS");
    const std::string letter = place >= 0 ? std::string(PlaceLetter(static_cast<size_t>(place), map.get())) : std::string();
    // A place whose letter names a US key is that key, whichever key typed its character.
    const std::string& placeKey = place >= 0 ? placePositions_[static_cast<size_t>(place)] : std::string();
    listener->CharacterResolved(first, result, place, letter, !(miss && endPhase_), placeKey.empty() ? position : placeKey);
    if (miss && !endPhase_) {
      // With one enemy ready to be shot, a miss was aimed at it.
      int ready = -1;
      int count = 0;
      for (size_t i = 0; i < places_.size(); ++i) {
        const TbotImage* a = places_[i].actor;
        if (!a || a->Character != kEnemy || a->Dump || a->Deadly || a->Deathing || a->Activity) continue;
        ready = static_cast<int>(i);
        ++count;
      }
      if (count == 1) listener->MissAimedAt(static_cast<size_t>(ready), PlacePosition(static_cast<size_t>(ready)));
    }
  };
  for (size_t i = 0; i < places_.size(); ++i) {
    hitPlace_ = static_cast<int>(i);
    TbotImage* actor = places_[i].actor;
    if (!actor) continue;
    if (actor->Dump) {
      if (PlaceLetter(i, map.get()) == t) {
        resolve("MISS", static_cast<int>(i));
        return;
      }
      continue;
    }
    if (actor->Deadly || actor->Deathing || actor->Activity) continue;
    if (PlaceLetter(i, map.get()) != t) continue;
    resolve(actor->Character == kCivilian ? "CIVILIAN" : "POINT", static_cast<int>(i));
    if (shared_.soundOn) {
      services_.sound.Play(shared_.appDir + "sounds/wood" + std::to_string(services_.random.Between(1, 3)));
    }
    actor->Hit();
    return;
  }
  resolve("MISS", -1);
}

void LevelPlay::ApplyResult(const std::string& name) {
  const std::string result = ToUpperUtf8(name);
  if (result == "MISS") {
    if (endPhase_) return;  // the wave is over: a stray key costs nothing
    counters_.Misses = WrapAdd(counters_.Misses, 1);
    AddTickerLine("-" + std::to_string(missPenaltyMs_));
    SetTimeRed();
    if (stepWait_ > 0 && stepWait_ < kNoPenaltyAbove) {
      stepWait_ = WrapAdd(stepWait_, missPenaltyMs_);
      AddLevelTime(missPenaltyMs_);
    }
    labels_.miss = "Miss: " + std::to_string(counters_.Misses);
    host_.Invalidate({560, 400, 80, 80});
    if (shared_.soundOn) {
      services_.sound.Play(shared_.appDir + "sounds/ric" + std::to_string(services_.random.Between(1, 5)) + ".wav");
    }
    Trace("MISS");
  } else if (result == "CIVILIAN") {
    counters_.Civilians = WrapAdd(counters_.Civilians, 1);
    SetTimeRed();
    if (stepWait_ > 0 && stepWait_ < kNoPenaltyAbove) {
      stepWait_ = WrapAdd(stepWait_, civilianPenaltyMs_);
      AddLevelTime(civilianPenaltyMs_);
    }
    AddTickerLine("-" + std::to_string(civilianPenaltyMs_));
    labels_.civilian = "Civilian: " + std::to_string(counters_.Civilians);
    host_.Invalidate({560, 400, 80, 80});
    Trace("CIVILIAN at " + places_[hitPlace_].name);
  } else if (result == "POINT") {
    const int32_t points = places_[hitPlace_].actor->Life;
    counters_.MyScore = WrapAdd(counters_.MyScore, points);
    AddTickerLine("+" + std::to_string(points));
    labels_.myScore = "MyScore: " + std::to_string(counters_.MyScore);
    counters_.Hits = WrapAdd(counters_.Hits, 1);
    labels_.point = "Point: " + std::to_string(counters_.Hits);
    host_.Invalidate({560, 400, 80, 80});
    Trace("POINT +" + std::to_string(points) + " at " + places_[hitPlace_].name);
  }
}

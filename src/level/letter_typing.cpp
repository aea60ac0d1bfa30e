// SPDX-License-Identifier: GPL-3.0-or-later
// Typing: the key filter, the resolution of a typed character against the places, and results.
#include "level/letter_typing.h"

#include <algorithm>

#include "core/ini_store.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "level/aimed_key.h"
#include "level/level_hooks.h"
#include "level/level_listener.h"
#include "level/level_play_host.h"
#include "level/level_stage.h"
#include "level/pause_control.h"
#include "level/scoreboard.h"
#include "level/script_clock.h"
#include "platform/text_case.h"
#include "targets/bot_image.h"

namespace {
constexpr uint8_t kCivilian = 1;
constexpr uint8_t kEnemy = 0;
}  // namespace

LetterTyping::LetterTyping(Services& services, SharedState& shared, LevelPlayHost& host,
                           const LevelHooks& hooks, LevelStage& stage, Scoreboard& score,
                           ScriptClock& clock, PauseControl& pause)
    : services_(services),
      shared_(shared),
      host_(host),
      hooks_(hooks),
      stage_(stage),
      score_(score),
      clock_(clock),
      pause_(pause) {}

bool LetterTyping::KeyPress(bool isEscape, const std::string& text, const std::string& position,
                            const KeyStroke& stroke) {
  // While a key is down every further key-down is dropped, its repeats included.
  if (heldKeys_.Press(stroke, clock_.Enabled())) return true;
  pause_.FormKeyDown(isEscape);
  if (clock_.Enabled() && !text.empty()) ResolveCharacter(text, position);
  return false;
}

void LetterTyping::KeyRelease(const KeyStroke& stroke) { heldKeys_.Release(stroke); }

void LetterTyping::ResolveCharacter(const std::string& typed, const std::string& position) {
  std::lock_guard<std::recursive_mutex> lock(inputLock_);
  const std::string first = FirstCharacterUtf8(typed);
  const std::string t = ToLowerUtf8(first);
  const std::vector<Place>& places = stage_.Places();
  // One look at Map.ini serves the whole scan.
  const std::shared_ptr<const IniDocument> map = stage_.MapDocument();
  // A place whose figure is already going (acting, dying) and whose letter was typed: a late press.
  int goingPlace = -1;
  // Applies a result and tells the listener which place decided it (-1: none).
  auto resolve = [&](const char* result, int place) {
    ApplyResult(result);
    LevelPlayListener* listener = hooks_.listener;
    if (!listener) return;
    const bool miss = result == std::string_view("MISS");
    const std::string letter =
        place >= 0 ? std::string(stage_.PlaceLetter(static_cast<size_t>(place), map.get()))
                   : std::string();
    // A place whose letter names a US key is that key, whichever key typed its character.
    const std::string& placeKey =
        place >= 0 ? stage_.PlacePositions()[static_cast<size_t>(place)] : std::string();
    listener->CharacterResolved(first, result, place, letter, !(miss && clock_.EndPhase()),
                                placeKey.empty() ? position : placeKey);
    if (miss && !clock_.EndPhase()) {
      // With one enemy ready to be shot, a miss was aimed at it (the rule older records keep).
      int ready = -1;
      int count = 0;
      for (size_t i = 0; i < places.size(); ++i) {
        const TbotImage* a = places[i].actor;
        if (!a || a->Character != kEnemy || a->Dump || a->Deadly || a->Deathing || a->Activity) {
          continue;
        }
        ready = static_cast<int>(i);
        ++count;
      }
      if (count == 1) {
        listener->MissAimedAt(static_cast<size_t>(ready),
                              stage_.PlacePosition(static_cast<size_t>(ready)));
      }
      // A press at a figure already going was aimed at it, too late: a miss at the key typed,
      // unless a ready figure stands within a slip of it. Then it cannot be told from a slip
      // aimed at that one and counts at no key (a figure going unshot is lost at its own key
      // anyway). Any other miss is charged to the ready figure whose key is nearest.
      const std::vector<std::string> readyKeys = ReadyKeys();
      std::string charged;
      if (place >= 0 || goingPlace >= 0) {
        const std::string& going = place >= 0 ? placeKey : stage_.PlacePositions()[static_cast<size_t>(goingPlace)];
        const bool readyNear = std::any_of(readyKeys.begin(), readyKeys.end(), [&](const std::string& key) {
          return !AimedKey(position, {key}).empty();
        });
        if (!readyNear) charged = going.empty() ? position : going;
      } else {
        charged = AimedKey(position, readyKeys);
      }
      listener->MissCharged(charged);
    }
  };
  for (size_t i = 0; i < places.size(); ++i) {
    hitPlace_ = static_cast<int>(i);
    TbotImage* actor = places[i].actor;
    if (!actor) continue;
    if (actor->Dump) {
      if (stage_.PlaceLetter(i, map.get()) == t) {
        resolve("MISS", static_cast<int>(i));
        return;
      }
      continue;
    }
    if (actor->Deadly || actor->Deathing || actor->Activity) {
      if (goingPlace < 0 && stage_.PlaceLetter(i, map.get()) == t) goingPlace = static_cast<int>(i);
      continue;
    }
    if (stage_.PlaceLetter(i, map.get()) != t) continue;
    resolve(actor->Character == kCivilian ? "CIVILIAN" : "POINT", static_cast<int>(i));
    if (shared_.soundOn) {
      services_.sound.Play(shared_.appDir + "sounds/wood" +
                           std::to_string(services_.random.Between(1, 3)));
    }
    actor->Hit();
    return;
  }
  resolve("MISS", -1);
}

std::vector<std::string> LetterTyping::ReadyKeys() const {
  // Enemies and bottles are aimed at; townsfolk are not.
  std::vector<std::string> keys;
  const std::vector<Place>& places = stage_.Places();
  for (size_t i = 0; i < places.size(); ++i) {
    const TbotImage* a = places[i].actor;
    if (!a || a->Character == kCivilian || a->Dump || a->Deadly || a->Deathing || a->Activity) continue;
    // Only a place whose key is known has a centre to measure to.
    if (i < stage_.PlacePositions().size()) keys.push_back(stage_.PlacePositions()[i]);
  }
  return keys;
}

void LetterTyping::ApplyResult(const std::string& name) {
  const std::string result = ToUpperUtf8(name);
  const std::vector<Place>& places = stage_.Places();
  if (result == "MISS") {
    if (clock_.EndPhase()) return;  // the wave is over: a stray key costs nothing
    const int32_t penalty = clock_.MissPenaltyMs();
    score_.CountMiss(penalty);
    clock_.Penalise(penalty);
    score_.ShowCounters();
    if (shared_.soundOn) {
      services_.sound.Play(shared_.appDir + "sounds/ric" +
                           std::to_string(services_.random.Between(1, 5)) + ".wav");
    }
    hooks_.Trace("MISS");
  } else if (result == "CIVILIAN") {
    const int32_t penalty = clock_.CivilianPenaltyMs();
    clock_.Penalise(penalty);
    score_.CountCivilian(penalty);
    score_.ShowCounters();
    hooks_.Trace("CIVILIAN at " + places[hitPlace_].name);
  } else if (result == "POINT") {
    const int32_t points = places[hitPlace_].actor->Life;
    score_.CountPoint(points);
    score_.ShowCounters();
    hooks_.Trace("POINT +" + std::to_string(points) + " at " + places[hitPlace_].name);
  }
}

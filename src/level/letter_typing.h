// SPDX-License-Identifier: GPL-3.0-or-later
// Letter typing: the key filter while a key is held, the resolution of a typed character against
// the places' letters, and what each result does to the counters and the time.
#pragma once
#include "level/held_keys.h"
#include <mutex>
#include <string>
#include <vector>

class LevelPlayHost;
class LevelStage;
class PauseControl;
class Scoreboard;
class ScriptClock;
struct LevelHooks;
struct Services;
struct SharedState;

class LetterTyping {
 public:
  LetterTyping(Services& services, SharedState& shared, LevelPlayHost& host,
               const LevelHooks& hooks, LevelStage& stage, Scoreboard& score, ScriptClock& clock,
               PauseControl& pause);

  // One key press (isEscape for the Escape key; text is what the key types, may be empty;
  // position is the key's US key name, empty when unknown; stroke: which key, whether the window
  // system calls it a repeat, and when). While the clock runs and a key is down every further
  // press is dropped, its repeats included (see HeldKeys): true when this one was.
  bool KeyPress(bool isEscape, const std::string& text, const std::string& position, const KeyStroke& stroke = {});
  // A key-up, whichever screen had the keyboard.
  void KeyRelease(const KeyStroke& stroke = {});
  void ResolveCharacter(const std::string& typed, const std::string& position);
  // "MISS", "CIVILIAN" or "POINT" (any case) for the place HitPlace(); anything else does nothing.
  void ApplyResult(const std::string& name);

  // Held while a typed character is resolved, by letters or by words.
  std::recursive_mutex& InputLock() { return inputLock_; }
  // The place a result is booked at: the last one a resolution looked at.
  int HitPlace() const { return hitPlace_; }
  void SetHitPlace(int place) { hitPlace_ = place; }
  bool KeyHeld() const { return heldKeys_.Marked(); }
  // The held-key mark, which word waves share.
  HeldKeys& Held() { return heldKeys_; }

 private:
  // The key positions of the figures ready to be shot that a press may aim at.
  std::vector<std::string> ReadyKeys() const;

  Services& services_;
  SharedState& shared_;
  LevelPlayHost& host_;
  const LevelHooks& hooks_;
  LevelStage& stage_;
  Scoreboard& score_;
  ScriptClock& clock_;
  PauseControl& pause_;

  std::recursive_mutex inputLock_;
  HeldKeys heldKeys_;
  int hitPlace_ = -1;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// HeldKeys: the held-key mark that lets a held key shoot once, and the keys seen going down.
#include "level/held_keys.h"

#include <algorithm>
#include <utility>

namespace {
constexpr size_t kMaxDown = 16;
}

bool HeldKeys::Down(uint64_t key) const {
  return std::find(down_.begin(), down_.end(), key) != down_.end();
}

void HeldKeys::Forget(uint64_t key) {
  down_.erase(std::remove(down_.begin(), down_.end(), key), down_.end());
}

void HeldKeys::NoteDown(uint64_t key) {
  if (Down(key)) return;
  if (down_.size() >= kMaxDown) down_.erase(down_.begin());
  down_.push_back(key);
}

bool HeldKeys::Repeat(const KeyStroke& stroke) {
  const std::optional<LastRelease> last = std::exchange(lastRelease_, std::nullopt);
  if (stroke.repeat) return true;
  if (!last || stroke.timeMs == 0 || last->stroke.key != stroke.key ||
      last->stroke.timeMs != stroke.timeMs) {
    return false;
  }
  // A key-up and a key-down of one key in the same millisecond: a repeat nobody's finger makes.
  mark_ = last->mark;
  if (last->wasDown) NoteDown(stroke.key);
  return true;
}

bool HeldKeys::Press(const KeyStroke& stroke, bool running) {
  const bool repeat = Repeat(stroke);
  if (!running) {
    // Pressed while the clock stands still: its repeats are not the level's.
    if (!repeat) Forget(stroke.key);
    return false;
  }
  if (repeat && !Down(stroke.key)) return true;
  if (!repeat) NoteDown(stroke.key);
  if (mark_) return true;
  mark_ = true;
  return false;
}

bool HeldKeys::PressRollingOver(const KeyStroke& stroke, bool running) {
  const bool repeat = Repeat(stroke);
  if (!running) {
    if (!repeat) Forget(stroke.key);
    return false;
  }
  if (!repeat) NoteDown(stroke.key);
  return repeat;
}

void HeldKeys::Release(const KeyStroke& stroke) {
  if (stroke.repeat) return;
  lastRelease_ = LastRelease{stroke, mark_, Down(stroke.key)};
  mark_ = false;
  Forget(stroke.key);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// HeldKeys: the held-key mark that lets a held key shoot once, and the keys seen going down.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

// One key-down or key-up as the window system reports it.
struct KeyStroke {
  // The key, the same number at its press, its repeats and its release (a scan code, say); 0
  // where the caller cannot tell keys apart.
  uint64_t key = 0;
  // The window system says the key-down (or key-up) is one of a held key's repeats.
  bool repeat = false;
  // The window system's time of the event in milliseconds; 0 when unknown.
  uint64_t timeMs = 0;
};

// While a level's clock runs, a key-down sets the mark and every further key-down is dropped
// until a key-up clears it: a held key shoots once, a second key pressed meanwhile not at all.
// Any real key-up clears the mark, also while the clock stands still and whichever screen had
// the keyboard, so no key is swallowed after a pause. A repeat is dropped unless its key's own
// press was seen while the clock ran: a key held down from a screen before (Escape held on the
// pause screen, Enter on the menu) does not act in the level.
class HeldKeys {
 public:
  // A key-down in a letter wave; running: the level's clock runs. True when it is dropped.
  bool Press(const KeyStroke& stroke, bool running);
  // A key-down in a word wave, where typists roll over from key to key: only repeats are
  // dropped, while the clock runs. True when it is dropped.
  bool PressRollingOver(const KeyStroke& stroke, bool running);
  // A key-up, from any screen. Repeats' key-ups change nothing.
  void Release(const KeyStroke& stroke);
  bool Marked() const { return mark_; }

 private:
  struct LastRelease {
    KeyStroke stroke;
    bool mark = false;
    bool wasDown = false;
  };
  // Whether a key-down is a repeat. The window system may take a repeat's key-up and key-down
  // for real ones when the key-down has not reached it yet: both then carry the same time, and
  // what that key-up undid is put back.
  bool Repeat(const KeyStroke& stroke);
  void Forget(uint64_t key);
  bool Down(uint64_t key) const;
  void NoteDown(uint64_t key);

  bool mark_ = false;
  // Keys whose press was seen while the clock ran, still down; a few at most, as hands have
  // ten fingers (the oldest goes when key-ups were lost elsewhere).
  std::vector<uint64_t> down_;
  std::optional<LastRelease> lastRelease_;
};

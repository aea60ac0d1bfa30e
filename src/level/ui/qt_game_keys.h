// SPDX-License-Identifier: GPL-3.0-or-later
// Game keys: what a Qt key event on the game screen means to level play.
#pragma once
#include <QString>
#include <Qt>

#include "level/held_keys.h"

#include <cstdint>
#include <string>

class QKeyEvent;

struct GameKey {
  enum class Kind {
    Ignored,     // a system key or a modifier alone: neither a shot nor a held key
    Press,       // a key-down for level play; text is the character it types, empty for none
    FullScreen,  // the full-screen key: a key-down without a character, then the toggle
  };
  Kind kind = Kind::Ignored;
  bool escape = false;
  std::string text;
};

// A key press as Qt reports it: the key, the modifiers held, the text the platform made of it and
// the X keysym (QKeyEvent::nativeVirtualKey; 0 where there is none).
GameKey TranslateKeyPress(int key, Qt::KeyboardModifiers modifiers, const QString& text, uint32_t nativeKeysym = 0);
// Whether a key release reaches level play (those of system keys and modifiers do not).
bool ReleaseReachesLevel(int key, Qt::KeyboardModifiers modifiers, uint32_t nativeKeysym = 0);
// The key event as the held-key mark sees it: the key by its scan code (by Qt's key where the
// platform gives none), whether Qt calls it a repeat, and the window system's time.
KeyStroke StrokeOf(const QKeyEvent& event);

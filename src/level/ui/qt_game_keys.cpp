// SPDX-License-Identifier: GPL-3.0-or-later
// Game keys: what a Qt key event on the game screen means to level play.
#include "level/ui/qt_game_keys.h"

#include <QKeyEvent>
#include <xkbcommon/xkbcommon-keysyms.h>

namespace {
// Alt alone, Alt with another key, and F10 are system keys. AltGr is its own key and modifier
// (it types characters on many keyboards), so it is not one of them.
bool IsSystemKey(int key, Qt::KeyboardModifiers modifiers) {
  return key == Qt::Key_Alt || key == Qt::Key_F10 || (modifiers & Qt::AltModifier);
}

// Keys that only change what other keys type, or lock such a change: Shift, Control, the level
// shifts (AltGr, level 5), the group switches, Caps Lock, Num Lock, Super, Hyper, Meta, Alt.
// Qt names the common ones; the X keysym catches the rest, which Qt may report as unknown.
bool IsModifierKey(int key, uint32_t keysym) {
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
      return true;
    default:
      break;
  }
  return (keysym >= XKB_KEY_Shift_L && keysym <= XKB_KEY_Hyper_R) ||
         (keysym >= XKB_KEY_ISO_Lock && keysym <= XKB_KEY_ISO_Level5_Lock) || keysym == XKB_KEY_Mode_switch ||
         keysym == XKB_KEY_Num_Lock;
}
}  // namespace

GameKey TranslateKeyPress(int key, Qt::KeyboardModifiers modifiers, const QString& text, uint32_t nativeKeysym) {
  GameKey out;
  // A modifier pressed alone is no key down: Shift before a letter must not hold the letter back.
  if (IsSystemKey(key, modifiers) || IsModifierKey(key, nativeKeysym)) return out;
  out.escape = key == Qt::Key_Escape;
  out.kind = key == Qt::Key_F11 ? GameKey::Kind::FullScreen : GameKey::Kind::Press;
  // Qt gives Delete the text DEL on X11; it types nothing, so it is no shot. A key pressed with
  // Control held is a shortcut, not typing: it is held like any key but shoots nothing. Every
  // other text the platform makes (printable characters, Enter, Backspace, Tab, the space bar)
  // is a character typed.
  if (out.kind == GameKey::Kind::Press && !text.isEmpty() && text != QStringLiteral("\x7f") &&
      !(modifiers & Qt::ControlModifier)) {
    out.text = text.toStdString();
  }
  return out;
}

bool ReleaseReachesLevel(int key, Qt::KeyboardModifiers modifiers, uint32_t nativeKeysym) {
  return !IsSystemKey(key, modifiers) && !IsModifierKey(key, nativeKeysym);
}

KeyStroke StrokeOf(const QKeyEvent& event) {
  // Scan codes fit in 32 bits; Qt's keys are numbered above them.
  const uint64_t key = event.nativeScanCode() != 0 ? event.nativeScanCode()
                                                    : (uint64_t{1} << 32) | static_cast<uint32_t>(event.key());
  return {key, event.isAutoRepeat(), event.timestamp()};
}

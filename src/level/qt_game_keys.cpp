// Game keys: what a Qt key event on the game screen means to level play.
#include "level/qt_game_keys.h"

namespace {
// Alt alone, Alt with another key, and F10 are system keys. AltGr is its own key and modifier
// (it types characters on many keyboards), so it is not one of them.
bool IsSystemKey(int key, Qt::KeyboardModifiers modifiers) {
  return key == Qt::Key_Alt || key == Qt::Key_F10 || (modifiers & Qt::AltModifier);
}
}  // namespace

GameKey TranslateKeyPress(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  GameKey out;
  if (IsSystemKey(key, modifiers)) return out;
  out.escape = key == Qt::Key_Escape;
  out.kind = key == Qt::Key_F11 ? GameKey::Kind::FullScreen : GameKey::Kind::Press;
  // Qt gives Delete the text DEL on X11; it types nothing, so it is no shot. Every other text
  // the platform makes (printable characters, Enter, Backspace, Tab, the space bar, control
  // characters) is a character typed.
  if (out.kind == GameKey::Kind::Press && !text.isEmpty() && text != QStringLiteral("\x7f")) {
    out.text = text.toStdString();
  }
  return out;
}

bool ReleaseReachesLevel(int key, Qt::KeyboardModifiers modifiers) { return !IsSystemKey(key, modifiers); }

// Game keys: what a Qt key event on the game screen means to level play.
#pragma once
#include <QString>
#include <Qt>

struct GameKey {
  enum class Kind {
    Ignored,     // a system key: neither a shot nor a held key
    Press,       // a key-down for level play; text is the character it types, empty for none
    FullScreen,  // the full-screen key: a key-down without a character, then the toggle
  };
  Kind kind = Kind::Ignored;
  bool escape = false;
  std::string text;
};

// A key press as Qt reports it: the key, the modifiers held and the text the platform made of it.
GameKey TranslateKeyPress(int key, Qt::KeyboardModifiers modifiers, const QString& text);
// Whether a key release reaches level play (system keys' releases do not).
bool ReleaseReachesLevel(int key, Qt::KeyboardModifiers modifiers);

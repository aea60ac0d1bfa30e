// SPDX-License-Identifier: GPL-3.0-or-later
// KeyboardReturn: a window of the game that hides hands the keyboard back to the one beneath.
#pragma once
#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

// Without a window manager nobody gives the keyboard to another window when the one that had
// it goes: it falls to the screen's root, and the keys reach no window of the game until the
// pointer moves over one. Watching every window of the program, this hands the keyboard, once
// a window has hidden and none of the game's has it, to the window shown or used most recently
// that still shows. Under a window manager, which does the same, it only repeats its choice.
class KeyboardReturn : public QObject {
  Q_OBJECT
 public:
  // Watches the application's windows for as long as it lives.
  explicit KeyboardReturn(QObject* parent = nullptr);
  ~KeyboardReturn() override;

  // The window the keyboard would go back to now; nullptr when no window of the game shows.
  QWidget* Beneath() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Remember(QWidget* window);
  void HandBack();

  std::vector<QPointer<QWidget>> recent_;  // most recently shown or used first
  bool pending_ = false;
};

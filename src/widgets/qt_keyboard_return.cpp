// SPDX-License-Identifier: GPL-3.0-or-later
// KeyboardReturn: a window of the game that hides hands the keyboard back to the one beneath.
#include "widgets/qt_keyboard_return.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {
// Windows the keyboard can go to: screens, dialogs and the help window; not pop-ups, tool tips
// or a form drawn inside an enlarging window, which has no window of its own.
QWidget* KeyboardWindow(QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget || !widget->isWindow() || widget->graphicsProxyWidget()) return nullptr;
  const Qt::WindowType type = widget->windowType();
  return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool ? widget : nullptr;
}

bool Shows(const QWidget* window) {
  return window && window->isVisible() && !window->isMinimized();
}
}  // namespace

KeyboardReturn::KeyboardReturn(QObject* parent) : QObject(parent) {
  qApp->installEventFilter(this);
}

KeyboardReturn::~KeyboardReturn() { qApp->removeEventFilter(this); }

void KeyboardReturn::Remember(QWidget* window) {
  recent_.erase(
      std::remove_if(recent_.begin(), recent_.end(),
                     [window](const QPointer<QWidget>& w) { return w.isNull() || w == window; }),
      recent_.end());
  recent_.insert(recent_.begin(), window);
}

QWidget* KeyboardReturn::Beneath() const {
  for (const QPointer<QWidget>& window : recent_) {
    if (Shows(window)) return window;
  }
  return nullptr;
}

void KeyboardReturn::HandBack() {
  pending_ = false;
  // A window of the game has the keyboard already: the one the code showed last asked for it.
  const QWindow* focus = QGuiApplication::focusWindow();
  if (focus && focus->isVisible()) return;
  // A modal window takes the keyboard before any other.
  QWidget* target = QApplication::activeModalWidget();
  if (!Shows(target)) target = Beneath();
  if (!target) return;
  target->raise();
  target->activateWindow();
}

bool KeyboardReturn::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::WindowActivate:
      if (QWidget* window = KeyboardWindow(watched)) Remember(window);
      break;
    case QEvent::Hide:
      // Once the hiding is done and whatever it led to has shown.
      if (KeyboardWindow(watched) && !pending_) {
        pending_ = true;
        QTimer::singleShot(0, this, [this] { HandBack(); });
      }
      break;
    default:
      break;
  }
  return false;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// KeyHighlight: a screen's one highlight over its buttons and links, moved by the arrow keys and
// Tab, shared with the pointer, with Space pressing what it lights.
#include "widgets/qt_key_highlight.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include "widgets/hover_button_widget.h"
#include "widgets/link_label_widget.h"

KeyHighlight::KeyHighlight(QWidget* form, Arrows arrows) : QObject(form), form_(form), arrows_(arrows) {
  form_->installEventFilter(this);
}

void KeyHighlight::AddStop(Stop stop) {
  stop.widget->installEventFilter(this);
  stops_.push_back(std::move(stop));
}

void KeyHighlight::AddButton(TVtxSpdButton* button) {
  // The hover look itself: lighting is what the pointer entering does, unlighting its leaving.
  AddStop({button,
           [button](bool on) {
             if (on)
               button->MouseEntered();
             else
               button->MouseLeft();
           },
           [button] { button->click(); }});
}

void KeyHighlight::AddLink(LinkLabel* link) {
  AddStop({link,
           [link](bool on) {
             const auto& notify = on ? link->OnMouseEnter : link->OnMouseLeave;
             if (notify) notify();
           },
           [link] {
             if (link->OnClick) link->OnClick();
           }});
}

void KeyHighlight::AddControl(QWidget* control) { AddStop({control, nullptr, nullptr}); }

QWidget* KeyHighlight::Lit() const { return lit_ >= 0 ? stops_[static_cast<size_t>(lit_)].widget : nullptr; }

bool KeyHighlight::PressLit() {
  if (lit_ < 0 || !Usable(stops_[static_cast<size_t>(lit_)])) return false;
  // The press may close the screen and so unlight the stop: take the action first.
  const std::function<void()> press = stops_[static_cast<size_t>(lit_)].press;
  press();
  return true;
}

bool KeyHighlight::Usable(const Stop& stop) const {
  return stop.widget->isVisibleTo(form_) && stop.widget->isEnabled();
}

bool KeyHighlight::ControlHasFocus() const {
  // The form's own focus widget: its keys go there whether or not the window is active yet.
  const QWidget* focus = form_->focusWidget();
  for (const Stop& stop : stops_)
    if (!stop.light && stop.widget == focus) return true;
  return false;
}

int KeyHighlight::CurrentStop() const {
  if (lit_ >= 0) return lit_;
  const QWidget* focus = form_->focusWidget();
  for (size_t i = 0; i < stops_.size(); ++i)
    if (!stops_[i].light && stops_[i].widget == focus) return static_cast<int>(i);
  return -1;
}

int KeyHighlight::Next(int step, bool withControls) const {
  const int count = static_cast<int>(stops_.size());
  const int current = CurrentStop();
  int index = current < 0 ? (step > 0 ? -1 : count) : current;
  for (int tried = 0; tried < count; ++tried) {
    index = ((index + step) % count + count) % count;
    const Stop& stop = stops_[static_cast<size_t>(index)];
    if (Usable(stop) && (withControls || stop.light)) return index;
  }
  return -1;
}

void KeyHighlight::Unlight() {
  if (lit_ < 0) return;
  const int was = lit_;
  lit_ = -1;
  stops_[static_cast<size_t>(was)].light(false);
}

void KeyHighlight::GoTo(int index) {
  if (index < 0 || index == lit_) return;
  Unlight();
  Stop& stop = stops_[static_cast<size_t>(index)];
  if (!stop.light) {
    stop.widget->setFocus(Qt::TabFocusReason);
    return;
  }
  // The keys come back to the form, so a control's own arrows and Space no longer take them.
  if (ControlHasFocus()) form_->setFocus(Qt::TabFocusReason);
  lit_ = index;
  stop.light(true);
}

bool KeyHighlight::HandleKey(const QKeyEvent& key) {
  if (stops_.empty()) return false;
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const bool free = !ControlHasFocus();
  switch (key.key()) {
    case Qt::Key_Tab:
      GoTo(Next(key.modifiers() & Qt::ShiftModifier ? -1 : +1, true));
      return true;
    case Qt::Key_Backtab:
      GoTo(Next(-1, true));
      return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
      if (arrows_ != Arrows::All || !free) return false;
      GoTo(Next(key.key() == Qt::Key_Right ? +1 : -1, false));
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (arrows_ == Arrows::None || !free) return false;
      GoTo(Next(key.key() == Qt::Key_Down ? +1 : -1, false));
      return true;
    case Qt::Key_Space:
      // A held Space presses once.
      if (!free || lit_ < 0) return false;
      if (!key.isAutoRepeat()) PressLit();
      return true;
    default:
      return false;
  }
}

bool KeyHighlight::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      return HandleKey(*static_cast<QKeyEvent*>(event));
    case QEvent::Show:
      // A screen shows with nothing lit by the keys; the pointer lights what it enters.
      if (watched == form_) lit_ = -1;
      break;
    case QEvent::Hide:
      if (watched == form_) Unlight();
      break;
    case QEvent::Enter:
    case QEvent::Leave:
      for (size_t i = 0; i < stops_.size(); ++i) {
        if (stops_[i].widget != watched || !stops_[i].light) continue;
        const int index = static_cast<int>(i);
        if (event->type() == QEvent::Enter && lit_ != index) {
          Unlight();
          lit_ = index;
        } else if (event->type() == QEvent::Leave && lit_ == index) {
          lit_ = -1;
        }
      }
      break;
    default:
      break;
  }
  return false;
}

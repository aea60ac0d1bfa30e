// SPDX-License-Identifier: GPL-3.0-or-later
// KeyHighlight: a screen's one highlight over its buttons and links, moved by the arrow keys and
// Tab, shared with the pointer, with Space pressing what it lights.
#pragma once
#include <QObject>
#include <functional>
#include <vector>

class LinkLabel;
class QKeyEvent;
class QWidget;
class TVtxSpdButton;

class KeyHighlight : public QObject {
  Q_OBJECT
 public:
  // Which arrows move the highlight; the others keep the meaning the screen gives them.
  enum class Arrows { All, UpDown, None };

  // Watches the form's keys before the form does, and its showing and hiding.
  explicit KeyHighlight(QWidget* form, Arrows arrows = Arrows::All);

  // Stops in the order Tab visits them. A button or link is lit in its hover look; a control
  // with keys of its own is given the keyboard focus instead, and while it has the focus the
  // arrows and Space stay its own.
  void AddButton(TVtxSpdButton* button);
  void AddLink(LinkLabel* link);
  void AddControl(QWidget* control);

  // The lit button or link, by key or pointer; nullptr when none is.
  QWidget* Lit() const;
  // Presses the lit button or link; false when none is lit.
  bool PressLit();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Stop {
    QWidget* widget = nullptr;
    std::function<void(bool)> light;  // empty for a control
    std::function<void()> press;
  };

  bool HandleKey(const QKeyEvent& key);
  bool ControlHasFocus() const;
  bool Usable(const Stop& stop) const;
  // The next usable stop from the current one, forward or back, wrapping; controls only when
  // withControls. The first move from no stop reaches the first (or last) stop.
  int Next(int step, bool withControls) const;
  int CurrentStop() const;
  void GoTo(int index);
  void Unlight();
  void AddStop(Stop stop);

  QWidget* form_;
  Arrows arrows_;
  std::vector<Stop> stops_;
  int lit_ = -1;
};

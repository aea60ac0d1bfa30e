// SPDX-License-Identifier: GPL-3.0-or-later
// ScaledScreen: a screen that floats over the game, enlarged by the game world's whole factor
// while the game fills the screen, centred, its clicks and keys passed back to it.
#pragma once
#include <QObject>

class QDialog;
class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;
class QScreen;
class QWidget;

class ScaledScreen : public QObject {
  Q_OBJECT
 public:
  // form: a parentless window; its own code goes on showing, hiding and closing it.
  explicit ScaledScreen(QWidget* form);
  ~ScaledScreen() override;

  // Before the form shows: at a factor above 1 the form moves into a borderless window of its
  // size times factor, centred on screen (modal like the form when modal is set); at 1 it is
  // its own window again, centred on screen.
  void Place(int factor, QScreen* screen, bool modal);
  // Brings the enlarged window to the front with the keys; nothing when not enlarged.
  void Activate();
  int Factor() const { return factor_; }
  // The window showing the enlarged form, or nullptr while the form is its own window (always
  // so once it has hidden).
  QWidget* Host() const;

 signals:
  // The form has hidden, however its code hid it.
  void FormHidden();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Release();

  QWidget* form_;
  int factor_ = 1;
  QWidget* host_ = nullptr;  // owned here: deleted with this object
  QGraphicsView* view_ = nullptr;
  QGraphicsScene* scene_ = nullptr;
  QGraphicsProxyWidget* proxy_ = nullptr;
};

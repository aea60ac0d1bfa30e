// SPDX-License-Identifier: GPL-3.0-or-later
// TfmHelp: the help window, a resizable tool window showing the help page picture.
#pragma once
#include <QWidget>

struct AppContext;
class QLabel;

class TfmHelp : public QWidget {
  Q_OBJECT
 public:
  explicit TfmHelp(AppContext& app, QWidget* parent = nullptr);

  // Shows the window centred, or brings it to the front when it is already open.
  void ShowHelp();
  // The keys of the menus and of play, shown under the help page.
  static QString KeysText();
  QLabel* KeysLabel() const { return keysText_; }

 protected:
  void moveEvent(QMoveEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Makes room under the page for the key line, measured once, at the first show.
  void FitKeyLine();

  bool shownBefore_ = false;
  bool keyLineFitted_ = false;
  bool snapping_ = false;
  QLabel* keysText_ = nullptr;
};

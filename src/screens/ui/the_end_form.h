// SPDX-License-Identifier: GPL-3.0-or-later
// TFmTheEnd: the closing picture after the last level, left only through its close area.
#pragma once
#include <QDialog>

struct AppContext;
class KeyHighlight;
class ScaledScreen;
class PictureBox;
class TVtxSpdButton;

class TFmTheEnd : public QDialog {
  Q_OBJECT
 public:
  explicit TFmTheEnd(AppContext& app, QWidget* parent = nullptr);

  // Centred and modal until the close area is clicked; in full screen enlarged like the other
  // screens that float over the game.
  void ShowModal();
  TVtxSpdButton* CloseArea() const { return closeArea_; }
  PictureBox* Picture() const { return picture_; }
  const KeyHighlight& Keys() const { return *keys_; }
  const ScaledScreen& Scaled() const { return *scaled_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void CloseAreaClick();

  AppContext& app_;
  PictureBox* picture_ = nullptr;
  TVtxSpdButton* closeArea_ = nullptr;
  bool closing_ = false;
  KeyHighlight* keys_ = nullptr;
  ScaledScreen* scaled_ = nullptr;
};

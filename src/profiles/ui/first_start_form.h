// SPDX-License-Identifier: GPL-3.0-or-later
// TFirstStart: asks a profile for its difficulty at its first START GAME.
#pragma once
#include <QDialog>
#include <string>

struct AppContext;
class KeyHighlight;
class TVtxSpdButton;

class TFirstStart : public QDialog {
  Q_OBJECT
 public:
  explicit TFirstStart(AppContext& app, QWidget* parent = nullptr);

  void ShowModal();
  // Writes the current profile's difficulty ("Easy", "Normal" or "Hard") and closes.
  void Choose(const std::string& difficulty);

  TVtxSpdButton* BtnEasy() const { return btnEasy_; }
  TVtxSpdButton* BtnNormal() const { return btnNormal_; }
  TVtxSpdButton* BtnHard() const { return btnHard_; }
  const KeyHighlight& Keys() const { return *keys_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  AppContext& app_;
  TVtxSpdButton* btnEasy_ = nullptr;
  TVtxSpdButton* btnNormal_ = nullptr;
  TVtxSpdButton* btnHard_ = nullptr;
  KeyHighlight* keys_ = nullptr;
};

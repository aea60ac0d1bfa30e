// SPDX-License-Identifier: GPL-3.0-or-later
// TFmPause: the panel that floats over a paused level with CONTINUE, RESTART and MAIN MENU.
#pragma once
#include <QWidget>
#include <memory>

struct AppContext;
class KeyHighlight;
class ScaledScreen;
class PictureBox;
class QLabel;
class Timer;
class TVtxSpdButton;

class TFmPause : public QWidget {
  Q_OBJECT
 public:
  explicit TFmPause(AppContext& app, QWidget* parent = nullptr);
  ~TFmPause() override;

  // Shows the screen on top, centred; showing arms the one-minute timer and plays its sound.
  void ShowPause();
  // The three ways out; each stops the timer before handing over to level play.
  void ContinueClick();
  void RestartClick();
  void MainMenuClick();

  TVtxSpdButton* BtnContinue() const { return btnContinue_; }
  TVtxSpdButton* BtnRestart() const { return btnRestart_; }
  TVtxSpdButton* BtnMainMenu() const { return btnMainMenu_; }
  PictureBox* Picture() const { return picture_; }
  QLabel* Title() const { return title_; }
  const Timer& Timer1() const { return *timer1_; }
  const KeyHighlight& Keys() const { return *keys_; }
  const ScaledScreen& Scaled() const { return *scaled_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void FormShow();
  void Timer1Timer();

  AppContext& app_;
  std::unique_ptr<Timer> timer1_;
  PictureBox* picture_ = nullptr;
  QLabel* title_ = nullptr;
  TVtxSpdButton* btnRestart_ = nullptr;
  TVtxSpdButton* btnContinue_ = nullptr;
  TVtxSpdButton* btnMainMenu_ = nullptr;
  KeyHighlight* keys_ = nullptr;
  ScaledScreen* scaled_ = nullptr;
};

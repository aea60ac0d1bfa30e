// SPDX-License-Identifier: GPL-3.0-or-later
// TFmScore: the results screen shown modally when a level's script is exhausted.
#pragma once
#include <QDialog>
#include <memory>

struct AppContext;
class KeyHighlight;
class ScaledScreen;
class QLabel;
class QTableWidget;
class Results;
class TVtxSpdButton;

class TFmScore : public QDialog {
  Q_OBJECT
 public:
  explicit TFmScore(AppContext& app, QWidget* parent = nullptr);
  ~TFmScore() override;

  // Works out and shows the results (the show handler), then runs modally until one of the three
  // buttons closes the screen, enlarged in full screen. Close requests from the window system
  // are refused.
  void ShowModal();
  // The show handler alone: what ShowModal does before it waits.
  void FormShow();

  void ContinueClick();
  void TryAgainClick();
  void MainMenuClick();

  const Results* ResultsState() const { return results_.get(); }
  TVtxSpdButton* BtnContinue() const { return btnContinue_; }
  TVtxSpdButton* BtnTryAgain() const { return btnTryAgain_; }
  TVtxSpdButton* BtnMainMenu() const { return btnMainMenu_; }
  // The results table, made at its first use.
  QTableWidget* ScoreList();
  QLabel* LbLevel() const { return lbLevel_; }
  QLabel* Label2() const { return label2_; }
  QLabel* LbNeeded() const { return lbNeeded_; }
  const KeyHighlight& Keys() const { return *keys_; }
  const ScaledScreen& Scaled() const { return *scaled_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void CloseWith(int result);
  void FillTable();

  AppContext& app_;
  std::unique_ptr<Results> results_;
  bool closing_ = false;
  QLabel* lbLevel_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* lbNeeded_ = nullptr;
  QTableWidget* scoreList_ = nullptr;
  QLabel* title_ = nullptr;
  TVtxSpdButton* btnContinue_ = nullptr;
  TVtxSpdButton* btnTryAgain_ = nullptr;
  TVtxSpdButton* btnMainMenu_ = nullptr;
  KeyHighlight* keys_ = nullptr;
  ScaledScreen* scaled_ = nullptr;
};

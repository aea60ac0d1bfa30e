// SPDX-License-Identifier: GPL-3.0-or-later
// TfmPracticeResults: the screen after a drill: each key's mastery before and after, a key that
// joined, the next review dates; Enter practises again, Esc returns to the main menu.
#pragma once
#include <QWidget>

struct AppContext;
struct PracticeResultView;
class KeyHighlight;
class ScaledScreen;
class TVtxSpdButton;

class TfmPracticeResults : public QWidget {
  Q_OBJECT
 public:
  explicit TfmPracticeResults(AppContext& app, QWidget* parent = nullptr);
  ~TfmPracticeResults() override;

  // Shows the results of the drill just played, over the game screen.
  void ShowResults();

  void AgainClick();
  void MainMenuClick();

  // What the screen draws; null before the first drill has ended.
  const PracticeResultView* View() const;
  // Where the bars of a key are drawn (before, after); empty for a key not shown.
  QRect BeforeBarRect(const std::string& position) const;
  QRect AfterBarRect(const std::string& position) const;
  // The texts as drawn: a key's next review, the joined key's line, the reviews' line.
  QString ReviewText(const std::string& position) const;
  QString JoinedText() const;
  QString ReviewsText() const;
  // The drill in counts: hits and misses, then townsfolk shot, enemies lost and the accuracy.
  QString CountsText() const;
  QString OutcomeText() const;
  // The line of words per minute, shown once drills carry word waves; empty while none is measured.
  QString WordsPerMinuteText() const;
  // The word waves' accuracy beside it; empty when no letter was typed in a word wave.
  QString WordAccuracyText() const;

  TVtxSpdButton* BtnAgain() const { return btnAgain_; }
  TVtxSpdButton* BtnMainMenu() const { return btnMainMenu_; }
  const KeyHighlight& Keys() const { return *keys_; }
  const ScaledScreen& Scaled() const { return *scaled_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  AppContext& app_;
  TVtxSpdButton* btnAgain_ = nullptr;
  TVtxSpdButton* btnMainMenu_ = nullptr;
  KeyHighlight* keys_ = nullptr;
  ScaledScreen* scaled_ = nullptr;
};

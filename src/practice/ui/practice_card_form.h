// SPDX-License-Identifier: GPL-3.0-or-later
// TfmPracticeCard: the card before a drill's first wave: the focus key, a key that has just
// joined with the finger that types it, the keys due for review, keys left out on this
// keyboard, each key's mastery, and the target reaction with + and -.
#pragma once
#include <QWidget>

struct AppContext;
struct PracticeCardView;
enum class SpeedTarget;
class KeyHighlight;
class ScaledScreen;
class TVtxSpdButton;

class TfmPracticeCard : public QWidget {
  Q_OBJECT
 public:
  explicit TfmPracticeCard(AppContext& app, QWidget* parent = nullptr);
  ~TfmPracticeCard() override;

  // Shows the card of the drill the practice flow has composed, over the game screen.
  void ShowCard();

  void StartClick();
  void BackClick();
  // + (steps > 0) or - of one of the targets.
  void TargetClick(SpeedTarget which, int steps);

  // What the card draws; null while no drill is composed.
  const PracticeCardView* View() const;
  // Where the bar of a key's mastery is drawn; empty for a key not on the card.
  QRect BarRect(const std::string& position) const;
  // Where the small keyboard draws a position.
  QRect KeyboardKeyRect(const std::string& position) const;
  // The texts of the card, as drawn: the target line, the new key's line, the left-out notice.
  QString TargetText() const;
  // Why the focus key is the focus: its accuracy and median over its recent chances.
  QString FocusReasonText() const;
  QString TypingTargetText() const;
  // One line on what the two targets are and what + and - do.
  QString TargetHelpText() const;
  // The warning that the focus key's recent times are far slower than the targets; empty when not.
  QString FarFromTargetText() const;
  QString NewKeyText() const;
  QString LeftOutText() const;
  QString DueText() const;
  // Said when the drill's words are English because the player's language has no list here, or
  // made up because no list is installed, with the package that brings real words.
  QString WordsNoticeText() const;

  TVtxSpdButton* BtnStart() const { return btnStart_; }
  TVtxSpdButton* BtnBack() const { return btnBack_; }
  TVtxSpdButton* BtnSlower() const { return btnSlower_; }
  TVtxSpdButton* BtnFaster() const { return btnFaster_; }
  TVtxSpdButton* BtnTypingSlower() const { return btnTypingSlower_; }
  TVtxSpdButton* BtnTypingFaster() const { return btnTypingFaster_; }
  const KeyHighlight& Keys() const { return *keys_; }
  const ScaledScreen& Scaled() const { return *scaled_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  AppContext& app_;
  TVtxSpdButton* btnStart_ = nullptr;
  TVtxSpdButton* btnBack_ = nullptr;
  TVtxSpdButton* btnSlower_ = nullptr;
  TVtxSpdButton* btnFaster_ = nullptr;
  TVtxSpdButton* btnTypingSlower_ = nullptr;
  TVtxSpdButton* btnTypingFaster_ = nullptr;
  KeyHighlight* keys_ = nullptr;
  ScaledScreen* scaled_ = nullptr;
};

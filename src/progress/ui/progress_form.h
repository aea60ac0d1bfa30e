// SPDX-License-Identifier: GPL-3.0-or-later
// TfmProgress: the progress screen of the current profile: the keyboard coloured by accuracy,
// the keys to practise, the chart of finished runs and the totals.
#pragma once
#include "platform/key_table.h"
#include "progress/progress_view.h"

#include <QDialog>
#include <QPixmap>
#include <QRect>
#include <optional>
#include <string>
#include <vector>

class TextBoxPainter;

struct AppContext;
class KeyHighlight;
class ProgressWordsPage;
class TVtxSpdButton;

class TfmProgress : public QDialog {
  Q_OBJECT
 public:
  explicit TfmProgress(AppContext& app, QWidget* parent = nullptr);

  // Reads the current profile's records anew, then runs modally until Esc, Enter or OK.
  void ShowModal();
  // What ShowModal does before it waits.
  void FormShow();
  // Shows the chart of one level (0: all levels).
  void SetLevelFilter(int32_t level);

  const ProgressView& View() const { return view_; }
  // Where a key's tile is drawn; empty for a key the picture does not hold.
  QRect KeyRect(const std::string& key) const;
  static QColor AccuracyColor(int percent);
  TVtxSpdButton* BtnOk() const { return btnOk_; }
  TVtxSpdButton* BtnPractice() const { return btnPractice_; }
  // Whether the screen was left by PRACTICE (Enter): the caller then begins practice.
  bool PracticeChosen() const { return practiceChosen_; }
  const KeyHighlight& Keys() const { return *keys_; }
  // The screen's pages: 1 the keys and runs, 2 the words (Page Down and Page Up turn them).
  void ShowPage(int page);
  int Page() const { return page_; }
  ProgressWordsPage* WordsPage() const { return wordsPage_; }
  TVtxSpdButton* BtnPage() const { return btnPage_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void PaintKeyboard(TextBoxPainter& p);
  void PaintPractise(TextBoxPainter& p);
  void PaintChart(TextBoxPainter& p);
  void PaintTotals(TextBoxPainter& p);

  AppContext& app_;
  QPixmap background_;
  ProgressData data_;
  std::optional<KeyTable> layout_;  // the player's layout when the screen showed, if readable
  std::vector<std::string> taught_;
  ProgressView view_;
  TVtxSpdButton* btnOk_ = nullptr;
  TVtxSpdButton* btnPractice_ = nullptr;
  bool practiceChosen_ = false;
  TVtxSpdButton* btnPrevious_ = nullptr;
  TVtxSpdButton* btnNext_ = nullptr;
  KeyHighlight* keys_ = nullptr;
  ProgressWordsPage* wordsPage_ = nullptr;
  TVtxSpdButton* btnPage_ = nullptr;
  int page_ = 1;
};

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

  // Someone else's records, shown read only (a pupil's hand-in, a class's keys): no PRACTICE or
  // HAND IN, the heading naming whose they are.
  struct ReadOnlyRecords {
    QString heading;                 // in place of "Drifter: <profile>"; shown as plain text
    ProgressData data;               // runs, totals and words; its chances are not read
    std::vector<KeyStats> keys;      // each key's figures, by position
    std::optional<KeyTable> layout;  // names the keys; none: their US names
    bool runsAndTotals = true;       // false: the keyboard and the keys to practise only
    QString note;                    // shown where the runs would be, when they are not
  };

  // Reads the current profile's records anew, then runs modally until Esc, Enter or OK.
  void ShowModal();
  // Shows records read elsewhere, read only, modally until Esc, Enter or OK.
  void ShowReadOnly(ReadOnlyRecords records);
  bool ReadOnly() const { return readOnly_.has_value(); }
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
  TVtxSpdButton* BtnHandIn() const { return btnHandIn_; }
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
  void ShowButtons();

  AppContext& app_;
  QPixmap background_;
  ProgressData data_;
  std::optional<KeyTable> layout_;  // the player's layout when the screen showed, if readable
  std::vector<std::string> taught_;
  ProgressView view_;
  TVtxSpdButton* btnOk_ = nullptr;
  TVtxSpdButton* btnPractice_ = nullptr;
  TVtxSpdButton* btnHandIn_ = nullptr;
  bool practiceChosen_ = false;
  std::optional<ReadOnlyRecords> readOnly_;
  TVtxSpdButton* btnPrevious_ = nullptr;
  TVtxSpdButton* btnNext_ = nullptr;
  KeyHighlight* keys_ = nullptr;
  ProgressWordsPage* wordsPage_ = nullptr;
  TVtxSpdButton* btnPage_ = nullptr;
  int page_ = 1;
};

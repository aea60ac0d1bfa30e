// SPDX-License-Identifier: GPL-3.0-or-later
// The progress screen's second page: the words-per-minute chart of the practice runs with word
// waves and the pairs of letters to practise.
#pragma once
#include "progress/progress_words_view.h"

#include <QWidget>

class TextBoxPainter;

class ProgressWordsPage : public QWidget {
  Q_OBJECT
 public:
  // Lies over the progress screen between its heading and its OK button; draws on the screen's
  // own background.
  explicit ProgressWordsPage(QWidget* parent);

  void SetView(ProgressWordsView view);
  // Whether the board of letter pairs shows (records read from elsewhere hold none).
  void SetPairsShown(bool shown);
  const ProgressWordsView& View() const { return view_; }
  // Where the chart draws, in the page's pixels, and the point of run i of the chart.
  static QRect PlotArea();
  QPointF PointOf(size_t i) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintChart(TextBoxPainter& p);
  void PaintPairs(TextBoxPainter& p);
  ProgressWordsView view_;
  bool pairsShown_ = true;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The progress screen's second page: words per minute per practice run and the pairs to practise.
#include "progress/ui/progress_words_widget.h"

#include "platform/qt/qt_translations.h"
#include "progress/progress_view.h"
#include "widgets/qt_fonts.h"
#include "widgets/qt_text_box_painter.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {
// The page lies at (0, kTop) of the 640 by 480 screen.
constexpr int kTop = 70;
const QRect kChartBox{16, 8, 400, 360};
const QRect kPlot{56, 48, 344, 240};
const QRect kPairsBox{432, 8, 192, 360};

// The progress screen's boards and colours.
const QColor kBoard{38, 24, 14, 215};
const QColor kBrass{0xD9, 0xA9, 0x4B};
const QColor kParchment{0xF0, 0xE2, 0xC0};
const QColor kDim{0x9A, 0x8A, 0x70};
const QColor kDot{0x6F, 0xC2, 0x4A};

void Board(TextBoxPainter& p, const QRect& r, const QString& title) {
  p.setPen(QPen(kBrass, 1));
  p.setBrush(kBoard);
  p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  p.setFont(ArialFont(14));
  p.setPen(kBrass);
  p.drawText(r.adjusted(10, 5, -10, 0), Qt::AlignLeft | Qt::AlignTop, title);
}
}  // namespace

ProgressWordsPage::ProgressWordsPage(QWidget* parent) : QWidget(parent) {
  setGeometry(0, kTop, 640, 370);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ProgressWordsPage::SetView(ProgressWordsView view) {
  view_ = std::move(view);
  update();
}

void ProgressWordsPage::SetPairsShown(bool shown) {
  pairsShown_ = shown;
  update();
}

QRect ProgressWordsPage::PlotArea() { return kPlot; }

QPointF ProgressWordsPage::PointOf(size_t i) const {
  const std::vector<WordChartPoint>& points = view_.chart;
  const double x = points.size() <= 1 ? kPlot.center().x()
                                      : kPlot.left() + 4 + (kPlot.width() - 8) * double(i) / double(points.size() - 1);
  const double top = std::max(view_.chartTop, 1);
  const double wpm = i < points.size() ? std::clamp(points[i].wordsPerMinute, 0.0, top) : 0.0;
  return QPointF(x, kPlot.bottom() - kPlot.height() * wpm / top);
}

void ProgressWordsPage::paintEvent(QPaintEvent*) {
  TextBoxPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  PaintChart(p);
  if (pairsShown_) PaintPairs(p);
}

void ProgressWordsPage::PaintChart(TextBoxPainter& p) {
  Board(p, kChartBox, tr("Words per minute"));
  const std::vector<WordChartPoint>& points = view_.chart;
  if (points.empty()) {
    p.setFont(ArialFont(12, false));
    p.setPen(kParchment);
    p.drawText(kPlot.adjusted(10, 0, -10, -kPlot.height() / 2), Qt::AlignCenter | Qt::TextWordWrap,
               tr("No practice with words yet. Words come once you practise enough keys."));
    return;
  }
  const int top = std::max(view_.chartTop, 10);
  const int step = top <= 40 ? 5 : 10 * ((top + 49) / 50);
  p.setFont(ArialFont(9, false));
  for (int wpm = 0; wpm <= top; wpm += step) {
    const int y = kPlot.bottom() - kPlot.height() * wpm / top;
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawLine(kPlot.left(), y, kPlot.right(), y);
    p.setPen(kDim);
    p.drawText(QRect(kPlot.left() - 34, y - 7, 30, 14), Qt::AlignRight | Qt::AlignVCenter, QString::number(wpm));
  }
  QPainterPath line;
  for (size_t i = 0; i < points.size(); ++i) {
    if (i == 0) line.moveTo(PointOf(i));
    else line.lineTo(PointOf(i));
  }
  p.setPen(QPen(QColor(0xF0, 0xE2, 0xC0, 150), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(line);
  const double radius = points.size() > 120 ? 1.6 : 2.8;
  p.setPen(Qt::NoPen);
  p.setBrush(kDot);
  for (size_t i = 0; i < points.size(); ++i) p.drawEllipse(PointOf(i), radius, radius);

  p.setFont(ArialFont(10, false));
  p.setPen(kDim);
  p.drawText(QRect(kPlot.left(), kPlot.bottom() + 4, 120, 14), Qt::AlignLeft | Qt::AlignVCenter,
             StampDateText(points.front().startedAt));
  p.drawText(QRect(kPlot.right() - 120, kPlot.bottom() + 4, 120, 14), Qt::AlignRight | Qt::AlignVCenter,
             StampDateText(points.back().startedAt));
  p.drawText(QRect(kPlot.left(), kPlot.bottom() + 4, kPlot.width(), 14), Qt::AlignCenter,
             points.size() == 1 ? tr("1 drill") : tr("%1 drills").arg(points.size()));
  const WordChartPoint& last = points.back();
  p.setFont(ArialFont(12, false));
  p.setPen(kParchment);
  // Two lines' room: some languages say it at length.
  p.drawText(QRect(kChartBox.left() + 12, kPlot.bottom() + 24, kChartBox.width() - 24, 40),
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
             tr("Last drill: %1 words per minute, %2 of letters right")
                 .arg(QLocale(UiLanguageCode()).toString(last.wordsPerMinute, 'f', 1), PercentText(last.accuracyPercent)));
}

void ProgressWordsPage::PaintPairs(TextBoxPainter& p) {
  Board(p, kPairsBox, tr("Pairs to practise"));
  const QRect inner = kPairsBox.adjusted(12, 32, -12, -10);
  if (view_.pairs.empty()) {
    p.setFont(ArialFont(12, false));
    p.setPen(kParchment);
    p.drawText(inner.adjusted(0, 0, 0, -inner.height() / 2), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               view_.pairsMeasured ? tr("No letter pair is much slower than your others.")
                                   : tr("Type more words to find the letter pairs that slow you down."));
    return;
  }
  int y = inner.top();
  for (const PairLine& pair : view_.pairs) {
    p.setFont(ArialFont(18));
    p.setPen(look::kYellow);
    p.drawText(QRect(inner.left(), y, inner.width(), 26), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString(pair.from).toUpper() + QStringLiteral(" \u2192 ") +
                   QString::fromStdString(pair.to).toUpper());
    p.setFont(ArialFont(11, false));
    p.setPen(kParchment);
    p.drawText(QRect(inner.left(), y + 26, inner.width(), 16), Qt::AlignLeft | Qt::AlignVCenter,
               tr("%1 ms, typed %2 times").arg(pair.medianMs).arg(pair.samples));
    y += 52;
  }
}

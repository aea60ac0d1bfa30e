// SPDX-License-Identifier: GPL-3.0-or-later
// TfmProgress: the progress screen of the current profile: the keyboard coloured by accuracy,
// the keys to practise, the chart of finished runs and the totals.
#include "progress/ui/progress_form.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

#include "core/app_context.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "platform/keyboard_layout.h"
#include "platform/qt/qt_translations.h"
#include "core/button_sound.h"
#include "progress/accuracy_scale.h"
#include "progress/progress_recorder.h"
#include "progress/ui/progress_words_widget.h"
#include "progress/taught_keys.h"
#include "widgets/hover_button_widget.h"
#include "widgets/qt_fonts.h"
#include "widgets/qt_key_highlight.h"
#include "widgets/qt_text_box_painter.h"
#include "core/result_arithmetic.h"

namespace {
constexpr int kWidth = 640;
constexpr int kHeight = 480;
// The keyboard: tiles of kKey by kKeyHeight, each row shifted right by kRowShift.
constexpr QPoint kKeyboardAt{24, 78};
constexpr int kKey = 30;
constexpr int kKeyHeight = 32;
constexpr int kKeyGap = 3;
constexpr int kRowShift = 12;
const QRect kPractiseBox{432, 56, 192, 176};
const QRect kChartBox{16, 250, 440, 180};
const QRect kPlotArea{52, 282, 392, 124};
const QRect kTotalsBox{472, 250, 152, 180};
const QRect kFaultLine{16, 444, 400, 25};  // beside PRACTICE and OK: why records are missing

const QColor kBoard{38, 24, 14, 215};
const QColor kBrass{0xD9, 0xA9, 0x4B};
const QColor kParchment{0xF0, 0xE2, 0xC0};
const QColor kDim{0x9A, 0x8A, 0x70};
const QColor kUnrated{kTooFewTriesColour.r, kTooFewTriesColour.g, kTooFewTriesColour.b};
const QColor kUntaught{0x4A, 0x3C, 0x30};
const QColor kPracticeColour{0x78, 0xB8, 0xE8};  // practice runs on the chart

void Board(TextBoxPainter& p, const QRect& r, const QString& title) {
  p.setPen(QPen(kBrass, 1));
  p.setBrush(kBoard);
  p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  if (title.isEmpty()) return;
  p.setFont(ArialFont(14));
  p.setPen(kBrass);
  p.drawText(r.adjusted(10, 5, -10, 0), Qt::AlignLeft | Qt::AlignTop, title);
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

// The lines the progress view gives when the file cannot be read (all or part of it).
[[maybe_unused]] constexpr const char* kFaultLines[] = {
    QT_TRANSLATE_NOOP("TfmProgress", "Cannot read Progress.db: a newer version of the game made it."),
    QT_TRANSLATE_NOOP("TfmProgress", "Cannot read Progress.db: part of it is missing."),
    QT_TRANSLATE_NOOP("TfmProgress", "Cannot read all of Progress.db."),
    QT_TRANSLATE_NOOP("TfmProgress", "Updating your progress records…"),
    QT_TRANSLATE_NOOP("TfmProgress", "Your progress records are open on another computer.")};

// The screen's planks and brass frame, drawn here while the generated picture is not built in.
QPixmap PaintedBackground() {
  QPixmap picture(kWidth, kHeight);
  QPainter p(&picture);
  for (int y = 0, plank = 0; y < kHeight; y += 22, ++plank) {
    const int shade = 44 + (plank * 37) % 11;
    QLinearGradient grain(0, y, kWidth, y);
    grain.setColorAt(0, QColor(shade, shade * 6 / 10, shade * 35 / 100));
    grain.setColorAt(0.5, QColor(shade + 8, (shade + 8) * 6 / 10, (shade + 8) * 35 / 100));
    grain.setColorAt(1, QColor(shade - 4, (shade - 4) * 6 / 10, (shade - 4) * 35 / 100));
    p.fillRect(0, y, kWidth, 22, grain);
    p.setPen(QColor(16, 9, 5));
    p.drawLine(0, y, kWidth, y);
  }
  QRadialGradient vignette(kWidth / 2.0, kHeight / 2.0, kWidth * 0.65);
  vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
  vignette.setColorAt(1, QColor(0, 0, 0, 140));
  p.fillRect(0, 0, kWidth, kHeight, vignette);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(20, 12, 6), 1.5));
  p.setBrush(QColor(70, 44, 26));
  p.drawRect(QRectF(220, 8, 200, 34));
  p.setPen(QPen(kBrass, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(223, 11, 194, 28));
  p.drawRect(QRectF(1.5, 1.5, kWidth - 3, kHeight - 3));
  p.setPen(QPen(kBrass.darker(160), 1));
  p.drawRect(QRectF(4.5, 4.5, kWidth - 9, kHeight - 9));
  return picture;
}
}  // namespace

TfmProgress::TfmProgress(AppContext& app, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), app_(app) {
  setFixedSize(kWidth, kHeight);
  setModal(true);
  setWindowTitle(tr("Progress"));
  btnPrevious_ = MakeHoverButton(this, QStringLiteral("<"), {150, 256, 24, 20}, {.fontPx = 14, .color = kBrass});
  btnNext_ = MakeHoverButton(this, QStringLiteral(">"), {272, 256, 24, 20}, {.fontPx = 14, .color = kBrass});
  btnOk_ = MakeHoverButton(this, QStringLiteral("OK"), {560, 444, 64, 25}, {.fontPx = 16});
  btnPractice_ = MakeHoverButton(this, tr("PRACTICE"), {424, 444, 128, 25}, {.fontPx = 16, .color = kBrass});
  // For a school without a class folder: the hand-in goes where the player chooses.
  btnHandIn_ = MakeHoverButton(this, tr("HAND IN"), {16, 14, 108, 22}, {.fontPx = 14, .color = kBrass});
  connect(btnHandIn_, &QAbstractButton::clicked, this, [this] {
    PlayButtonSound(app_.shared, app_.services);
    app_.calls.HandIn();
  });
  connect(btnPractice_, &QAbstractButton::clicked, this, [this] {
    PlayButtonSound(app_.shared, app_.services);
    practiceChosen_ = true;
    accept();
  });
  connect(btnPrevious_, &QAbstractButton::clicked, this,
          [this] { SetLevelFilter(NextLevelFilter(view_.levelFilter, -1, app_.shared.lastLevel)); });
  connect(btnNext_, &QAbstractButton::clicked, this,
          [this] { SetLevelFilter(NextLevelFilter(view_.levelFilter, +1, app_.shared.lastLevel)); });
  connect(btnOk_, &QAbstractButton::clicked, this, [this] {
    PlayButtonSound(app_.shared, app_.services);
    accept();
  });
  wordsPage_ = new ProgressWordsPage(this);
  wordsPage_->hide();
  btnPage_ = MakeHoverButton(this, tr("Words ▸"), {516, 14, 108, 22}, {.fontPx = 14, .color = kBrass});
  connect(btnPage_, &QAbstractButton::clicked, this, [this] { ShowPage(page_ == 1 ? 2 : 1); });
  // Left and Right choose the chart's level; the other arrows and Tab move the highlight.
  keys_ = new KeyHighlight(this, KeyHighlight::Arrows::UpDown);
  for (TVtxSpdButton* b : {btnPrevious_, btnNext_, btnPractice_, btnOk_, btnPage_, btnHandIn_}) keys_->AddButton(b);
  setFocusPolicy(Qt::StrongFocus);
}

void TfmProgress::ShowModal() {
  practiceChosen_ = false;
  readOnly_.reset();
  FormShow();
  CentreOnScreen(this);
  exec();
}

void TfmProgress::ShowReadOnly(ReadOnlyRecords records) {
  practiceChosen_ = false;
  readOnly_ = std::move(records);
  layout_ = readOnly_->layout;
  taught_ = TaughtKeys(app_.shared.appDir, app_.shared.lastLevel, layout_ ? &*layout_ : nullptr);
  data_ = readOnly_->data;
  wordsPage_->SetView(MakeProgressWordsView(data_, layout_ ? &*layout_ : nullptr));
  wordsPage_->SetPairsShown(false);
  SetLevelFilter(0);
  ShowPage(1);
  CentreOnScreen(this);
  exec();
  readOnly_.reset();
}

void TfmProgress::FormShow() {
  wordsPage_->SetPairsShown(true);
  // The levels and the layout are read when the screen shows, as a level designer may have
  // changed the one and the player switched the other; the keys are drawn where they sit on
  // the player's keyboard, named by what they type there, as the shots were recorded.
  layout_ = app_.services.keyboard ? app_.services.keyboard->ActiveTable() : std::nullopt;
  taught_ = TaughtKeys(app_.shared.appDir, app_.shared.lastLevel, layout_ ? &*layout_ : nullptr);
  data_ = app_.shared.progress ? app_.shared.progress->Load(app_.shared.currentPlayer) : ProgressData{};
  wordsPage_->SetView(MakeProgressWordsView(data_, layout_ ? &*layout_ : nullptr));
  SetLevelFilter(0);
  // Records being brought up to date on their worker are read again once they are, on the
  // page the player is looking at.
  if (data_.fault == ProgressFault::kUpdating) {
    QTimer::singleShot(250, this, [this] {
      if (!isVisible()) return;
      const int page = page_;
      FormShow();
      ShowPage(page);
    });
  }
  ShowPage(1);
}

void TfmProgress::ShowPage(int page) {
  page_ = page == 2 && (!readOnly_ || readOnly_->runsAndTotals) ? 2 : 1;
  wordsPage_->setVisible(page_ == 2);
  btnPage_->setText(page_ == 1 ? tr("Words ▸") : tr("◂ Keys"));
  ShowButtons();
  update();
}

void TfmProgress::ShowButtons() {
  const bool runs = !readOnly_ || readOnly_->runsAndTotals;
  btnPrevious_->setVisible(page_ == 1 && runs);
  btnNext_->setVisible(page_ == 1 && runs);
  btnPage_->setVisible(runs);
  btnPractice_->setVisible(!readOnly_);
  btnHandIn_->setVisible(!readOnly_);
}

void TfmProgress::SetLevelFilter(int32_t level) {
  const KeyTable* layout = layout_ ? &*layout_ : nullptr;
  view_ = readOnly_ ? MakeProgressViewOfStats(readOnly_->keys, data_, taught_, level, layout)
                    : MakeProgressView(data_, taught_, level, layout);
  update();
}

QRect TfmProgress::KeyRect(const std::string& key) const {
  for (const KeyTile& tile : view_.tiles) {
    if (tile.key != key) continue;
    return QRect(kKeyboardAt.x() + tile.row * kRowShift + tile.column * (kKey + kKeyGap),
                 kKeyboardAt.y() + tile.row * (kKeyHeight + kKeyGap), kKey, kKeyHeight);
  }
  return {};
}

QColor TfmProgress::AccuracyColor(int percent) {
  // Half or less is the dark end; the scale spreads over 50 to 100, where the differences a
  // learner makes lie.
  const Rgb c = AccuracyScaleColour(percent);
  return QColor(c.r, c.g, c.b);
}

void TfmProgress::paintEvent(QPaintEvent*) {
  // Decoded when first drawn, not at start-up.
  if (background_.isNull()) background_ = QPixmap(QStringLiteral(":/pictures/progress_background.png"));
  if (background_.isNull()) background_ = PaintedBackground();
  TextBoxPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.drawPixmap(0, 0, background_);
  p.setFont(ArialFont(21));
  p.setPen(look::kWhite);
  p.drawText(QRect(220, 8, 200, 34), Qt::AlignCenter, tr("Progress"));
  p.setFont(ArialFont(16, true, true));
  p.setPen(look::kSilver);
  const QString heading = readOnly_ ? readOnly_->heading : tr("Drifter: %1").arg(Text(app_.shared.currentPlayer));
  p.drawText(QRect(16, 48, 400, 22), Qt::AlignLeft | Qt::AlignVCenter,
             p.fontMetrics().elidedText(heading, Qt::ElideRight, 400));
  // The words page draws itself over the background.
  if (page_ == 1) {
    PaintKeyboard(p);
    PaintPractise(p);
    if (!readOnly_ || readOnly_->runsAndTotals) {
      PaintChart(p);
      PaintTotals(p);
    } else if (!readOnly_->note.isEmpty()) {
      const QRect noteBox = kChartBox.united(kTotalsBox);
      Board(p, noteBox, QString());
      p.setFont(ArialFont(12, false));
      p.setPen(kParchment);
      p.drawText(noteBox.adjusted(14, 12, -14, -12), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                 readOnly_->note);
    }
  }
  if (!view_.faultText.empty()) {
    p.setFont(ArialFont(12));
    p.setPen(look::kYellow);
    p.drawText(kFaultLine, Qt::AlignLeft | Qt::AlignVCenter, TranslatedText("TfmProgress", view_.faultText));
  }
}

void TfmProgress::PaintKeyboard(TextBoxPainter& p) {
  const QFont keyFont = ArialFont(14);
  const QFont msFont = ArialFont(8, false);
  const QFont percentFont = ArialFont(9);
  for (const KeyTile& tile : view_.tiles) {
    const QRect r = KeyRect(tile.key);
    QColor fill = kUntaught;
    if (tile.taught) fill = tile.rated ? AccuracyColor(tile.accuracyPercent) : kUnrated;
    p.setPen(QPen(tile.taught ? QColor(20, 12, 6) : QColor(70, 56, 44), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    QColor ink = tile.taught ? look::kBlack : kDim;
    if (tile.taught && tile.rated) {
      const Rgb text = TextColourOn(AccuracyScaleColour(tile.accuracyPercent));
      ink = QColor(text.r, text.g, text.b);
    }
    p.setPen(ink);
    p.setFont(keyFont);
    // A rated key also carries its accuracy as a number, so it reads without its colour.
    const bool percentShown = tile.taught && tile.rated;
    p.drawText(r.adjusted(0, 1, 0, percentShown ? -17 : -12), Qt::AlignCenter, Text(tile.key));
    if (percentShown) {
      p.setFont(percentFont);
      p.drawText(QRect(r.left(), r.top() + 13, r.width(), 10), Qt::AlignCenter,
                 PercentText(tile.accuracyPercent));
    }
    if (tile.taught && !tile.reactionText.empty()) {
      p.setFont(msFont);
      p.drawText(r.adjusted(0, 0, 0, -1), Qt::AlignHCenter | Qt::AlignBottom, Text(tile.reactionText));
    }
  }
  // The legend, under the keys.
  const int top = kKeyboardAt.y() + 4 * (kKeyHeight + kKeyGap) + 4;
  int x = kKeyboardAt.x();
  p.setFont(ArialFont(10, false));
  const struct {
    QColor colour;
    QString text;
  } legend[] = {{AccuracyColor(50), tr("50% or less")}, {AccuracyColor(75), PercentText(75)},
                {AccuracyColor(100), PercentText(100)}, {kUnrated, tr("under 10 tries")}};
  for (const auto& entry : legend) {
    p.setPen(Qt::NoPen);
    p.setBrush(entry.colour);
    p.drawRoundedRect(QRectF(x, top, 12, 12), 2, 2);
    p.setPen(kParchment);
    const QString& text = entry.text;
    p.drawText(QRect(x + 16, top - 2, 120, 16), Qt::AlignLeft | Qt::AlignVCenter, text);
    x += 16 + p.fontMetrics().horizontalAdvance(text) + 14;
  }
  p.drawText(QRect(kKeyboardAt.x(), top + 14, 400, 16), Qt::AlignLeft | Qt::AlignVCenter,
             tr("Hits of the last 200 tries at each key; small number: median reaction in ms"));
}

void TfmProgress::PaintPractise(TextBoxPainter& p) {
  Board(p, kPractiseBox, tr("Keys to practise"));
  const QRect inner = kPractiseBox.adjusted(12, 30, -8, -8);
  if (view_.practiseLines.empty()) {
    p.setFont(ArialFont(11, false));
    p.setPen(kParchment);
    p.drawText(inner, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               tr("Keys show here once each has had 10 tries. Play a few levels!"));
    return;
  }
  int y = inner.top();
  for (size_t i = 0; i < view_.practiseLines.size(); ++i) {
    const std::string& line = view_.practiseLines[i];
    // The key big, its figures beside it.
    const size_t cut = line.find("   ");
    const QString key = Text(line.substr(0, cut));
    QString figures = cut == std::string::npos ? QString() : Text(line.substr(cut + 3));
    // "62%" and "31 of 50": the rules write them in English.
    static const QRegularExpression percent(QStringLiteral("(\\d+)%"));
    const QRegularExpressionMatch share = percent.match(figures);
    if (share.hasMatch())
      figures.replace(share.capturedStart(), share.capturedLength(), PercentText(share.captured(1).toLongLong()));
    static const QRegularExpression hitsOfChances(QStringLiteral("(\\d+) of (\\d+)"));
    const QRegularExpressionMatch hits = hitsOfChances.match(figures);
    if (hits.hasMatch())
      figures.replace(hits.capturedStart(), hits.capturedLength(),
                      tr("%1 of %2").arg(hits.captured(1), hits.captured(2)));
    // The key's time from one letter of a word to the next, apart from its reaction.
    static const QRegularExpression typing(QStringLiteral("typing (\\d+) ms"));
    const QRegularExpressionMatch typed = typing.match(figures);
    if (typed.hasMatch())
      figures.replace(typed.capturedStart(), typed.capturedLength(), tr("typing %1 ms").arg(typed.captured(1)));
    p.setFont(ArialFont(18));
    p.setPen(look::kYellow);
    p.drawText(QRect(inner.left(), y, 26, 26), Qt::AlignCenter, key);
    // The figures in 12 pixels, smaller where a language's words or large numbers need it.
    const QRect box(inner.left() + 32, y, inner.width() - 32, 26);
    p.setFont(FontFitting(ArialFont(12, false), figures, box.width()));
    p.setPen(kParchment);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, figures);
    y += 28;
  }
}

void TfmProgress::PaintChart(TextBoxPainter& p) {
  Board(p, kChartBox, tr("Runs"));
  p.setFont(ArialFont(13));
  p.setPen(kParchment);
  p.drawText(QRect(176, 256, 94, 20), Qt::AlignCenter,
             view_.levelFilter == 0 ? tr("All levels") : tr("Level %1").arg(view_.levelFilter));

  const QRect plot = kPlotArea;
  p.setFont(ArialFont(9, false));
  for (int percent = 0; percent <= 100; percent += 20) {
    const int y = plot.bottom() - plot.height() * percent / 100;
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawLine(plot.left(), y, plot.right(), y);
    p.setPen(kDim);
    p.drawText(QRect(plot.left() - 34, y - 7, 30, 14), Qt::AlignRight | Qt::AlignVCenter,
               PercentText(percent));
  }
  const int passY = plot.bottom() - plot.height() * kPassPercent / 100;
  p.setPen(QPen(kBrass, 1.5, Qt::DashLine));
  p.drawLine(plot.left(), passY, plot.right(), passY);
  p.setPen(kBrass);
  p.drawText(QRect(plot.right() - 60, passY - 15, 60, 14), Qt::AlignRight | Qt::AlignVCenter,
             tr("60% pass"));

  const std::vector<ChartPoint>& points = view_.chart;
  if (points.empty()) {
    p.setFont(ArialFont(12, false));
    p.setPen(kParchment);
    p.drawText(plot.adjusted(0, 0, 0, -76), Qt::AlignCenter, tr("No finished runs yet"));
    return;
  }
  // Runs in the order they were played, spread over the width.
  const auto pointAt = [&](size_t i) {
    const double x = points.size() == 1 ? plot.center().x()
                                        : plot.left() + 4 + (plot.width() - 8) * double(i) / double(points.size() - 1);
    const int percent = std::clamp(points[i].percent, 0, 100);
    return QPointF(x, plot.bottom() - plot.height() * percent / 100.0);
  };
  // The line joins the levels' runs; practice runs stand apart on it as diamonds.
  QPainterPath line;
  bool started = false;
  for (size_t i = 0; i < points.size(); ++i) {
    if (points[i].level == 0) continue;
    if (!started) line.moveTo(pointAt(i));
    else line.lineTo(pointAt(i));
    started = true;
  }
  p.setPen(QPen(QColor(0xF0, 0xE2, 0xC0, 150), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(line);
  const double radius = points.size() > 120 ? 1.6 : 2.8;
  // Passed runs are filled dots, failed ones rings: the shape tells them apart without colour.
  bool anyPractice = false;
  for (size_t i = 0; i < points.size(); ++i) {
    if (points[i].level == 0) {
      anyPractice = true;
      const QPointF c = pointAt(i);
      const double d = radius + 1;
      p.setPen(Qt::NoPen);
      p.setBrush(kPracticeColour);
      p.drawPolygon(QPolygonF({c + QPointF(0, -d), c + QPointF(d, 0), c + QPointF(0, d), c + QPointF(-d, 0)}));
      continue;
    }
    if (points[i].passed) {
      p.setPen(Qt::NoPen);
      p.setBrush(AccuracyColor(100));
    } else {
      p.setPen(QPen(AccuracyColor(75), 1.2));
      p.setBrush(kBoard);
    }
    p.drawEllipse(pointAt(i), radius, radius);
  }
  p.setFont(ArialFont(10, false));
  if (anyPractice) {
    p.setPen(kPracticeColour);
    p.drawText(QRect(plot.left() + 4, plot.top() - 2, 200, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("\u25C6 ") + tr("practice"));
  }
  p.setPen(kDim);
  p.drawText(QRect(plot.left(), plot.bottom() + 4, 120, 14), Qt::AlignLeft | Qt::AlignVCenter,
             StampDateText(points.front().startedAt));
  p.drawText(QRect(plot.right() - 120, plot.bottom() + 4, 120, 14), Qt::AlignRight | Qt::AlignVCenter,
             StampDateText(points.back().startedAt));
  p.drawText(QRect(plot.left(), plot.bottom() + 4, plot.width(), 14), Qt::AlignCenter,
             (points.size() == 1 ? tr("1 run") : tr("%1 runs").arg(points.size())));
}

void TfmProgress::PaintTotals(TextBoxPainter& p) {
  Board(p, kTotalsBox, tr("Totals"));
  const struct {
    const char* label;
    const std::string& value;
  } rows[] = {{QT_TR_NOOP("Time played"), view_.playedText},
              {QT_TR_NOOP("Runs"), view_.runsText},
              {QT_TR_NOOP("Levels passed"), view_.levelsPassedText},
              {QT_TR_NOOP("Best streak"), view_.bestStreakText}};
  int y = kTotalsBox.top() + 30;
  for (const auto& row : rows) {
    p.setFont(ArialFont(11, false));
    p.setPen(kDim);
    p.drawText(QRect(kTotalsBox.left() + 12, y, 130, 14), Qt::AlignLeft | Qt::AlignVCenter,
               tr(row.label));
    p.setFont(ArialFont(16));
    p.setPen(kParchment);
    p.drawText(QRect(kTotalsBox.left() + 12, y + 14, 130, 20), Qt::AlignLeft | Qt::AlignVCenter, Text(row.value));
    y += 34;
  }
  p.setFont(ArialFont(9, false));
  p.setPen(kDim);
  p.drawText(QRect(kTotalsBox.left() + 12, kTotalsBox.bottom() - 14, 136, 12), Qt::AlignLeft | Qt::AlignVCenter,
             tr("streak: passed runs in a row"));
}

void TfmProgress::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      btnOk_->click();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      (readOnly_ ? btnOk_ : btnPractice_)->click();
      return;
    case Qt::Key_Left:
      if (page_ == 1) btnPrevious_->click();
      return;
    case Qt::Key_Right:
      if (page_ == 1) btnNext_->click();
      return;
    case Qt::Key_PageDown:
      ShowPage(readOnly_ && !readOnly_->runsAndTotals ? 1 : 2);
      return;
    case Qt::Key_PageUp:
      ShowPage(1);
      return;
    default:
      event->ignore();
  }
}

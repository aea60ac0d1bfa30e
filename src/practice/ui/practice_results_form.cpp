// SPDX-License-Identifier: GPL-3.0-or-later
// TfmPracticeResults: the screen after a drill.
#include "practice/ui/practice_results_form.h"

#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <algorithm>

#include "core/app_context.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "platform/qt/qt_translations.h"
#include "practice/practice_session.h"
#include "practice/ui/qt_practice_drawing.h"
#include "practice/ui/qt_practice_flow.h"
#include "core/button_sound.h"
#include "widgets/hover_button_widget.h"
#include "widgets/qt_fonts.h"
#include "widgets/qt_key_highlight.h"
#include "widgets/qt_scaled_screen.h"
#include "widgets/qt_text_box_painter.h"

namespace {
constexpr int kWidth = 560;
constexpr int kHeight = 420;
const QRect kTitleLine{0, 8, kWidth, 28};
// What the drill gave: hits and misses, then townsfolk shot, enemies lost and the accuracy.
const QRect kCountsLine{24, 36, 512, 16};
const QRect kOutcomeLine{24, 52, 512, 16};
const QRect kKeysArea{24, 84, 512, 236};
constexpr int kColumns = 2;
constexpr int kBarWidth = 64;
const QRect kJoinedLine{24, 324, 512, 18};
const QRect kReviewsLine{24, 344, 512, 18};
// Words per minute and word accuracy of the drill's word waves, when it had any.
const QRect kWordsPerMinuteLine{24, 364, 250, 18};
const QRect kWordAccuracyLine{286, 364, 250, 18};

struct Row {
  QRect letter, before, after, review;
};

Row RowOf(size_t i, size_t count) {
  const size_t perColumn = std::max<size_t>(1, (count + kColumns - 1) / kColumns);
  const int height = std::min(24, kKeysArea.height() / static_cast<int>(perColumn));
  const int columnWidth = kKeysArea.width() / kColumns;
  const int left = kKeysArea.left() + static_cast<int>(i / perColumn) * columnWidth;
  const int top = kKeysArea.top() + static_cast<int>(i % perColumn) * height;
  const int barHeight = std::max(4, std::min(10, height - 6));
  const int barTop = top + (height - barHeight) / 2;
  return Row{
      QRect(left, top, 20, height), QRect(left + 24, barTop, kBarWidth, barHeight),
      QRect(left + 24 + kBarWidth + 6, barTop, kBarWidth, barHeight),
      QRect(left + 24 + 2 * kBarWidth + 14, top, columnWidth - 24 - 2 * kBarWidth - 18, height)};
}
}  // namespace

TfmPracticeResults::TfmPracticeResults(AppContext& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), app_(app) {
  setFixedSize(kWidth, kHeight);
  setWindowTitle(tr("Practice results"));
  btnMainMenu_ = MakeHoverButton(this, tr("MAIN MENU"), {24, 388, 150, 25}, {.fontPx = 16});
  btnAgain_ = MakeHoverButton(this, tr("PRACTISE AGAIN"), {346, 388, 190, 25},
                              {.fontPx = 16, .color = practice_look::kBrass});
  connect(btnAgain_, &QAbstractButton::clicked, this, [this] { AgainClick(); });
  connect(btnMainMenu_, &QAbstractButton::clicked, this, [this] { MainMenuClick(); });
  keys_ = new KeyHighlight(this);
  for (TVtxSpdButton* b : {btnMainMenu_, btnAgain_}) keys_->AddButton(b);
  scaled_ = new ScaledScreen(this);
  setFocusPolicy(Qt::StrongFocus);
}

TfmPracticeResults::~TfmPracticeResults() = default;

const PracticeResultView* TfmPracticeResults::View() const {
  const PracticeSession* session = app_.practice ? app_.practice->Session() : nullptr;
  return session ? &session->Results() : nullptr;
}

void TfmPracticeResults::ShowResults() {
  update();
  PracticeFlow::ShowOverGame(app_, this, *scaled_);
}

void TfmPracticeResults::AgainClick() {
  PlayButtonSound(app_.shared, app_.services);
  if (app_.practice) app_.practice->PractiseAgain();
}

void TfmPracticeResults::MainMenuClick() {
  PlayButtonSound(app_.shared, app_.services);
  if (app_.practice) app_.practice->ToMainMenu();
}

QRect TfmPracticeResults::BeforeBarRect(const std::string& position) const {
  const PracticeResultView* view = View();
  if (!view) return {};
  for (size_t i = 0; i < view->keys.size(); ++i) {
    if (view->keys[i].position == position) return RowOf(i, view->keys.size()).before;
  }
  return {};
}

QRect TfmPracticeResults::AfterBarRect(const std::string& position) const {
  const PracticeResultView* view = View();
  if (!view) return {};
  for (size_t i = 0; i < view->keys.size(); ++i) {
    if (view->keys[i].position == position) return RowOf(i, view->keys.size()).after;
  }
  return {};
}

QString TfmPracticeResults::ReviewText(const std::string& position) const {
  const PracticeResultView* view = View();
  if (!view) return {};
  for (const PracticeResultKey& key : view->keys) {
    if (key.position != position) continue;
    if (!key.nextReviewDay) return tr("learning");
    return DayNumberText(*key.nextReviewDay);
  }
  return {};
}

QString TfmPracticeResults::JoinedText() const {
  const PracticeResultView* view = View();
  if (!view || view->joinedTyped.empty()) return {};
  return tr("New key %1 joins your keys. Finger: %2")
      .arg(QString::fromStdString(view->joinedTyped), FingerText(view->joinedFinger));
}

QString TfmPracticeResults::ReviewsText() const {
  const PracticeResultView* view = View();
  if (!view) return {};
  const auto typed = [view](const std::vector<std::string>& positions) {
    QStringList names;
    for (const std::string& position : positions) {
      auto it = std::find_if(view->keys.begin(), view->keys.end(),
                             [&](const PracticeResultKey& k) { return k.position == position; });
      names << QString::fromStdString(it == view->keys.end() ? position : it->typed);
    }
    return names.join(QStringLiteral(" "));
  };
  QStringList parts;
  if (!view->events.reviewsPassed.empty())
    parts << tr("Reviews passed: %1").arg(typed(view->events.reviewsPassed));
  if (!view->events.reviewsFailed.empty())
    parts << tr("Reviews to practise again: %1").arg(typed(view->events.reviewsFailed));
  if (!view->events.mastered.empty())
    parts << tr("Mastered now: %1").arg(typed(view->events.mastered));
  return parts.join(QStringLiteral("   "));
}

QString TfmPracticeResults::CountsText() const {
  const PracticeResultView* view = View();
  if (!view) return {};
  return tr("Hits: %1   Misses: %2").arg(view->hits).arg(view->misses);
}

QString TfmPracticeResults::OutcomeText() const {
  const PracticeResultView* view = View();
  if (!view) return {};
  const std::optional<int> accuracy = view->AccuracyPercent();
  return tr("Townsfolk shot: %1   Enemies lost: %2   Accuracy: %3")
      .arg(view->townsfolkShot)
      .arg(view->enemiesLost)
      .arg(accuracy ? PercentText(*accuracy) : QStringLiteral("\u2013"));
}

QString TfmPracticeResults::WordsPerMinuteText() const {
  const PracticeResultView* view = View();
  if (!view || !view->wordsPerMinute) return {};
  return tr("Words per minute: %1").arg(QLocale(UiLanguageCode()).toString(*view->wordsPerMinute, 'f', 1));
}

QString TfmPracticeResults::WordAccuracyText() const {
  const PracticeResultView* view = View();
  if (!view || !view->wordAccuracy) return {};
  return tr("Letters right in words: %1").arg(PercentText(qRound(*view->wordAccuracy * 100)));
}

void TfmPracticeResults::paintEvent(QPaintEvent*) {
  TextBoxPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  PaintPracticeBoard(p, rect());
  p.setFont(ArialFont(21));
  p.setPen(look::kWhite);
  p.drawText(kTitleLine, Qt::AlignCenter, tr("Practice results"));
  const PracticeResultView* view = View();
  if (!view) return;
  p.setFont(ArialFont(12, false));
  p.setPen(practice_look::kParchment);
  p.drawText(kCountsLine, Qt::AlignCenter, CountsText());
  p.drawText(kOutcomeLine, Qt::AlignCenter, OutcomeText());

  // The headings over each column of keys.
  p.setFont(ArialFont(10));
  p.setPen(practice_look::kBrass);
  for (int c = 0; c < kColumns && static_cast<size_t>(c) < std::max<size_t>(view->keys.size(), 1);
       ++c) {
    const Row head = RowOf(static_cast<size_t>(c) * ((view->keys.size() + kColumns - 1) / kColumns),
                           view->keys.size());
    p.drawText(QRect(head.before.left(), 69, kBarWidth, 14), Qt::AlignLeft | Qt::AlignVCenter,
               tr("before"));
    p.drawText(QRect(head.after.left(), 69, kBarWidth, 14), Qt::AlignLeft | Qt::AlignVCenter,
               tr("after"));
    p.drawText(QRect(head.review.left(), 69, head.review.width() + 4, 14),
               Qt::AlignLeft | Qt::AlignVCenter, tr("next review"));
  }
  for (size_t i = 0; i < view->keys.size(); ++i) {
    const PracticeResultKey& key = view->keys[i];
    const Row row = RowOf(i, view->keys.size());
    p.setFont(ArialFont(std::min(16, row.letter.height())));
    p.setPen(practice_look::kParchment);
    p.drawText(row.letter, Qt::AlignCenter, QString::fromStdString(key.typed));
    PaintMasteryBar(p, row.before, key.before,
                    key.masteredBefore ? practice_look::kMastered.darker(150)
                                       : practice_look::kLearning.darker(150));
    PaintMasteryBar(p, row.after, key.after,
                    key.masteredAfter ? practice_look::kMastered : practice_look::kLearning);
    p.setFont(ArialFont(std::min(11, row.review.height()), false));
    p.setPen(key.nextReviewDay ? practice_look::kParchment : practice_look::kDim);
    p.drawText(row.review, Qt::AlignLeft | Qt::AlignVCenter, ReviewText(key.position));
  }
  p.setFont(ArialFont(12));
  p.setPen(look::kYellow);
  p.drawText(kJoinedLine, Qt::AlignLeft | Qt::AlignVCenter, JoinedText());
  p.setFont(ArialFont(12, false));
  p.setPen(practice_look::kParchment);
  p.drawText(kReviewsLine, Qt::AlignLeft | Qt::AlignVCenter, ReviewsText());
  p.drawText(kWordsPerMinuteLine, Qt::AlignLeft | Qt::AlignVCenter, WordsPerMinuteText());
  p.drawText(kWordAccuracyLine, Qt::AlignRight | Qt::AlignVCenter, WordAccuracyText());
}

void TfmPracticeResults::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_F11:
      if (!event->isAutoRepeat()) PracticeFlow::ToggleFullScreen(app_, this, *scaled_);
      return;
    case Qt::Key_Escape:
      btnMainMenu_->click();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      btnAgain_->click();
      return;
    default:
      event->ignore();
  }
}

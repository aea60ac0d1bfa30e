// SPDX-License-Identifier: GPL-3.0-or-later
// TfmPracticeCard: the card before a drill's first wave.
#include "practice/ui/practice_card_form.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/app_context.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "platform/keyboard_layout.h"
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
const QRect kFocusTile{24, 72, 52, 52};
const QRect kNewTile{104, 72, 52, 52};
const QRect kNewLine{164, 72, 190, 52};
// Under the tiles and the due keys, above the keyboard: why the focus key is the focus.
const QRect kFocusReason{24, 124, 512, 14};
const QRect kDueBox{376, 52, 160, 72};
const QPoint kKeyboardAt{24, 138};
const QRect kFingerLegend{376, 136, 160, 100};
const QRect kBarsArea{24, 264, 512, 72};
constexpr int kBarColumns = 6;
const QRect kTargetLine{24, 356, 220, 24};
// Right of the target and its buttons: where the words come from, when they are not real words of
// the player's language, and the package that brings them.
const QRect kWordsNotice{304, 354, 232, 30};
constexpr int kWordsNoticePx = 11;
// Below the bars, across the card: what the targets are and what + and - do.
const QRect kTargetHelp{24, 338, 512, 14};
// The typing target between BACK and START, its - and + right of it.
const QRect kTypingLine{150, 386, 200, 25};
// Above the target lines: the warning that the focus key's times are far from the targets.
const QRect kFarNotice{24, 324, 512, 16};

// The bars make room for the warning below them.
QRect BarsArea(bool far) {
  int bottom = kBarsArea.bottom();
  if (far) bottom = std::min(bottom, kFarNotice.top() - 2);
  return kBarsArea.adjusted(0, 0, 0, bottom - kBarsArea.bottom());
}

QString KeyList(const PracticeCardView& view, const std::vector<std::string>& positions) {
  QStringList typed;
  for (const std::string& position : positions) {
    const PracticeKeyView* key = view.Find(position);
    typed << QString::fromStdString(key ? key->typed : position);
  }
  return typed.join(QStringLiteral("  "));
}

SmallKeyboard CardKeyboard() { return SmallKeyboard{QRect(kKeyboardAt, QSize(340, 96))}; }

// The cell of the i-th key among count in the bars' grid: its letter, then its bar.
QRect BarCell(size_t i, size_t count, bool far) {
  const QRect area = BarsArea(far);
  const int rows = std::max<int>(1, static_cast<int>((count + kBarColumns - 1) / kBarColumns));
  const int rowHeight = std::min(20, area.height() / rows);
  const int cellWidth = area.width() / kBarColumns;
  const int column = static_cast<int>(i) % kBarColumns;
  const int row = static_cast<int>(i) / kBarColumns;
  return QRect(area.left() + column * cellWidth, area.top() + row * rowHeight, cellWidth - 8, rowHeight);
}

// Right of each bar: its score in percent.
constexpr int kBarNumberWidth = 24;

QRect BarOfCell(const QRect& cell) {
  const int barHeight = std::max(4, std::min(10, cell.height() - 6));
  return QRect(cell.left() + 20, cell.center().y() - barHeight / 2, cell.width() - 20 - kBarNumberWidth, barHeight);
}
}  // namespace

TfmPracticeCard::TfmPracticeCard(AppContext& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), app_(app) {
  setFixedSize(kWidth, kHeight);
  setWindowTitle(tr("Practice"));
  btnBack_ = MakeHoverButton(this, tr("BACK"), {24, 386, 120, 25}, {.fontPx = 16});
  btnStart_ = MakeHoverButton(this, tr("START"), {416, 386, 120, 25},
                              {.fontPx = 16, .color = practice_look::kBrass});
  btnSlower_ = MakeHoverButton(this, QStringLiteral("+"), {272, 356, 26, 24},
                               {.fontPx = 18, .color = practice_look::kBrass});
  btnFaster_ = MakeHoverButton(this, QStringLiteral("\u2212"), {244, 356, 26, 24},
                               {.fontPx = 18, .color = practice_look::kBrass});
  btnTypingSlower_ = MakeHoverButton(this, QStringLiteral("+"), {382, 386, 26, 24},
                                     {.fontPx = 18, .color = practice_look::kBrass});
  btnTypingFaster_ = MakeHoverButton(this, QStringLiteral("\u2212"), {354, 386, 26, 24},
                                     {.fontPx = 18, .color = practice_look::kBrass});
  connect(btnTypingSlower_, &QAbstractButton::clicked, this, [this] { TargetClick(SpeedTarget::Typing, +1); });
  connect(btnTypingFaster_, &QAbstractButton::clicked, this, [this] { TargetClick(SpeedTarget::Typing, -1); });
  connect(btnStart_, &QAbstractButton::clicked, this, [this] { StartClick(); });
  connect(btnBack_, &QAbstractButton::clicked, this, [this] { BackClick(); });
  connect(btnSlower_, &QAbstractButton::clicked, this, [this] { TargetClick(SpeedTarget::Reaction, +1); });
  connect(btnFaster_, &QAbstractButton::clicked, this, [this] { TargetClick(SpeedTarget::Reaction, -1); });
  keys_ = new KeyHighlight(this);
  for (TVtxSpdButton* b : {btnStart_, btnFaster_, btnSlower_, btnTypingFaster_, btnTypingSlower_, btnBack_})
    keys_->AddButton(b);
  scaled_ = new ScaledScreen(this);
  setFocusPolicy(Qt::StrongFocus);
}

TfmPracticeCard::~TfmPracticeCard() = default;

const PracticeCardView* TfmPracticeCard::View() const {
  const PracticeSession* session = app_.practice ? app_.practice->Session() : nullptr;
  return session && session->Drill() ? &session->Card() : nullptr;
}

void TfmPracticeCard::ShowCard() {
  update();
  PracticeFlow::ShowOverGame(app_, this, *scaled_);
}

void TfmPracticeCard::StartClick() {
  PlayButtonSound(app_.shared, app_.services);
  if (app_.practice) app_.practice->StartDrill();
}

void TfmPracticeCard::BackClick() {
  PlayButtonSound(app_.shared, app_.services);
  if (app_.practice) app_.practice->BackToProgress();
}

void TfmPracticeCard::TargetClick(SpeedTarget which, int steps) {
  if (app_.practice) app_.practice->ChangeTarget(which, steps);
  update();
}

QRect TfmPracticeCard::BarRect(const std::string& position) const {
  const PracticeCardView* view = View();
  if (!view) return {};
  for (size_t i = 0; i < view->keys.size(); ++i) {
    if (view->keys[i].position == position)
      return BarOfCell(BarCell(i, view->keys.size(), view->farFromTarget));
  }
  return {};
}

QRect TfmPracticeCard::KeyboardKeyRect(const std::string& position) const {
  return SmallKeyRect(CardKeyboard(), position);
}

QString TfmPracticeCard::TargetText() const {
  const PracticeCardView* view = View();
  return view ? tr("Target reaction: %1 ms").arg(view->targetMs) : QString();
}

QString TfmPracticeCard::FocusReasonText() const {
  const PracticeCardView* view = View();
  const PracticeKeyView* focus = view ? view->Find(view->focus) : nullptr;
  if (!focus) return {};
  const KeyMastery& m = focus->mastery;
  if (m.chances == 0) return tr("Focus: a key you have not tried yet");
  const QString right = tr("%1 of your last %2 right (%3)")
                            .arg(m.hits)
                            .arg(m.chances)
                            .arg(PercentText(qRound(100.0 * m.hits / m.chances)));
  QString median = tr("no hit yet");
  if (m.medianReactionMs && m.medianTypingMs)
    median = tr("median %1 ms, typing %2 ms").arg(*m.medianReactionMs).arg(*m.medianTypingMs);
  else if (m.medianReactionMs)
    median = tr("median %1 ms").arg(*m.medianReactionMs);
  else if (m.medianTypingMs)
    median = tr("typing %1 ms").arg(*m.medianTypingMs);
  return (focus->mastered ? tr("Focus, due for review: %1, %2") : tr("Focus, your weakest key: %1, %2")).arg(right, median);
}

QString TfmPracticeCard::TargetHelpText() const {
  return tr("Targets: your time to shoot a figure and to type each letter of a word. + more time, \u2212 less.");
}

QString TfmPracticeCard::TypingTargetText() const {
  const PracticeCardView* view = View();
  return view ? tr("Target typing: %1 ms").arg(view->typingTargetMs) : QString();
}

QString TfmPracticeCard::FarFromTargetText() const {
  const PracticeCardView* view = View();
  if (!view || !view->farFromTarget) return {};
  return tr("You are much slower than the target at this key. Try a slower target with +.");
}

QString TfmPracticeCard::NewKeyText() const {
  const PracticeCardView* view = View();
  if (!view || view->newKey.empty()) return tr("No new key this time");
  return tr("Finger: %1").arg(FingerText(view->newKeyFinger));
}

QString TfmPracticeCard::LeftOutText() const {
  const PracticeCardView* view = View();
  if (!view || view->leftOut.empty()) return {};
  QStringList keys;
  for (const LeftOutKey& key : view->leftOut) keys << QString::fromStdString(key.position);
  return tr("Left out on this keyboard: %1").arg(keys.join(QStringLiteral(" ")));
}

QString TfmPracticeCard::WordsNoticeText() const {
  const PracticeCardView* view = View();
  if (!view) return {};
  const QString package = QString::fromStdString(view->wordPackage);
  if (view->madeUpWords)
    return tr("No word list is installed: the words are made up of your keys. Real words come with the package %1.")
        .arg(package);
  if (view->englishWords)
    return tr("No word list of your language is installed (package %1): the words are English.").arg(package);
  return {};
}

QString TfmPracticeCard::DueText() const {
  const PracticeCardView* view = View();
  if (!view || view->due.empty()) return tr("none");
  return KeyList(*view, view->due);
}

void TfmPracticeCard::paintEvent(QPaintEvent*) {
  TextBoxPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  PaintPracticeBoard(p, rect());
  p.setFont(ArialFont(21));
  p.setPen(look::kWhite);
  p.drawText(QRect(0, 12, kWidth, 30), Qt::AlignCenter, tr("Practice"));
  const PracticeCardView* view = View();
  if (!view) return;

  auto heading = [&p](const QRect& r, const QString& text) {
    p.setFont(ArialFont(13));
    p.setPen(practice_look::kBrass);
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
  };
  auto tile = [&p](const QRect& r, const QString& letter, const QColor& fill) {
    p.setPen(QPen(QColor(20, 12, 6), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.setFont(ArialFont(30));
    p.setPen(look::kBlack);
    p.drawText(r, Qt::AlignCenter, letter);
  };
  const PracticeKeyView* focus = view->Find(view->focus);
  // As wide as the tile and a gap: the new key's heading starts at 104.
  heading(QRect(24, 50, 72, 20), tr("Focus key"));
  if (focus) tile(kFocusTile, QString::fromStdString(focus->typed), look::kYellow);
  heading(QRect(104, 50, 200, 20), tr("New key"));
  const PracticeKeyView* newKey = view->Find(view->newKey);
  if (newKey)
    tile(kNewTile, QString::fromStdString(newKey->typed), FingerColour(view->newKeyFinger));
  p.setFont(ArialFont(10, false));
  p.setPen(practice_look::kParchment);
  p.drawText(kFocusReason, Qt::AlignLeft | Qt::AlignVCenter, FocusReasonText());
  p.setFont(ArialFont(12, false));
  p.drawText(newKey ? kNewLine : kNewLine.adjusted(-60, 0, 0, 0),
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, NewKeyText());

  heading(QRect(kDueBox.left(), kDueBox.top() - 2, kDueBox.width(), 20), tr("Due for review"));
  p.setFont(ArialFont(16));
  p.setPen(practice_look::kParchment);
  p.drawText(kDueBox.adjusted(0, 20, 0, -28), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             DueText());

  // The keyboard, the new key marked and its finger's zone shown in the legend beside it.
  std::vector<std::string> set;
  for (const PracticeKeyView& key : view->keys) set.push_back(key.position);
  const std::optional<KeyTable> layout =
      app_.services.keyboard ? app_.services.keyboard->ActiveTable() : std::optional<KeyTable>();
  PaintSmallKeyboard(p, CardKeyboard(), layout ? &*layout : nullptr, set, view->newKey);
  p.setFont(ArialFont(10, false));
  for (int f = 0; f < kFingerCount; ++f) {
    const Finger finger = static_cast<Finger>(f);
    const QRect line(kFingerLegend.left(), kFingerLegend.top() + f * 12, kFingerLegend.width(), 12);
    p.setPen(Qt::NoPen);
    p.setBrush(FingerColour(finger));
    p.drawRect(QRect(line.left(), line.top() + 2, 9, 9));
    p.setPen(finger == view->newKeyFinger && !view->newKey.empty() ? look::kWhite
                                                                   : practice_look::kParchment);
    p.drawText(line.adjusted(14, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, FingerText(finger));
  }
  const QString leftOut = LeftOutText();
  if (!leftOut.isEmpty()) {
    p.setFont(ArialFont(10, false));
    p.setPen(look::kYellow);
    p.drawText(QRect(24, 238, 512, 14), Qt::AlignLeft | Qt::AlignVCenter, leftOut);
  }

  heading(QRect(24, 248, 300, 16), tr("Your keys: mastery"));
  const QString words = WordsNoticeText();
  for (size_t i = 0; i < view->keys.size(); ++i) {
    const PracticeKeyView& key = view->keys[i];
    const QRect cell = BarCell(i, view->keys.size(), view->farFromTarget);
    p.setFont(ArialFont(std::min(14, cell.height())));
    p.setPen(key.position == view->focus ? look::kYellow : practice_look::kParchment);
    p.drawText(QRect(cell.left(), cell.top(), 18, cell.height()), Qt::AlignCenter,
               QString::fromStdString(key.typed));
    const QRect bar = BarOfCell(cell);
    PaintMasteryBar(p, bar, key.mastery.score, key.mastered ? practice_look::kMastered : practice_look::kLearning);
    p.setFont(ArialFont(std::min(10, cell.height()), false));
    p.setPen(practice_look::kParchment);
    p.drawText(QRect(bar.right() + 2, cell.top(), kBarNumberWidth - 2, cell.height()), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(std::lround(std::clamp(key.mastery.score, 0.0, 1.0) * 100)));
  }
  p.setFont(ArialFont(13));
  p.setPen(practice_look::kParchment);
  p.drawText(kTargetLine, Qt::AlignLeft | Qt::AlignVCenter, TargetText());
  // The lines below in sizes that fit their boxes in every language.
  p.setFont(FontFitting(ArialFont(13), TypingTargetText(), kTypingLine.width()));
  p.drawText(kTypingLine, Qt::AlignRight | Qt::AlignVCenter, TypingTargetText());
  const QString far = FarFromTargetText();
  if (!far.isEmpty()) {
    p.setFont(FontFitting(ArialFont(12, false), far, kFarNotice.width()));
    p.setPen(look::kYellow);
    p.drawText(kFarNotice, Qt::AlignLeft | Qt::AlignVCenter, far);
  }
  p.setFont(FontFitting(ArialFont(11, false), TargetHelpText(), kTargetHelp.width(), 8));
  p.setPen(practice_look::kParchment);
  p.drawText(kTargetHelp, Qt::AlignLeft | Qt::AlignVCenter, TargetHelpText());
  if (!words.isEmpty()) {
    // Two lines in every language: smaller where a translation needs it.
    const int flags = Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap;
    p.setFont(FontFittingBox(ArialFont(kWordsNoticePx, false), words, kWordsNotice, flags, 8));
    p.setPen(look::kYellow);
    p.drawText(kWordsNotice, flags, words);
  }
}

void TfmPracticeCard::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_F11:
      if (!event->isAutoRepeat()) PracticeFlow::ToggleFullScreen(app_, this, *scaled_);
      return;
    case Qt::Key_Escape:
      btnBack_->click();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      btnStart_->click();
      return;
    case Qt::Key_Plus:
      btnSlower_->click();
      return;
    case Qt::Key_Minus:
      btnFaster_->click();
      return;
    default:
      break;
  }
  // + and - wherever the layout has them, and the US + key without Shift.
  if (event->text() == QStringLiteral("+") || event->text() == QStringLiteral("=")) {
    btnSlower_->click();
    return;
  }
  if (event->text() == QStringLiteral("-")) {
    btnFaster_->click();
    return;
  }
  event->ignore();
}

void TfmPracticeCard::mousePressEvent(QMouseEvent* event) {
  // A click anywhere on the card starts; its buttons take their own clicks.
  if (event->button() == Qt::LeftButton) btnStart_->click();
}

// The second press of a double-click belongs to the same click.
void TfmPracticeCard::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

// SPDX-License-Identifier: GPL-3.0-or-later
// TFmScore: the results screen shown modally when a level's script is exhausted.
#include "screens/ui/score_form.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>
#include <iterator>

#include "core/app_context.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "platform/game_error.h"
#include "platform/qt/qt_translations.h"
#include "widgets/hover_button_widget.h"
#include "widgets/picture_box_widget.h"
#include "widgets/qt_fonts.h"
#include "widgets/qt_key_highlight.h"
#include "level/ui/floating_screens.h"
#include "widgets/qt_scaled_screen.h"
#include "screens/results.h"

namespace {
constexpr int kColumnWidths[5] = {83, 47, 49, 45, 51};
constexpr int kRowHeight = 24;
// The table's headings, as the rules name them.
[[maybe_unused]] constexpr const char* kHeadingTexts[] = {
    QT_TRANSLATE_NOOP("TFmScore", "Name"), QT_TRANSLATE_NOOP("TFmScore", "Point"),
    QT_TRANSLATE_NOOP("TFmScore", "Miss"), QT_TRANSLATE_NOOP("TFmScore", "Civilian")};

// Cells as the toolkit's text grid draws them: two pixels in, centred down, cut at the cell's
// edge rather than shortened with an ellipsis.
class GridCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    painter->save();
    painter->setClipRect(option.rect);
    painter->setFont(option.font);
    painter->setPen(option.palette.color(QPalette::Text));
    painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data().toString());
    painter->restore();
  }
};

// "Bob  57%" with the percentage as the screens' language writes it.
QString PlayerLineText(const std::string& english) {
  static const QRegularExpression percent(QStringLiteral("(-?\\d+)%$"));
  QString line = QString::fromStdString(english);
  const QRegularExpressionMatch match = percent.match(line);
  if (match.hasMatch())
    line.replace(match.capturedStart(), match.capturedLength(), PercentText(match.captured(1).toLongLong()));
  return line;
}

}  // namespace

TFmScore::TFmScore(AppContext& app, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), app_(app) {
  setFixedSize(315, 325);
  setModal(true);
  auto* background =
      new PictureBox(ScreenPicture(QStringLiteral("score_background.png"), 315, 325), true, this);
  background->setGeometry(0, 0, 315, 325);

  title_ = MakeLabel(this, tr("Score"), 127, 16, ArialFont(21), look::kWhite);
  lbLevel_ = MakeLabel(this, QString(), 136, 40, ArialFont(16), look::kWhite);
  label2_ = MakeLabel(this, QString(), 9, 56, ArialFont(16), look::kSilver);
  label2_->setTextFormat(Qt::PlainText);  // it names the profile: shown as typed, never as markup

  lbNeeded_ = MakeLabel(this, tr("Take more 60%"), 8, 248, ArialFont(16), look::kRed);

  btnContinue_ = MakeHoverButton(this, tr("CONTINUE"), {8, 280, 90, 25}, {.oldColor = look::kWhite});
  btnTryAgain_ = MakeHoverButton(this, tr("TRY AGAIN"), {112, 280, 90, 25}, {.oldColor = look::kBlack});
  btnMainMenu_ = MakeHoverButton(this, tr("MAIN MENU"), {216, 280, 90, 25}, {.oldColor = look::kBlack});
  connect(btnContinue_, &QAbstractButton::clicked, this, [this] { ContinueClick(); });
  connect(btnTryAgain_, &QAbstractButton::clicked, this, [this] { TryAgainClick(); });
  connect(btnMainMenu_, &QAbstractButton::clicked, this, [this] { MainMenuClick(); });
  keys_ = new KeyHighlight(this);
  for (TVtxSpdButton* b : {btnContinue_, btnTryAgain_, btnMainMenu_}) keys_->AddButton(b);
  scaled_ = new ScaledScreen(this);
  setFocusPolicy(Qt::StrongFocus);
}

TFmScore::~TFmScore() = default;

void TFmScore::ShowModal() {
  FormShow();
  closing_ = false;
  ShowFloatingModal(app_, *scaled_, *this);
}

void TFmScore::FormShow() {
  results_ = std::make_unique<Results>(app_.shared, app_.services, *app_.level);
  const ResultsView& view = results_->Show();
  // Another language's title is centred where the English one's centre is, on the title board.
  if (title_->text() != QStringLiteral("Score")) {
    title_->adjustSize();
    const int centre = 127 + title_->fontMetrics().horizontalAdvance(QStringLiteral("Score")) / 2;
    title_->move(centre - title_->width() / 2, 16);
  }
  lbLevel_->setText(TranslatedLevelText(view.levelName));
  lbLevel_->adjustSize();
  label2_->setText(PlayerLineText(view.playerLine));
  label2_->adjustSize();
  FillTable();
  lbNeeded_->setVisible(!view.passed);
  btnContinue_->setEnabled(view.passed);
  if (!view.writeError.empty()) app_.services.messages.Show(view.writeError);
}

QTableWidget* TFmScore::ScoreList() {
  // Made when first needed: a table measures its headings in the default font when it is made,
  // and loading that font is no part of bringing up the main menu.
  if (scoreList_ != nullptr) return scoreList_;
  scoreList_ = new QTableWidget(1, 5, this);
  scoreList_->setGeometry(8, 88, 297, 137);
  scoreList_->horizontalHeader()->hide();
  scoreList_->verticalHeader()->hide();
  scoreList_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  scoreList_->verticalHeader()->setMinimumSectionSize(kRowHeight);
  // A heading another language makes wider than its column widens it; the name column, whose
  // names are cut at the cell's edge anyway, gives up the room.
  int widths[5];
  std::copy(std::begin(kColumnWidths), std::end(kColumnWidths), widths);
  const QFontMetrics headings(ArialFont(13));
  for (int c = 1; c < 5; ++c) {
    const int needed = headings.horizontalAdvance(TranslatedText("TFmScore", kResultHeadings[c])) + 4;
    if (needed > widths[c]) {
      widths[0] -= needed - widths[c];
      widths[c] = needed;
    }
  }
  for (int c = 0; c < 5; ++c) scoreList_->setColumnWidth(c, widths[c]);
  scoreList_->setShowGrid(false);
  scoreList_->setFrameShape(QFrame::NoFrame);
  scoreList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scoreList_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  scoreList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  scoreList_->setSelectionMode(QAbstractItemView::NoSelection);
  scoreList_->setFocusPolicy(Qt::NoFocus);
  scoreList_->setWordWrap(false);
  scoreList_->setItemDelegate(new GridCellDelegate(scoreList_));
  scoreList_->setFont(ArialFont(13));
  QPalette palette = scoreList_->palette();
  palette.setColor(QPalette::Base, look::kBlack);
  palette.setColor(QPalette::Window, look::kBlack);
  palette.setColor(QPalette::Text, look::kWhite);
  scoreList_->setPalette(palette);
  // The heading row is an ordinary first row, written once.
  for (int c = 0; c < 5; ++c)
    scoreList_->setItem(0, c, new QTableWidgetItem(TranslatedText("TFmScore", kResultHeadings[c])));
  scoreList_->show();
  return scoreList_;
}

void TFmScore::FillTable() {
  ScoreList();
  const std::vector<ResultRow>& rows = results_->View().rows;
  scoreList_->setRowCount(static_cast<int>(rows.size()) + 1);
  for (size_t r = 0; r < rows.size(); ++r)
    for (int c = 0; c < 5; ++c)
      scoreList_->setItem(static_cast<int>(r) + 1, c,
                          new QTableWidgetItem(QString::fromStdString(rows[r][c])));
  scoreList_->scrollToTop();
}

void TFmScore::ContinueClick() {
  if (!results_) return;
  try {
    results_->Continue();
  } catch (const GameError& e) {
    app_.services.messages.Show(e.what());
    return;
  }
  CloseWith(QDialog::Accepted);
}

void TFmScore::TryAgainClick() {
  if (!results_) return;
  try {
    results_->TryAgain();
  } catch (const GameError& e) {
    app_.services.messages.Show(e.what());
    return;
  }
  CloseWith(QDialog::Rejected);
}

void TFmScore::MainMenuClick() {
  if (!results_) return;
  try {
    results_->MainMenu();
  } catch (const GameError& e) {
    app_.services.messages.Show(e.what());
    return;
  }
  CloseWith(QDialog::Accepted);
}

void TFmScore::CloseWith(int result) {
  closing_ = true;
  done(result);
}

void TFmScore::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      btnMainMenu_->click();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (btnContinue_->isEnabled())
        btnContinue_->click();
      else
        btnTryAgain_->click();
      return;
    default:
      event->ignore();
  }
}

void TFmScore::closeEvent(QCloseEvent* event) {
  // Only the three buttons lead on: level play reads their decision when the screen closes.
  if (closing_)
    event->accept();
  else
    event->ignore();
}

void TFmScore::reject() {
  if (closing_) QDialog::reject();
}

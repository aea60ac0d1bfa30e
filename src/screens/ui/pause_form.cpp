// SPDX-License-Identifier: GPL-3.0-or-later
// TFmPause: the panel that floats over a paused level with CONTINUE, RESTART and MAIN MENU.
#include "screens/ui/pause_form.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "core/app_context.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "level/level_play.h"
#include "platform/timer_service.h"
#include "core/button_sound.h"
#include "widgets/hover_button_widget.h"
#include "widgets/picture_box_widget.h"
#include "widgets/qt_fonts.h"
#include "widgets/qt_key_highlight.h"
#include "level/ui/floating_screens.h"
#include "widgets/qt_scaled_screen.h"

namespace {
constexpr int kPauseHowlMs = 60000;

}  // namespace

TFmPause::TFmPause(AppContext& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), app_(app) {
  setFixedSize(218, 211);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, look::kBlack);
  setPalette(palette);

  picture_ = new PictureBox(ScreenPicture(QStringLiteral("pause.png"), 216, 209), true, this);
  picture_->setGeometry(1, 1, 216, 209);
  picture_->OnClick = [this] { ContinueClick(); };
  title_ = MakeLabel(this, tr("PAUSE"), 72, 8, ArialFont(19), look::kWhite);

  btnRestart_ = MakeHoverButton(this, tr("RESTART"), {60, 149, 97, 22});
  btnContinue_ = MakeHoverButton(this, tr("CONTINUE"), {8, 184, 97, 22});
  btnMainMenu_ = MakeHoverButton(this, tr("MAIN MENU"), {112, 184, 97, 22});
  connect(btnRestart_, &QAbstractButton::clicked, this, [this] { RestartClick(); });
  connect(btnContinue_, &QAbstractButton::clicked, this, [this] { ContinueClick(); });
  connect(btnMainMenu_, &QAbstractButton::clicked, this, [this] { MainMenuClick(); });

  timer1_ = app_.services.timers.CreateTimer(kPauseHowlMs, [this] { Timer1Timer(); });
  keys_ = new KeyHighlight(this);
  for (TVtxSpdButton* b : {btnRestart_, btnContinue_, btnMainMenu_}) keys_->AddButton(b);
  scaled_ = new ScaledScreen(this);
  setFocusPolicy(Qt::StrongFocus);
}

TFmPause::~TFmPause() = default;

void TFmPause::ShowPause() {
  PlaceFloatingScreen(app_, *scaled_);
  show();
  raise();
  activateWindow();
  setFocus();
  scaled_->Activate();
}

void TFmPause::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TFmPause::FormShow() {
  timer1_->SetEnabled(true);
  PlayScreenSound(app_.shared, app_.services, "fx_1422.wav");
}

void TFmPause::Timer1Timer() {
  PlayScreenSound(app_.shared, app_.services, "wolfhowl01.wav");
  timer1_->SetEnabled(false);
}

void TFmPause::ContinueClick() {
  PlayButtonSound(app_.shared, app_.services);
  timer1_->SetEnabled(false);
  app_.level->SetPaused(false, true);
}

void TFmPause::RestartClick() {
  PlayButtonSound(app_.shared, app_.services);
  timer1_->SetEnabled(false);
  app_.level->RestartLevel();
}

void TFmPause::MainMenuClick() {
  PlayButtonSound(app_.shared, app_.services);
  timer1_->SetEnabled(false);
  app_.level->QuitToMenu();
}

void TFmPause::keyPressEvent(QKeyEvent* event) {
  // A held Escape continues once: its repeats would pause and continue by turns.
  if (event->isAutoRepeat()) {
    event->accept();
    return;
  }
  switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      btnContinue_->click();
      return;
    default:
      event->ignore();
  }
}

void TFmPause::paintEvent(QPaintEvent*) {
  // The panel's raised one-pixel bevel around the picture.
  QPainter painter(this);
  const QRect box = rect();
  painter.setPen(look::kWhite);
  painter.drawLine(box.topLeft(), box.topRight());
  painter.drawLine(box.topLeft(), box.bottomLeft());
  painter.setPen(look::kGray);
  painter.drawLine(box.bottomLeft(), box.bottomRight());
  painter.drawLine(box.topRight(), box.bottomRight());
}

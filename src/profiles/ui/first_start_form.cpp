// SPDX-License-Identifier: GPL-3.0-or-later
// TFirstStart: asks a profile for its difficulty at its first START GAME.
#include "profiles/ui/first_start_form.h"

#include <QKeyEvent>
#include <QLabel>

#include "core/app_context.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "platform/game_error.h"
#include "widgets/hover_button_widget.h"
#include "widgets/picture_box_widget.h"
#include "widgets/qt_fonts.h"
#include "widgets/qt_key_highlight.h"

TFirstStart::TFirstStart(AppContext& app, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), app_(app) {
  setFixedSize(289, 154);
  setModal(true);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, look::kBlack);
  setPalette(palette);
  auto* picture =
      new PictureBox(ScreenPicture(QStringLiteral("first_start.png"), 289, 154), false, this);
  picture->move(0, 0);
  MakeLabel(this, tr("Level of Difficulty"), 54, 48, ArialFont(24, false),
            look::kWhite);
  btnEasy_ = MakeHoverButton(this, tr("EASY"), {8, 120, 81, 25}, {.highlight = look::kGreen});
  btnNormal_ = MakeHoverButton(this, tr("NORMAL"), {104, 120, 81, 25}, {.highlight = look::kYellow});
  btnHard_ = MakeHoverButton(this, tr("HARD"), {200, 120, 81, 25}, {.highlight = look::kRed});
  connect(btnEasy_, &QAbstractButton::clicked, this, [this] { Choose("Easy"); });
  connect(btnNormal_, &QAbstractButton::clicked, this, [this] { Choose("Normal"); });
  connect(btnHard_, &QAbstractButton::clicked, this, [this] { Choose("Hard"); });
  keys_ = new KeyHighlight(this);
  for (TVtxSpdButton* b : {btnEasy_, btnNormal_, btnHard_}) keys_->AddButton(b);
}

void TFirstStart::ShowModal() {
  CentreOnScreen(this);
  exec();
}

void TFirstStart::Choose(const std::string& difficulty) {
  try {
    app_.shared.playerStore->WriteString(app_.shared.currentPlayer, "up", difficulty);
  } catch (const GameError& e) {
    // The profile keeps its earlier difficulty; the player is not held in the dialog for it.
    app_.services.messages.Show(e.what());
  }
  accept();
}

void TFirstStart::keyPressEvent(QKeyEvent* event) {
  // Enter chooses the lit difficulty. A repeat belongs to an Enter held down since before the
  // question showed (the menu's START GAME), which must not choose for the player. Escape must
  // not leave the dialog without a choice.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !event->isAutoRepeat()) keys_->PressLit();
  event->accept();
}

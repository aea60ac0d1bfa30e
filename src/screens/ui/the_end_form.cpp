// SPDX-License-Identifier: GPL-3.0-or-later
// TFmTheEnd: the closing picture after the last level, left only through its close area.
#include "screens/ui/the_end_form.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "widgets/hover_button_widget.h"
#include "widgets/picture_box_widget.h"
#include "widgets/qt_fonts.h"
#include "widgets/qt_key_highlight.h"
#include "level/ui/floating_screens.h"
#include "widgets/qt_scaled_screen.h"

TFmTheEnd::TFmTheEnd(AppContext& app, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), app_(app) {
  setFixedSize(501, 408);
  setModal(true);
  picture_ = new PictureBox(ScreenPicture(QStringLiteral("the_end.png"), 501, 408), false, this);
  picture_->move(0, 0);

  closeArea_ = MakeHoverButton(this, QString(), {8, 304, 385, 89},
                               {.fontPx = 21, .color = look::kRed, .highlight = look::kBlack});
  connect(closeArea_, &QAbstractButton::clicked, this, [this] { CloseAreaClick(); });
  // Enter and Escape stay without meaning; the close area is reached like any button.
  keys_ = new KeyHighlight(this);
  keys_->AddButton(closeArea_);
  scaled_ = new ScaledScreen(this);
  // Enlarged, the form takes the keys only when it can hold the focus.
  setFocusPolicy(Qt::StrongFocus);
}

void TFmTheEnd::ShowModal() {
  closing_ = false;
  // Shown once the last level has been left: the game window has gone, its full screen counts.
  ShowFloatingModal(app_, *scaled_, *this, true);
}

void TFmTheEnd::CloseAreaClick() {
  closing_ = true;
  done(QDialog::Accepted);
}

void TFmTheEnd::keyPressEvent(QKeyEvent* event) {
  // The screen has no keys: Escape and Enter must not close it.
  event->accept();
}

void TFmTheEnd::closeEvent(QCloseEvent* event) {
  if (closing_)
    event->accept();
  else
    event->ignore();
}

void TFmTheEnd::reject() {
  if (closing_) QDialog::reject();
}

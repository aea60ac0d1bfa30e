// SPDX-License-Identifier: GPL-3.0-or-later
// TfmHelp: the help window, a resizable tool window showing the help page picture.
#include "profiles/ui/help_form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMoveEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "widgets/picture_box_widget.h"
#include "widgets/qt_fonts.h"

namespace {
constexpr int kSnapDistance = 10;
// The help page's own colours: its wooden frame and its parchment.
const QColor kFrameWood{0x30, 0x21, 0x15};
const QColor kParchment{0xEF, 0xDF, 0xB7};
}  // namespace

TfmHelp::TfmHelp(AppContext&, QWidget* parent) : QWidget(parent, Qt::Tool) {
  setWindowTitle(tr("Help"));
  // It may stay open beside the menu; closing the menu still ends the program.
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* page = new PictureBox(ScreenPicture(QStringLiteral("help_page.png"), 382, 267), true, this);
  // The key line continues the page's dark wooden frame, in the parchment's colour, with no
  // gap between them: it reads as the bottom of the same board.
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kFrameWood);
  palette.setColor(QPalette::WindowText, kParchment);
  setPalette(palette);
  setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(page, 1);
  keysText_ = new QLabel(KeysText(), this);
  keysText_->setFont(ArialFont(11, false));
  keysText_->setWordWrap(true);
  keysText_->setContentsMargins(12, 2, 12, 8);
  keysText_->setAutoFillBackground(true);
  keysText_->setPalette(palette);
  layout->addWidget(keysText_);
  // The key line's height is measured when the page first shows: measuring loads its font.
  resize(382, 267);
}

QString TfmHelp::KeysText() {
  return tr("Keys: the arrows or Tab choose a button, Space presses it. Enter goes on, Esc goes back "
            "or closes. F1 shows this help. In a level type the letters; Esc pauses, F11 switches "
            "full screen.");
}

void TfmHelp::FitKeyLine() {
  if (keyLineFitted_) return;
  keyLineFitted_ = true;
  resize(382, 267 + keysText_->heightForWidth(382));
}

void TfmHelp::showEvent(QShowEvent* event) {
  FitKeyLine();
  QWidget::showEvent(event);
}

void TfmHelp::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TfmHelp::ShowHelp() {
  if (!shownBefore_) {
    FitKeyLine();
    CentreOnScreen(this);
    shownBefore_ = true;
  }
  show();
  raise();
  activateWindow();
}

void TfmHelp::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (snapping_ || screen == nullptr || !isVisible()) return;
  // Snap to an edge of the screen when dragged within a few pixels of it.
  const QRect area = screen->availableGeometry();
  const QRect frame = frameGeometry();
  int x = frame.left();
  int y = frame.top();
  if (std::abs(frame.left() - area.left()) <= kSnapDistance) x = area.left();
  if (std::abs(frame.right() - area.right()) <= kSnapDistance) x = area.right() - frame.width() + 1;
  if (std::abs(frame.top() - area.top()) <= kSnapDistance) y = area.top();
  if (std::abs(frame.bottom() - area.bottom()) <= kSnapDistance)
    y = area.bottom() - frame.height() + 1;
  if (x != frame.left() || y != frame.top()) {
    snapping_ = true;
    move(x, y);
    snapping_ = false;
  }
}

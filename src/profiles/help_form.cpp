// TfmHelp: the help window, a resizable tool window showing the help page picture.
#include "profiles/help_form.h"

#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "screens/picture_box_widget.h"
#include "screens/qt_fonts.h"

namespace {
constexpr int kSnapDistance = 10;
}

TfmHelp::TfmHelp(AppContext&, QWidget* parent) : QWidget(parent, Qt::Tool) {
  setWindowTitle(tr("Help"));
  // It may stay open beside the menu; closing the menu still ends the program.
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* page = new PictureBox(ScreenPicture(QStringLiteral("help_page.png"), 382, 267), true, this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(page);
  resize(382, 267);
}

void TfmHelp::ShowHelp() {
  if (!shownBefore_) {
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

// SPDX-License-Identifier: GPL-3.0-or-later
// A picture on a screen: drawn at its own size or stretched, with an optional click action.
#include "widgets/picture_box_widget.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(const QPixmap& picture, bool stretch, QWidget* parent)
    : QWidget(parent), picture_(picture), stretch_(stretch) {
  if (!stretch_) resize(picture_.size());
}

PictureBox::PictureBox(const ScreenPictureName& picture, bool stretch, QWidget* parent)
    : QWidget(parent), pending_(picture), stretch_(stretch) {
  if (!stretch_) resize(picture.Size());
}

const QPixmap& PictureBox::Picture() const {
  if (pending_) {
    picture_ = pending_->Load();
    pending_.reset();
  }
  return picture_;
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // On a scaled desktop a whole factor repeats pixels exactly; any other is filtered smoothly.
  const qreal ratio = devicePixelRatioF();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio != static_cast<int>(ratio));
  if (stretch_)
    painter.drawPixmap(rect(), Picture());
  else
    painter.drawPixmap(0, 0, Picture());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  // Taking the press keeps it from the controls below.
  event->setAccepted(OnClick != nullptr);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
    OnClick();
}

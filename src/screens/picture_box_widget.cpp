// A picture on a screen: drawn at its own size or stretched, with an optional click action.
#include "screens/picture_box_widget.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(const QPixmap& picture, bool stretch, QWidget* parent)
    : QWidget(parent), picture_(picture), stretch_(stretch) {
  if (!stretch_) resize(picture_.size());
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // On a scaled desktop a whole factor repeats pixels exactly; any other is filtered smoothly.
  const qreal ratio = devicePixelRatioF();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio != static_cast<int>(ratio));
  if (stretch_)
    painter.drawPixmap(rect(), picture_);
  else
    painter.drawPixmap(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  // Taking the press keeps it from the controls below.
  event->setAccepted(OnClick != nullptr);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
    OnClick();
}

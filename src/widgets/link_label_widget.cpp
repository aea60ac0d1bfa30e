// SPDX-License-Identifier: GPL-3.0-or-later
// A label that reacts to the pointer and to clicks: the site and help links of the menus.
#include "widgets/link_label_widget.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_TranslucentBackground);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  if (OnMouseEnter) OnMouseEnter();
}

void LinkLabel::leaveEvent(QEvent* event) {
  QLabel::leaveEvent(event);
  if (OnMouseLeave) OnMouseLeave();
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  // Taking the press keeps it from the controls below.
  event->setAccepted(OnClick != nullptr);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
    OnClick();
  else
    QLabel::mouseReleaseEvent(event);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// TVtxSpdButton: the flat button of every screen, whose caption recolours and underlines on hover.
#include "widgets/hover_button_widget.h"

#include "widgets/qt_fonts.h"

#include <QEnterEvent>
#include <QPainter>

TVtxSpdButton::TVtxSpdButton(QWidget* parent) : QAbstractButton(parent) {
  // A speed button never takes the keyboard focus: the keys stay with the screen.
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover, false);
}

void TVtxSpdButton::SetFontColor(const QColor& color) {
  fontColor_ = color;
  update();
}

void TVtxSpdButton::SetCaptionFont(const QFont& font) {
  setFont(font);
  update();
}

void TVtxSpdButton::SetFlat(bool flat) {
  flat_ = flat;
  update();
}

void TVtxSpdButton::MouseEntered() {
  pointerOver_ = true;
  update();
  if (OnMouseEnter) OnMouseEnter(this);
  if (EnableHighLight && fontColor_ != HighLightClr) {
    OldColor = fontColor_;
    SetFontColor(HighLightClr);
  }
  if (EnableUnderline) {
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
  }
}

void TVtxSpdButton::MouseLeft() {
  pointerOver_ = false;
  update();
  if (OnMouseLeave) OnMouseLeave(this);
  if (EnableHighLight) SetFontColor(OldColor);
  if (EnableUnderline) {
    QFont f = font();
    f.setUnderline(false);
    setFont(f);
  }
}

void TVtxSpdButton::enterEvent(QEnterEvent* event) {
  QAbstractButton::enterEvent(event);
  MouseEntered();
}

void TVtxSpdButton::leaveEvent(QEvent* event) {
  QAbstractButton::leaveEvent(event);
  MouseLeft();
}

void TVtxSpdButton::hideEvent(QHideEvent* event) {
  QAbstractButton::hideEvent(event);
  // A screen closed by a key while the pointer was over the button sends no leave; its next
  // showing must not start with the caption still highlighted. If the pointer is over the button
  // then, the window system reports the entry anew.
  if (pointerOver_) MouseLeft();
}

QSize TVtxSpdButton::sizeHint() const {
  const QSize textSize =
      fontMetrics().size(Qt::TextSingleLine, text().isEmpty() ? QStringLiteral(" ") : text());
  return textSize + QSize(8, 6);
}

void TVtxSpdButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect box = rect();
  const bool down = isDown() && pointerOver_;
  const bool framed = !flat_ || (pointerOver_ && isEnabled()) || down;
  if (framed) {
    // One-pixel bevel: light above and left, shadow below and right; reversed while pressed.
    const QColor light(255, 255, 255);
    const QColor shadow(0x80, 0x80, 0x80);
    const QColor topLeft = down ? shadow : light;
    const QColor bottomRight = down ? light : shadow;
    painter.setPen(topLeft);
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
  }
  if (text().isEmpty()) return;
  painter.setFont(font());
  QRect textBox = box;
  if (down) textBox.translate(1, 1);
  if (isEnabled()) {
    painter.setPen(fontColor_);
    painter.drawText(textBox, Qt::AlignCenter | Qt::TextSingleLine, text());
  } else {
    // Disabled captions are embossed: a light copy one pixel down and right, a grey one on top.
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(textBox.translated(1, 1), Qt::AlignCenter | Qt::TextSingleLine, text());
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawText(textBox, Qt::AlignCenter | Qt::TextSingleLine, text());
  }
}

TVtxSpdButton* MakeHoverButton(QWidget* parent, const QString& caption, const QRect& geometry,
                               const HoverButtonLook& look) {
  auto* button = new TVtxSpdButton(parent);
  button->setText(caption);
  button->setGeometry(geometry);
  button->SetCaptionFont(ArialFont(look.fontPx));
  button->SetFontColor(look.color);
  button->EnableUnderline = false;
  button->EnableHighLight = true;
  button->OldColor = look.oldColor;
  button->HighLightClr = look.highlight;
  return button;
}

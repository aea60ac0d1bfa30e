// SPDX-License-Identifier: GPL-3.0-or-later
// TVtxSpdButton: the flat button of every screen, whose caption recolours and underlines on hover.
#pragma once
#include <QAbstractButton>
#include <QColor>
#include <QRect>
#include <QString>
#include <functional>

class TVtxSpdButton : public QAbstractButton {
  Q_OBJECT
 public:
  using MouseEvent = std::function<void(TVtxSpdButton* sender)>;

  explicit TVtxSpdButton(QWidget* parent = nullptr);

  // Plain stored values: changing one has no effect until the pointer next enters or leaves.
  MouseEvent OnMouseEnter;
  MouseEvent OnMouseLeave;
  QColor OldColor{0, 0, 0};
  QColor HighLightClr{0, 0, 255};
  bool EnableHighLight = false;
  bool EnableUnderline = true;

  // The caption's colour (the toolkit keeps it in the font); setting it repaints.
  QColor FontColor() const { return fontColor_; }
  void SetFontColor(const QColor& color);
  void SetCaptionFont(const QFont& font);
  // Flat: the frame shows only while the pointer is over an enabled button.
  void SetFlat(bool flat);
  bool Flat() const { return flat_; }
  bool PointerOver() const { return pointerOver_; }

  // The two notifications of the pointer entering and leaving; the Qt events lead here.
  void MouseEntered();
  void MouseLeft();

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QColor fontColor_{0, 0, 0};
  bool flat_ = true;
  bool pointerOver_ = false;
};

// How the screens' layouts set a button up: flat, bold Arial, recoloured under the pointer and
// never underlined.
struct HoverButtonLook {
  int fontPx = 11;
  QColor color{255, 255, 255};
  QColor highlight{0x80, 0x80, 0x80};
  QColor oldColor{0, 0, 0};
};
TVtxSpdButton* MakeHoverButton(QWidget* parent, const QString& caption, const QRect& geometry,
                               const HoverButtonLook& look = {});

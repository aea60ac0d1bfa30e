// SPDX-License-Identifier: GPL-3.0-or-later
// A picture on a screen: drawn at its own size or stretched, with an optional click action.
#pragma once
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>

#include "widgets/qt_fonts.h"

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(const QPixmap& picture, bool stretch, QWidget* parent = nullptr);
  // A built-in picture, decoded when the box is first drawn (or asked for its picture).
  PictureBox(const ScreenPictureName& picture, bool stretch, QWidget* parent = nullptr);

  std::function<void()> OnClick;
  const QPixmap& Picture() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  mutable QPixmap picture_;
  mutable std::optional<ScreenPictureName> pending_;  // still to be decoded into picture_
  bool stretch_;
};

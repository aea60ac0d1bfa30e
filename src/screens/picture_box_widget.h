// A picture on a screen: drawn at its own size or stretched, with an optional click action.
#pragma once
#include <QPixmap>
#include <QWidget>
#include <functional>

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(const QPixmap& picture, bool stretch, QWidget* parent = nullptr);

  std::function<void()> OnClick;
  const QPixmap& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  bool stretch_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// Building blocks of the level backgrounds.
#include "qt_scene_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "qt_paint_util.h"

using paint::kInk;

namespace {
constexpr int kW = 640;
constexpr int kH = 480;
QPen Ink(double w = 1.2) { return QPen(kInk, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }
}  // namespace

QColor Shade(QColor c, double factor) {
  auto f = [factor](int v) { return std::clamp(static_cast<int>(std::lround(v * factor)), 0, 255); };
  return QColor(f(c.red()), f(c.green()), f(c.blue()), c.alpha());
}

SceneCanvas::SceneCanvas(uint64_t seed) : image_(kW, kH, QImage::Format_RGB32), rng_(seed) {
  image_.fill(Qt::black);
  painter_.begin(&image_);
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setRenderHint(QPainter::TextAntialiasing);
}

SceneCanvas::~SceneCanvas() {
  if (painter_.isActive()) painter_.end();
}

QImage SceneCanvas::Finish() {
  painter_.end();
  return image_;
}

void SceneCanvas::Sky(QColor top, QColor horizon, double horizonY) {
  QLinearGradient g(0, 0, 0, horizonY);
  g.setColorAt(0, top);
  g.setColorAt(1, horizon);
  painter_.fillRect(QRectF(0, 0, kW, horizonY + 2), g);
}

void SceneCanvas::Sun(QPointF centre, double radius, QColor colour) {
  QRadialGradient glow(centre, radius * 3);
  QColor c = colour;
  c.setAlpha(90);
  glow.setColorAt(0, c);
  c.setAlpha(0);
  glow.setColorAt(1, c);
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(glow);
  painter_.drawEllipse(centre, radius * 3, radius * 3);
  painter_.setBrush(colour);
  painter_.drawEllipse(centre, radius, radius);
}

void SceneCanvas::Clouds(int count, double yMin, double yMax, QColor colour) {
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(colour);
  for (int i = 0; i < count; ++i) {
    const double cx = rng_.Range(20, 620), cy = rng_.Range(yMin, yMax), w = rng_.Range(50, 110);
    for (int k = 0; k < 5; ++k)
      painter_.drawEllipse(QPointF(cx + (k - 2) * w / 6, cy + (k % 2) * 2), w / 5 + rng_.Range(0, 6), w / 12 + rng_.Range(0, 3));
  }
}

void SceneCanvas::Stars(int count, double yMax) {
  painter_.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const double r = rng_.Range(0.4, 1.2);
    painter_.setBrush(QColor(255, 250, 225, static_cast<int>(rng_.Range(120, 255))));
    painter_.drawEllipse(QPointF(rng_.Range(0, kW), rng_.Range(0, yMax)), r, r);
  }
}

void SceneCanvas::Ridge(double baseY, double amplitude, QColor colour, double roughness) {
  QPainterPath path;
  path.moveTo(0, kH);
  double y = baseY - amplitude * rng_.Unit();
  const double phase = rng_.Range(0, 6.28);
  for (int x = 0; x <= kW; x += 8) {
    const double smooth = std::sin(x / 90.0 + phase) * 0.5 + std::sin(x / 37.0 + phase * 2) * 0.25;
    y = baseY - amplitude * (0.55 + 0.45 * smooth) + rng_.Signed() * 3 * roughness;
    path.lineTo(x, y);
  }
  path.lineTo(kW, kH);
  path.closeSubpath();
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(colour);
  painter_.drawPath(path);
}

void SceneCanvas::Mesa(double x0, double x1, double topY, double baseY, QColor colour) {
  QPainterPath path;
  path.moveTo(x0 - 30, baseY);
  path.lineTo(x0, topY + 12);
  path.lineTo(x0 + 8, topY);
  path.lineTo(x1 - 8, topY);
  path.lineTo(x1, topY + 10);
  path.lineTo(x1 + 34, baseY);
  path.closeSubpath();
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(colour);
  painter_.drawPath(path);
  painter_.setPen(QPen(Shade(colour, 0.8), 1.5));
  for (double y = topY + 14; y < baseY; y += 12) painter_.drawLine(QPointF(x0 + 4, y), QPointF(x1 + 2, y + rng_.Signed() * 2));
}

void SceneCanvas::Ground(double y, QColor near, QColor far) {
  QLinearGradient g(0, y, 0, kH);
  g.setColorAt(0, far);
  g.setColorAt(1, near);
  painter_.fillRect(QRectF(0, y, kW, kH - y), g);
  painter_.setPen(QPen(Shade(near, 0.8), 1.0));
  for (int i = 0; i < 160; ++i) {
    const double gy = rng_.Range(y + 2, kH), gx = rng_.Range(0, kW), len = rng_.Range(2, 8);
    painter_.drawLine(QPointF(gx, gy), QPointF(gx + len, gy));
  }
}

void SceneCanvas::LabelShade() {
  QLinearGradient g(0, 392, 0, kH);
  g.setColorAt(0, QColor(0, 0, 0, 0));
  g.setColorAt(0.3, QColor(0, 0, 0, 70));
  g.setColorAt(1, QColor(0, 0, 0, 150));
  painter_.fillRect(QRectF(0, 392, kW, kH - 392), g);
}

void SceneCanvas::Planks(QRectF rect, QColor wood, bool vertical) {
  painter_.save();
  painter_.setClipRect(rect, Qt::IntersectClip);
  painter_.fillRect(rect, wood);
  const double step = vertical ? 11 : 8;
  const double from = vertical ? rect.left() : rect.top();
  const double to = vertical ? rect.right() : rect.bottom();
  for (double v = from; v < to; v += step) {
    const QColor board = Shade(wood, rng_.Range(0.9, 1.08));
    const QRectF r = vertical ? QRectF(v, rect.top(), step, rect.height()) : QRectF(rect.left(), v, rect.width(), step);
    painter_.fillRect(r, board);
    painter_.setPen(QPen(Shade(wood, 0.62), 1.0));
    if (vertical) painter_.drawLine(QPointF(v, rect.top()), QPointF(v, rect.bottom()));
    else painter_.drawLine(QPointF(rect.left(), v), QPointF(rect.right(), v));
    // Grain and the odd nail.
    painter_.setPen(QPen(Shade(wood, 0.82), 0.6));
    for (int k = 0; k < 3; ++k) {
      const double a = rng_.Range(0, vertical ? rect.height() : rect.width()), len = rng_.Range(8, 30);
      if (vertical) painter_.drawLine(QPointF(v + rng_.Range(2, step - 2), rect.top() + a), QPointF(v + rng_.Range(2, step - 2), rect.top() + a + len));
      else painter_.drawLine(QPointF(rect.left() + a, v + rng_.Range(2, step - 2)), QPointF(rect.left() + a + len, v + rng_.Range(2, step - 2)));
    }
  }
  painter_.restore();
}

void SceneCanvas::Building(double x0, double x1, double top, double groundY, QColor wood, Front front) {
  const QRectF body(x0, top, x1 - x0, groundY - top);
  QPainterPath outline;
  switch (front) {
    case Front::Flat:
    case Front::Brick:
      outline.addRect(body);
      break;
    case Front::Stepped: {
      const double w = x1 - x0;
      outline.moveTo(x0, groundY);
      outline.lineTo(x0, top + 24);
      outline.lineTo(x0 + w * 0.18, top + 24);
      outline.lineTo(x0 + w * 0.18, top + 10);
      outline.lineTo(x0 + w * 0.32, top + 10);
      outline.lineTo(x0 + w * 0.32, top);
      outline.lineTo(x1 - w * 0.32, top);
      outline.lineTo(x1 - w * 0.32, top + 10);
      outline.lineTo(x1 - w * 0.18, top + 10);
      outline.lineTo(x1 - w * 0.18, top + 24);
      outline.lineTo(x1, top + 24);
      outline.lineTo(x1, groundY);
      outline.closeSubpath();
      break;
    }
    case Front::Gable: {
      const double peak = top;
      const double eave = top + (x1 - x0) * 0.32;
      outline.moveTo(x0, groundY);
      outline.lineTo(x0, eave);
      outline.lineTo((x0 + x1) / 2, peak);
      outline.lineTo(x1, eave);
      outline.lineTo(x1, groundY);
      outline.closeSubpath();
      break;
    }
    case Front::Arched: {
      outline.moveTo(x0, groundY);
      outline.lineTo(x0, top + 26);
      outline.cubicTo(x0 + (x1 - x0) * 0.2, top - 4, x1 - (x1 - x0) * 0.2, top - 4, x1, top + 26);
      outline.lineTo(x1, groundY);
      outline.closeSubpath();
      break;
    }
  }
  painter_.save();
  painter_.setClipPath(outline);
  if (front == Front::Brick) {
    painter_.fillRect(body, wood);
    painter_.setPen(QPen(Shade(wood, 0.7), 1.0));
    int row = 0;
    for (double y = top; y < groundY; y += 7, ++row) {
      painter_.drawLine(QPointF(x0, y), QPointF(x1, y));
      for (double x = x0 + (row % 2 ? 7 : 0); x < x1; x += 14) painter_.drawLine(QPointF(x, y), QPointF(x, y + 7));
    }
  } else {
    Planks(body.adjusted(0, -60, 0, 0), wood, false);
  }
  // Darker towards the ground, lighter at the top: a little depth.
  QLinearGradient shade(0, top, 0, groundY);
  shade.setColorAt(0, QColor(255, 230, 190, 18));
  shade.setColorAt(1, QColor(0, 0, 0, 70));
  painter_.fillRect(body.adjusted(0, -60, 0, 0), shade);
  painter_.restore();
  painter_.setPen(Ink(1.6));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawPath(outline);
  // Cornice trim under the top.
  if (front != Front::Gable) {
    const double trimY = front == Front::Stepped ? top + 26 : (front == Front::Arched ? top + 28 : top + 4);
    painter_.setPen(Ink(1.0));
    painter_.setBrush(Shade(wood, 0.7));
    painter_.drawRect(QRectF(x0 - 3, trimY, x1 - x0 + 6, 5));
  }
}

void SceneCanvas::Sign(QRectF rect, const QString& text, QColor board, QColor letters, int pixelSize) {
  painter_.setPen(Ink(1.4));
  painter_.setBrush(board);
  painter_.drawRect(rect);
  painter_.setPen(QPen(Shade(board, 1.3), 1.0));
  painter_.drawRect(rect.adjusted(3, 3, -3, -3));
  const int size = pixelSize > 0 ? pixelSize : static_cast<int>(rect.height() * 0.62);
  QFont f = paint::WesternFont(size);
  const QFontMetricsF fm(f);
  const double avail = rect.width() - 10;
  if (fm.horizontalAdvance(text) > avail) f.setPixelSize(static_cast<int>(size * avail / fm.horizontalAdvance(text)));
  painter_.setFont(f);
  paint::OutlinedText(painter_, rect, Qt::AlignCenter, text, letters, Shade(board, 0.45), 1.6);
}

void SceneCanvas::Awning(double x0, double x1, double y, double depth, QColor colour) {
  QPainterPath roof;
  roof.moveTo(x0 - 4, y);
  roof.lineTo(x1 + 4, y);
  roof.lineTo(x1 + 8, y + depth);
  roof.lineTo(x0 - 8, y + depth);
  roof.closeSubpath();
  painter_.setPen(Ink(1.2));
  painter_.setBrush(colour);
  painter_.drawPath(roof);
  painter_.setPen(QPen(Shade(colour, 0.7), 1.0));
  for (double x = x0; x < x1; x += 10) painter_.drawLine(QPointF(x, y + 1), QPointF(x - 2, y + depth - 1));
}

void SceneCanvas::Boardwalk(double x0, double x1, double y) {
  const QRectF walk(x0, y, x1 - x0, 12);
  Planks(walk, QColor(120, 86, 54), true);
  painter_.setPen(Ink(1.2));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(walk);
  painter_.fillRect(QRectF(x0, y + 12, x1 - x0, 4), QColor(40, 26, 16));
}

void SceneCanvas::Balcony(double x0, double x1, double y) {
  painter_.setPen(Ink(1.2));
  painter_.setBrush(QColor(110, 76, 46));
  painter_.drawRect(QRectF(x0 - 6, y, x1 - x0 + 12, 6));
  painter_.drawRect(QRectF(x0 - 6, y - 22, x1 - x0 + 12, 3));
  painter_.setPen(QPen(QColor(70, 46, 28), 2.0));
  for (double x = x0 - 4; x <= x1 + 4; x += 9) painter_.drawLine(QPointF(x, y - 19), QPointF(x, y));
}

void SceneCanvas::BlindWindow(QRectF box) {
  QRadialGradient g(box.center(), box.height() * 0.6);
  g.setColorAt(0, paint::kInteriorGlow);
  g.setColorAt(1, paint::kInteriorDeep);
  painter_.setPen(Ink(1.2));
  painter_.setBrush(QColor(150, 118, 80));
  painter_.drawRect(box.adjusted(-4, -4, 4, 4));
  painter_.setBrush(g);
  painter_.drawRect(box);
}

void SceneCanvas::Opening(OpeningStyle style, int x, int y, int side, int w, int h) {
  places_.push_back({x, y, w, h, side});
  const QRectF box(x, y, w, h);
  QRadialGradient interior(box.center(), h * 0.62);
  interior.setColorAt(0, paint::kInteriorGlow);
  interior.setColorAt(1, paint::kInteriorDeep);
  const QColor frame(156, 120, 78);
  switch (style) {
    case OpeningStyle::Window:
    case OpeningStyle::BarredWindow: {
      painter_.setPen(Ink(1.3));
      painter_.setBrush(frame);
      painter_.drawRect(box.adjusted(-5, -5, 5, 5));
      painter_.setBrush(interior);
      painter_.drawRect(box);
      // Lintel and sill.
      painter_.setBrush(Shade(frame, 0.8));
      painter_.drawRect(QRectF(x - 9, y - 11, w + 18, 6));
      painter_.drawRect(QRectF(x - 8, y + h + 4, w + 16, 4));
      // Curtains tied back in the corners.
      painter_.setPen(Qt::NoPen);
      painter_.setBrush(QColor(140, 40, 34, 200));
      QPainterPath left, right;
      left.moveTo(x, y);
      left.lineTo(x + 18, y);
      left.quadTo(x + 6, y + 20, x + 4, y + h * 0.55);
      left.lineTo(x, y + h * 0.55);
      left.closeSubpath();
      right.moveTo(x + w, y);
      right.lineTo(x + w - 18, y);
      right.quadTo(x + w - 6, y + 20, x + w - 4, y + h * 0.55);
      right.lineTo(x + w, y + h * 0.55);
      right.closeSubpath();
      painter_.drawPath(left);
      painter_.drawPath(right);
      if (style == OpeningStyle::BarredWindow) {
        painter_.setPen(QPen(QColor(60, 60, 64), 2.4));
        for (int i = 1; i < 5; ++i) painter_.drawLine(QPointF(x + i * w / 5.0, y), QPointF(x + i * w / 5.0, y + h));
      }
      break;
    }
    case OpeningStyle::ArchWindow: {
      QPainterPath arch;
      arch.moveTo(x - 5, y + h + 5);
      arch.lineTo(x - 5, y + 4);
      arch.arcTo(QRectF(x - 5, y - 28, w + 10, 64), 180, -180);
      arch.lineTo(x + w + 5, y + h + 5);
      arch.closeSubpath();
      painter_.setPen(Ink(1.3));
      painter_.setBrush(frame);
      painter_.drawPath(arch);
      QPainterPath inner;
      inner.moveTo(x, y + h);
      inner.lineTo(x, y + 4);
      inner.arcTo(QRectF(x, y - 23, w, 54), 180, -180);
      inner.lineTo(x + w, y + h);
      inner.closeSubpath();
      painter_.setBrush(interior);
      painter_.drawPath(inner);
      painter_.setBrush(Shade(frame, 0.8));
      painter_.drawRect(QRectF(x - 8, y + h + 4, w + 16, 4));
      break;
    }
    case OpeningStyle::Door:
    case OpeningStyle::SwingDoor: {
      painter_.setPen(Ink(1.3));
      painter_.setBrush(frame);
      painter_.drawRect(QRectF(x - 6, y - 8, w + 12, h + 8));
      painter_.setBrush(interior);
      painter_.drawRect(box);
      painter_.setBrush(Shade(frame, 0.8));
      painter_.drawRect(QRectF(x - 10, y - 14, w + 20, 7));
      if (style == OpeningStyle::SwingDoor) {
        painter_.setBrush(QColor(170, 120, 60));
        painter_.drawRect(QRectF(x + 1, y + 24, w / 2.0 - 2, 34));
        painter_.drawRect(QRectF(x + w / 2.0 + 1, y + 24, w / 2.0 - 2, 34));
        painter_.setPen(QPen(QColor(110, 74, 36), 1.0));
        for (int i = 1; i < 4; ++i) {
          painter_.drawLine(QPointF(x + 3, y + 24 + i * 8.5), QPointF(x + w / 2.0 - 3, y + 24 + i * 8.5));
          painter_.drawLine(QPointF(x + w / 2.0 + 3, y + 24 + i * 8.5), QPointF(x + w - 3, y + 24 + i * 8.5));
        }
      }
      break;
    }
    case OpeningStyle::Loft: {
      painter_.setPen(Ink(1.3));
      painter_.setBrush(frame);
      painter_.drawRect(box.adjusted(-5, -5, 5, 5));
      painter_.setBrush(interior);
      painter_.drawRect(box);
      // Hoist beam.
      painter_.setBrush(QColor(100, 70, 40));
      painter_.drawRect(QRectF(x + w / 2.0 - 4, y - 20, 8, 15));
      painter_.setPen(QPen(QColor(200, 180, 130), 1.0));
      painter_.drawLine(QPointF(x + w / 2.0, y - 6), QPointF(x + w / 2.0, y + 8));
      // X brace over the frame's bottom part.
      painter_.setPen(Ink(1.0));
      painter_.setBrush(Shade(frame, 0.8));
      painter_.drawRect(QRectF(x - 8, y + h + 4, w + 16, 4));
      break;
    }
    case OpeningStyle::Alley: {
      painter_.setPen(Qt::NoPen);
      painter_.setBrush(interior);
      painter_.drawRect(box.adjusted(-2, -6, 2, 0));
      break;
    }
    case OpeningStyle::Cave: {
      QPainterPath hole;
      const int n = 18;
      for (int i = 0; i < n; ++i) {
        const double a = 2 * M_PI * i / n;
        const double rx = w * 0.5 + 8 + rng_.Range(-3, 5), ry = h * 0.5 + 8 + rng_.Range(-3, 5);
        QPointF q(box.center().x() + rx * std::cos(a), box.center().y() + ry * std::sin(a));
        if (q.y() > y + h + 2) q.setY(y + h + 2);
        i == 0 ? hole.moveTo(q) : hole.lineTo(q);
      }
      hole.closeSubpath();
      painter_.setPen(Ink(1.6));
      painter_.setBrush(paint::kInteriorDeep);
      painter_.drawPath(hole);
      painter_.setPen(Qt::NoPen);
      painter_.setBrush(interior);
      painter_.drawRoundedRect(box, 10, 10);
      break;
    }
    case OpeningStyle::Tunnel: {
      painter_.setPen(Ink(1.3));
      painter_.setBrush(QColor(24, 16, 10));
      painter_.drawRect(box.adjusted(-4, -4, 4, 0));
      painter_.setBrush(interior);
      painter_.drawRect(box);
      painter_.setBrush(QColor(128, 92, 54));
      painter_.drawRect(QRectF(x - 12, y - 4, 9, h + 4));
      painter_.drawRect(QRectF(x + w + 3, y - 4, 9, h + 4));
      painter_.drawRect(QRectF(x - 16, y - 16, w + 32, 12));
      painter_.setPen(QPen(QColor(90, 62, 34), 0.8));
      painter_.drawLine(QPointF(x - 14, y - 10), QPointF(x + w + 14, y - 10));
      break;
    }
    case OpeningStyle::Hatch: {
      QPainterPath roof;
      roof.moveTo(x - 12, y - 2);
      roof.lineTo(x + w / 2.0, y - 26);
      roof.lineTo(x + w + 12, y - 2);
      roof.closeSubpath();
      painter_.setPen(Ink(1.3));
      painter_.setBrush(QColor(96, 62, 42));
      painter_.drawPath(roof);
      painter_.setBrush(frame);
      painter_.drawRect(box.adjusted(-5, -3, 5, 5));
      painter_.setBrush(interior);
      painter_.drawRect(box);
      break;
    }
    case OpeningStyle::Porthole: {
      painter_.setPen(Ink(1.3));
      painter_.setBrush(QColor(196, 160, 80));
      painter_.drawRoundedRect(box.adjusted(-5, -5, 5, 5), 16, 16);
      painter_.setBrush(interior);
      painter_.drawRoundedRect(box, 12, 12);
      break;
    }
  }
}

void SceneCanvas::Barrel(double cx, double bottom, double scale) {
  const double w = 30 * scale, h = 38 * scale;
  const QRectF r(cx - w / 2, bottom - h, w, h);
  QPainterPath body;
  body.moveTo(r.left() + 3 * scale, r.top());
  body.lineTo(r.right() - 3 * scale, r.top());
  body.quadTo(r.right() + 3 * scale, r.center().y(), r.right() - 3 * scale, r.bottom());
  body.lineTo(r.left() + 3 * scale, r.bottom());
  body.quadTo(r.left() - 3 * scale, r.center().y(), r.left() + 3 * scale, r.top());
  QLinearGradient g(r.left(), 0, r.right(), 0);
  g.setColorAt(0, QColor(96, 58, 30));
  g.setColorAt(0.4, QColor(168, 110, 60));
  g.setColorAt(1, QColor(80, 48, 26));
  painter_.setPen(Ink(1.2));
  painter_.setBrush(g);
  painter_.drawPath(body);
  painter_.setPen(QPen(QColor(50, 46, 44), 2.4 * scale));
  for (double f : {0.18, 0.82}) painter_.drawLine(QPointF(r.left() + 1, r.top() + h * f), QPointF(r.right() - 1, r.top() + h * f));
  painter_.setPen(QPen(QColor(70, 40, 20), 0.8));
  for (double f : {0.33, 0.5, 0.67}) painter_.drawLine(QPointF(r.left() + w * f, r.top() + 1), QPointF(r.left() + w * f, r.bottom() - 1));
}

void SceneCanvas::Crate(double x, double bottom, double size) {
  const QRectF r(x, bottom - size, size, size);
  painter_.setPen(Ink(1.2));
  painter_.setBrush(QColor(176, 134, 80));
  painter_.drawRect(r);
  painter_.setPen(QPen(QColor(110, 78, 42), 2.2));
  painter_.drawRect(r.adjusted(2, 2, -2, -2));
  painter_.drawLine(r.topLeft() + QPointF(3, 3), r.bottomRight() - QPointF(3, 3));
}

void SceneCanvas::Cactus(double x, double bottom, double height) {
  const double w = height * 0.16;
  painter_.setPen(Ink(1.2));
  painter_.setBrush(QColor(70, 120, 60));
  painter_.drawRoundedRect(QRectF(x - w / 2, bottom - height, w, height), w / 2, w / 2);
  const double armY = bottom - height * 0.6;
  QPainterPath left;
  left.addRoundedRect(QRectF(x - w * 2.0, armY - height * 0.3, w * 0.8, height * 0.34), w * 0.4, w * 0.4);
  left.addRect(QRectF(x - w * 2.0, armY - w * 0.2, w * 1.6, w * 0.8));
  painter_.drawPath(left.simplified());
  QPainterPath right;
  right.addRoundedRect(QRectF(x + w * 1.2, armY - height * 0.4, w * 0.8, height * 0.36), w * 0.4, w * 0.4);
  right.addRect(QRectF(x + w * 0.4, armY - height * 0.12, w * 1.6, w * 0.8));
  painter_.drawPath(right.simplified());
  painter_.setPen(QPen(QColor(110, 160, 90), 0.8));
  painter_.drawLine(QPointF(x, bottom - height + 4), QPointF(x, bottom - 3));
}

void SceneCanvas::HitchingPost(double x0, double x1, double bottom) {
  painter_.setPen(Ink(1.0));
  painter_.setBrush(QColor(120, 84, 50));
  painter_.drawRect(QRectF(x0, bottom - 26, 5, 26));
  painter_.drawRect(QRectF(x1 - 5, bottom - 26, 5, 26));
  painter_.drawRect(QRectF(x0 - 2, bottom - 28, x1 - x0 + 4, 5));
}

void SceneCanvas::Trough(double x, double bottom) {
  painter_.setPen(Ink(1.1));
  painter_.setBrush(QColor(120, 84, 50));
  painter_.drawRect(QRectF(x, bottom - 16, 50, 14));
  painter_.setBrush(QColor(70, 110, 140));
  painter_.drawRect(QRectF(x + 3, bottom - 16, 44, 3));
  painter_.setBrush(QColor(90, 60, 36));
  painter_.drawRect(QRectF(x + 3, bottom - 3, 5, 3));
  painter_.drawRect(QRectF(x + 42, bottom - 3, 5, 3));
}

void SceneCanvas::Fence(double x0, double x1, double bottom, double height, QColor colour) {
  painter_.setPen(Ink(1.0));
  painter_.setBrush(colour);
  for (double x = x0; x <= x1; x += 36) painter_.drawRect(QRectF(x, bottom - height, 5, height));
  for (double f : {0.2, 0.6}) painter_.drawRect(QRectF(x0, bottom - height + height * f, x1 - x0 + 5, 4));
}

void SceneCanvas::Rocks(double x0, double x1, double bottom, QColor colour, int count) {
  painter_.setPen(Ink(1.0));
  for (int i = 0; i < count; ++i) {
    const double cx = rng_.Range(x0, x1), r = rng_.Range(6, 16);
    painter_.setBrush(Shade(colour, rng_.Range(0.85, 1.1)));
    QPainterPath rock;
    rock.moveTo(cx - r, bottom);
    rock.lineTo(cx - r * 0.8, bottom - r * 0.7);
    rock.lineTo(cx - r * 0.2, bottom - r);
    rock.lineTo(cx + r * 0.6, bottom - r * 0.8);
    rock.lineTo(cx + r, bottom);
    rock.closeSubpath();
    painter_.drawPath(rock);
  }
}

void SceneCanvas::Tumbleweed(double cx, double cy, double r) {
  painter_.setPen(QPen(QColor(150, 120, 70), 1.0));
  painter_.setBrush(Qt::NoBrush);
  for (int i = 0; i < 14; ++i) {
    const double a = rng_.Range(0, 360);
    painter_.drawArc(QRectF(cx - r + rng_.Range(-3, 3), cy - r + rng_.Range(-3, 3), 2 * r, 2 * r), static_cast<int>(a * 16), 140 * 16);
  }
}

void SceneCanvas::WagonWheel(double cx, double cy, double r) {
  painter_.setPen(QPen(kInk, 1.2));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawEllipse(QPointF(cx, cy), r, r);
  painter_.setPen(QPen(QColor(130, 90, 50), 3.0));
  painter_.drawEllipse(QPointF(cx, cy), r - 2, r - 2);
  painter_.setPen(QPen(QColor(130, 90, 50), 1.6));
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    painter_.drawLine(QPointF(cx, cy), QPointF(cx + (r - 2) * std::cos(a), cy + (r - 2) * std::sin(a)));
  }
  painter_.setBrush(QColor(90, 60, 34));
  painter_.setPen(Ink(1.0));
  painter_.drawEllipse(QPointF(cx, cy), r * 0.18, r * 0.18);
}

void SceneCanvas::Poster(QRectF rect) {
  painter_.setPen(Ink(1.0));
  painter_.setBrush(QColor(226, 206, 160));
  painter_.drawRect(rect);
  QFont f = paint::WesternFont(std::max(5, static_cast<int>(rect.height() * 0.17)));
  f.setStretch(QFont::Condensed);
  f.setLetterSpacing(QFont::PercentageSpacing, 90);
  while (f.pixelSize() > 4 && QFontMetricsF(f).horizontalAdvance(QStringLiteral("WANTED")) > rect.width() - 3)
    f.setPixelSize(f.pixelSize() - 1);
  painter_.setFont(f);
  painter_.setPen(QColor(70, 40, 20));
  painter_.drawText(QRectF(rect.left(), rect.top() + 1, rect.width(), rect.height() * 0.25), Qt::AlignCenter, QStringLiteral("WANTED"));
  painter_.setBrush(QColor(150, 120, 90));
  painter_.setPen(Qt::NoPen);
  painter_.drawEllipse(QPointF(rect.center().x(), rect.top() + rect.height() * 0.5), rect.width() * 0.18, rect.height() * 0.16);
  painter_.fillRect(QRectF(rect.left() + 4, rect.bottom() - rect.height() * 0.2, rect.width() - 8, 2), QColor(90, 60, 40));
}

void SceneCanvas::Lamp(double x, double bottom) {
  painter_.setPen(Ink(1.0));
  painter_.setBrush(QColor(50, 46, 44));
  painter_.drawRect(QRectF(x - 2, bottom - 70, 4, 70));
  painter_.setBrush(QColor(255, 220, 120));
  painter_.drawRect(QRectF(x - 7, bottom - 84, 14, 14));
  painter_.setBrush(QColor(50, 46, 44));
  QPainterPath cap;
  cap.moveTo(x - 9, bottom - 84);
  cap.lineTo(x, bottom - 92);
  cap.lineTo(x + 9, bottom - 84);
  cap.closeSubpath();
  painter_.drawPath(cap);
}

void SceneCanvas::Rails(double y) {
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(QColor(90, 66, 44));
  for (double x = -10; x < kW; x += 22) painter_.drawRect(QRectF(x, y - 4, 10, 14));
  painter_.setPen(QPen(QColor(150, 150, 158), 3.0));
  painter_.drawLine(QPointF(0, y), QPointF(kW, y));
  painter_.drawLine(QPointF(0, y + 7), QPointF(kW, y + 7));
}

void SceneCanvas::Water(double y, QColor deep, QColor light) {
  QLinearGradient g(0, y, 0, kH);
  g.setColorAt(0, light);
  g.setColorAt(1, deep);
  painter_.fillRect(QRectF(0, y, kW, kH - y), g);
  painter_.setPen(QPen(Shade(light, 1.3), 1.2));
  for (int i = 0; i < 70; ++i) {
    const double wy = rng_.Range(y + 3, kH), wx = rng_.Range(0, kW), len = rng_.Range(6, 20);
    painter_.drawLine(QPointF(wx, wy), QPointF(wx + len, wy));
  }
}

void SceneCanvas::HayBale(double x, double bottom) {
  const QRectF r(x, bottom - 26, 44, 26);
  painter_.setPen(Ink(1.0));
  painter_.setBrush(QColor(212, 176, 90));
  painter_.drawRect(r);
  painter_.setPen(QPen(QColor(170, 130, 60), 0.8));
  for (int i = 0; i < 12; ++i) {
    const double sx = rng_.Range(r.left() + 2, r.right() - 8), sy = rng_.Range(r.top() + 2, r.bottom() - 2);
    painter_.drawLine(QPointF(sx, sy), QPointF(sx + 6, sy + rng_.Signed()));
  }
  painter_.setPen(QPen(QColor(120, 80, 40), 1.6));
  painter_.drawLine(QPointF(r.left() + 12, r.top()), QPointF(r.left() + 12, r.bottom()));
  painter_.drawLine(QPointF(r.right() - 12, r.top()), QPointF(r.right() - 12, r.bottom()));
}

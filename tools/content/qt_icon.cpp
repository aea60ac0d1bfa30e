// SPDX-License-Identifier: GPL-3.0-or-later
// The game's icon: a shooting-gallery target over a brass letter plaque, as PNGs and an SVG.
#include "qt_icon.h"

#include <QDir>
#include <QFile>
#include <QPolygonF>
#include <stdexcept>
#include <vector>

#include "qt_paint_util.h"

namespace {

// One shape of the icon in a 256 by 256 square. The PNGs and the SVG are both drawn from the
// same list, so the scalable icon and the pixel ones cannot drift apart.
struct Shape {
  enum Kind { Circle, RoundRect, Polygon, Line } kind;
  std::vector<double> v;  // circle: cx cy r; rect: x y w h radius; polygon: x y pairs; line: x1 y1 x2 y2
  QColor fill;            // invalid: no fill
  QColor stroke;          // invalid: no stroke
  double width = 0;
};

const QColor kBrass(214, 170, 86);
const QColor kBrassShadow(150, 108, 48);
const QColor kDarkWood(52, 34, 22);
const QColor kCream(236, 222, 190);
const QColor kTargetRed(178, 40, 28);
const QColor kNone;

std::vector<Shape> IconShapes() {
  const QColor ink = paint::kInk;
  return {
      // Crosshair arms reaching out of the target.
      {Shape::Line, {128, 6, 128, 40}, kNone, ink, 10},
      {Shape::Line, {6, 118, 40, 118}, kNone, ink, 10},
      {Shape::Line, {216, 118, 250, 118}, kNone, ink, 10},
      // The target: a wooden disc with a brass rim and painted rings.
      {Shape::Circle, {128, 118, 100}, kDarkWood, ink, 8},
      {Shape::Circle, {128, 118, 90}, kNone, kBrass, 6},
      {Shape::Circle, {128, 118, 76}, kCream, ink, 3},
      {Shape::Circle, {128, 118, 58}, kTargetRed, kNone, 0},
      {Shape::Circle, {128, 118, 40}, kCream, kNone, 0},
      {Shape::Circle, {128, 118, 22}, kTargetRed, kNone, 0},
      {Shape::Line, {128, 64, 128, 100}, kNone, ink, 5},
      {Shape::Line, {74, 118, 110, 118}, kNone, ink, 5},
      {Shape::Line, {146, 118, 182, 118}, kNone, ink, 5},
      // The letter plaque the player types from, nailed over the bottom of the target.
      {Shape::RoundRect, {74, 150, 108, 98, 12}, kBrass, ink, 7},
      {Shape::RoundRect, {84, 160, 88, 78, 6}, kNone, kBrassShadow, 3},
      {Shape::RoundRect, {100, 168, 18, 62, 2}, ink, kNone, 0},
      {Shape::Polygon, {114, 200, 150, 168, 174, 168, 126, 212}, ink, kNone, 0},
      {Shape::Polygon, {128, 194, 174, 230, 150, 230, 116, 206}, ink, kNone, 0},
  };
}

void Draw(QPainter& p, const Shape& s) {
  p.setPen(s.stroke.isValid() ? QPen(s.stroke, s.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
  p.setBrush(s.fill.isValid() ? QBrush(s.fill) : QBrush(Qt::NoBrush));
  const std::vector<double>& v = s.v;
  switch (s.kind) {
    case Shape::Circle: p.drawEllipse(QPointF(v[0], v[1]), v[2], v[2]); break;
    case Shape::RoundRect: p.drawRoundedRect(QRectF(v[0], v[1], v[2], v[3]), v[4], v[4]); break;
    case Shape::Line: p.drawLine(QPointF(v[0], v[1]), QPointF(v[2], v[3])); break;
    case Shape::Polygon: {
      QPolygonF polygon;
      for (size_t i = 0; i + 1 < v.size(); i += 2) polygon << QPointF(v[i], v[i + 1]);
      p.drawPolygon(polygon);
      break;
    }
  }
}

QString Number(double x) { return QString::number(x, 'g', 6); }

QString SvgPaint(const Shape& s) {
  QString out = QStringLiteral(" fill=\"%1\"").arg(s.fill.isValid() ? s.fill.name() : QStringLiteral("none"));
  if (s.stroke.isValid()) {
    out += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\" stroke-linejoin=\"round\"")
               .arg(s.stroke.name(), Number(s.width));
  }
  return out;
}

QString SvgElement(const Shape& s) {
  const std::vector<double>& v = s.v;
  switch (s.kind) {
    case Shape::Circle:
      return QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\"%4/>\n").arg(Number(v[0]), Number(v[1]), Number(v[2]), SvgPaint(s));
    case Shape::RoundRect:
      return QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6/>\n")
          .arg(Number(v[0]), Number(v[1]), Number(v[2]), Number(v[3]), Number(v[4]), SvgPaint(s));
    case Shape::Line:
      return QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"%5/>\n")
          .arg(Number(v[0]), Number(v[1]), Number(v[2]), Number(v[3]), SvgPaint(s));
    case Shape::Polygon: {
      QStringList points;
      for (size_t i = 0; i + 1 < v.size(); i += 2) points << Number(v[i]) + "," + Number(v[i + 1]);
      return QStringLiteral("  <polygon points=\"%1\"%2/>\n").arg(points.join(' '), SvgPaint(s));
    }
  }
  return {};
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace

void WriteIcons(const QString& root) {
  const std::vector<Shape> shapes = IconShapes();
  const QString base = root + "/dist/icons/hicolor/";
  const QString file = QString::fromLatin1(kDesktopId);
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QString dir = base + QStringLiteral("%1x%1/apps").arg(size);
    QDir().mkpath(dir);
    // Small sizes get more supersampling so the thin rings still average out cleanly.
    const int factor = size <= 64 ? 16 : 4;
    const QImage icon = paint::Supersample(size, size, factor, [&](QPainter& p) {
      p.scale(size / 256.0, size / 256.0);
      for (const Shape& s : shapes) Draw(p, s);
    });
    if (!icon.save(dir + "/" + file + ".png", "PNG")) throw std::runtime_error("cannot write icon " + dir.toStdString());
  }
  QString svg = QStringLiteral(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
      "  <title>Keyslinger</title>\n");
  for (const Shape& s : shapes) svg += SvgElement(s);
  svg += QStringLiteral("</svg>\n");
  QDir().mkpath(base + "scalable/apps");
  WriteFile(base + "scalable/apps/" + file + ".svg", svg.toUtf8());
}

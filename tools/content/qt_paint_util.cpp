// SPDX-License-Identifier: GPL-3.0-or-later
// Shared drawing helpers.
#include "qt_paint_util.h"

#include <QPainterPath>

namespace paint {

QImage Supersample(int w, int h, int factor, const std::function<void(QPainter&)>& draw,
                   QColor background) {
  QImage big(w * factor, h * factor, QImage::Format_ARGB32_Premultiplied);
  big.fill(background);
  {
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(factor, factor);
    draw(p);
  }
  return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_ARGB32);
}

QImage FlattenOnKey(const QImage& withAlpha, QColor key) {
  const QImage src = withAlpha.convertToFormat(QImage::Format_ARGB32);
  QImage out(src.size(), QImage::Format_RGB32);
  for (int y = 0; y < src.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < src.width(); ++x) {
      const int a = qAlpha(in[x]);
      QRgb c = a >= 128 ? qRgb(qRed(in[x]), qGreen(in[x]), qBlue(in[x])) : key.rgb();
      // A figure pixel must never be mistaken for the key.
      if (a >= 128 && c == key.rgb()) c = qRgb(qRed(c) - 1, qGreen(c), qBlue(c));
      line[x] = c;
    }
  }
  out.setPixel(0, out.height() - 1, key.rgb());
  return out;
}

QFont WesternFont(int pixelSize, bool bold) {
  QFont f(QStringLiteral("DejaVu Serif"));
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setStretch(QFont::Expanded);
  f.setLetterSpacing(QFont::PercentageSpacing, 104);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

QFont PlainFont(int pixelSize, bool bold) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

void OutlinedText(QPainter& p, const QRectF& rect, int flags, const QString& text, QColor fill,
                  QColor outline, double outlineWidth) {
  const QFontMetricsF fm(p.font());
  const QRectF bounds = fm.boundingRect(rect, flags, text);
  QPainterPath path;
  // Lay out line by line so multi-line text keeps its alignment.
  const QStringList lines = text.split('\n');
  double y = bounds.top() + fm.ascent();
  for (const QString& line : lines) {
    const double lw = fm.horizontalAdvance(line);
    double x = rect.left();
    if (flags & Qt::AlignHCenter) x = rect.center().x() - lw / 2;
    else if (flags & Qt::AlignRight) x = rect.right() - lw;
    path.addText(QPointF(x, y), p.font(), line);
    y += fm.lineSpacing();
  }
  p.save();
  p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
}

QColor Mix(QColor a, QColor b, double t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

}  // namespace paint

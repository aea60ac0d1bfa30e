// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the screen pictures in the game's look: dark weathered wood, brass trim, dusk skies.
#include "qt_screen_pictures.h"

#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <stdexcept>
#include <string>

#include "det_random.h"
#include "picture_words.h"
#include "qt_paint_util.h"

using paint::kInk;

namespace {

const QColor kBrass(214, 170, 86);
const QColor kDarkWood(52, 34, 22);

// Dark planks over the whole picture, with grain and nails.
void DarkPlanks(QPainter& p, QRectF area, DetRandom& rng, double brightness = 1.0) {
  const double step = 22;
  for (double y = area.top(); y < area.bottom(); y += step) {
    const QColor board = QColor::fromHsvF(0.075, 0.55, (0.2 + 0.04 * rng.Unit()) * brightness);
    p.fillRect(QRectF(area.left(), y, area.width(), step), board);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1.0));
    p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    p.setPen(QPen(QColor(255, 220, 170, 14), 1.0));
    p.drawLine(QPointF(area.left(), y + 1), QPointF(area.right(), y + 1));
    p.setPen(QPen(QColor(0, 0, 0, 40), 0.8));
    for (int k = 0; k < 5; ++k) {
      const double gy = y + rng.Range(4, step - 3), gx = rng.Range(area.left(), area.right()), len = rng.Range(30, 120);
      QPainterPath grain;
      grain.moveTo(gx, gy);
      grain.cubicTo(gx + len * 0.3, gy + rng.Signed() * 2, gx + len * 0.7, gy + rng.Signed() * 2, gx + len, gy);
      p.drawPath(grain);
    }
  }
}

void BrassFrame(QPainter& p, QRectF r) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kInk, 3.0));
  p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
  p.setPen(QPen(kBrass, 1.2));
  p.drawRect(r.adjusted(4, 4, -4, -4));
  p.setPen(Qt::NoPen);
  p.setBrush(kBrass);
  for (QPointF c : {r.topLeft() + QPointF(9, 9), r.topRight() + QPointF(-9, 9), r.bottomLeft() + QPointF(9, -9),
                    r.bottomRight() + QPointF(-9, -9)})
    p.drawEllipse(c, 2.2, 2.2);
}

void Vignette(QPainter& p, QRectF r, int alpha) {
  QRadialGradient g(r.center(), std::max(r.width(), r.height()) * 0.75);
  g.setColorAt(0.5, QColor(0, 0, 0, 0));
  g.setColorAt(1.0, QColor(0, 0, 0, alpha));
  p.fillRect(r, g);
}

void Star(QPainter& p, QPointF c, double r, QColor fill, int points = 5) {
  QPainterPath star;
  for (int i = 0; i < points * 2; ++i) {
    const double a = i * M_PI / points - M_PI / 2;
    const double rr = i % 2 == 0 ? r : r * 0.45;
    const QPointF q(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    i == 0 ? star.moveTo(q) : star.lineTo(q);
  }
  star.closeSubpath();
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(fill);
  p.drawPath(star);
  if (points == 6) {  // a sheriff's star has balls on its tips
    for (int i = 0; i < points; ++i) {
      const double a = i * 2 * M_PI / points - M_PI / 2;
      p.drawEllipse(QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a)), r * 0.12, r * 0.12);
    }
  }
}

void DuskSky(QPainter& p, QRectF r, QColor top, QColor horizon) {
  QLinearGradient g(0, r.top(), 0, r.bottom());
  g.setColorAt(0, top);
  g.setColorAt(1, horizon);
  p.fillRect(r, g);
}

// A town skyline silhouette along the bottom edge of r.
void TownSilhouette(QPainter& p, QRectF r, QColor colour, DetRandom& rng) {
  QPainterPath town;
  town.moveTo(r.left(), r.bottom());
  double x = r.left();
  while (x < r.right()) {
    const double w = rng.Range(18, 40), h = rng.Range(0.3, 0.9) * r.height();
    town.lineTo(x, r.bottom() - h);
    if (rng.Unit() < 0.3) town.lineTo(x + w / 2, r.bottom() - h - 8);
    town.lineTo(x + w, r.bottom() - h);
    x += w;
    town.lineTo(std::min(x, r.right()), r.bottom() - h * 0.5);
  }
  town.lineTo(r.right(), r.bottom());
  town.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(town);
}

void Cactus(QPainter& p, double x, double bottom, double h, QColor colour) {
  const double w = h * 0.17;
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawRoundedRect(QRectF(x - w / 2, bottom - h, w, h), w / 2, w / 2);
  p.drawRoundedRect(QRectF(x - w * 2, bottom - h * 0.75, w * 0.8, h * 0.35), w * 0.4, w * 0.4);
  p.drawRect(QRectF(x - w * 2, bottom - h * 0.45, w * 1.6, w * 0.7));
  p.drawRoundedRect(QRectF(x + w * 1.2, bottom - h * 0.85, w * 0.8, h * 0.4), w * 0.4, w * 0.4);
  p.drawRect(QRectF(x + w * 0.4, bottom - h * 0.5, w * 1.6, w * 0.7));
}

void Save(const QImage& img, const QString& path) {
  if (!img.save(path, "PNG")) throw std::runtime_error("cannot write " + path.toStdString());
}

QImage MenuBackground() {
  return paint::Supersample(305, 361, 2, [](QPainter& p) {
    DetRandom rng(9001);
    const QRectF all(0, 0, 305, 361);
    DarkPlanks(p, all, rng);
    // Dusk band behind the logo with the town far away.
    DuskSky(p, QRectF(0, 0, 305, 92), QColor(22, 16, 40), QColor(150, 66, 36));
    TownSilhouette(p, QRectF(0, 60, 305, 32), QColor(20, 12, 10), rng);
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(0, 92), QPointF(305, 92));
    p.setPen(QPen(kBrass, 1));
    p.drawLine(QPointF(0, 94), QPointF(305, 94));
    // Recessed panel behind the buttons.
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(QRectF(5, 100, 295, 232), 4, 4);
    Vignette(p, all, 150);
    BrassFrame(p, all);
  });
}

QImage MenuLogo() {
  return paint::Supersample(301, 60, 3, [](QPainter& p) {
    QFont f = paint::WesternFont(34);
    f.setStretch(QFont::Expanded);
    f.setLetterSpacing(QFont::PercentageSpacing, 108);
    const QString word = QStringLiteral("KEYSLINGER");
    const QFontMetricsF fm(f);
    double size = 34;
    while (fm.horizontalAdvance(word) * size / 34 > 244) size -= 0.5;
    f.setPixelSize(static_cast<int>(size));
    QPainterPath text;
    const QFontMetricsF fm2(f);
    const double x = 150.5 - fm2.horizontalAdvance(word) / 2;
    text.addText(QPointF(x, 47), f, word);
    // Drop shadow, thick dark outline, gold body with a lighter top, a thin highlight.
    p.save();
    p.translate(2.5, 2.5);
    p.setPen(QPen(QColor(0, 0, 0, 150), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPath(text);
    p.restore();
    p.setPen(QPen(QColor(40, 20, 8), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    QLinearGradient g(0, 18, 0, 48);
    g.setColorAt(0, QColor(255, 240, 170));
    g.setColorAt(0.45, QColor(236, 178, 64));
    g.setColorAt(0.55, QColor(196, 112, 30));
    g.setColorAt(1, QColor(150, 70, 20));
    p.setPen(QPen(QColor(110, 50, 14), 1.0));
    p.setBrush(g);
    p.drawPath(text);
    Star(p, QPointF(13, 34), 9, kBrass);
    Star(p, QPointF(288, 34), 9, kBrass);
  });
}

QImage PlayerBackground() {
  return paint::Supersample(273, 236, 2, [](QPainter& p) {
    DetRandom rng(9002);
    const QRectF all(0, 0, 273, 236);
    DarkPlanks(p, all, rng, 0.9);
    Vignette(p, all, 150);
    BrassFrame(p, all);
  });
}

QImage FirstStart() {
  return paint::Supersample(289, 154, 2, [](QPainter& p) {
    DetRandom rng(9003);
    const QRectF all(0, 0, 289, 154);
    DuskSky(p, all, QColor(16, 14, 36), QColor(110, 50, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 225, 160));
    for (int i = 0; i < 40; ++i) p.drawEllipse(QPointF(rng.Range(0, 289), rng.Range(0, 80)), 0.6, 0.6);
    p.setBrush(QColor(30, 18, 14));
    QPainterPath hills;
    hills.moveTo(0, 154);
    hills.lineTo(0, 104);
    hills.cubicTo(80, 92, 140, 112, 200, 100);
    hills.cubicTo(240, 94, 270, 100, 289, 98);
    hills.lineTo(289, 154);
    hills.closeSubpath();
    p.drawPath(hills);
    Cactus(p, 262, 112, 34, QColor(30, 18, 14));
    Cactus(p, 30, 110, 26, QColor(30, 18, 14));
    Star(p, QPointF(28, 58), 17, kBrass, 6);
    Vignette(p, all, 120);
    BrassFrame(p, all);
  });
}

// The board under a screen's title: an inked plank with a brass line 3 px inside its edge.
void HeaderBoard(QPainter& p, const QRectF& board) {
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(QColor(70, 44, 26));
  p.drawRect(board);
  p.setPen(QPen(kBrass, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(board.adjusted(3, 3, -3, -3));
}

QImage ScoreBackground() {
  return paint::Supersample(315, 325, 2, [](QPainter& p) {
    DetRandom rng(9004);
    const QRectF all(0, 0, 315, 325);
    DarkPlanks(p, all, rng, 0.9);
    HeaderBoard(p, QRectF(84, 10, 147, 50));
    // Beside the header board and above the player line (its text starts at y 56).
    Star(p, QPointF(44, 32), 13, kBrass, 6);
    Star(p, QPointF(271, 32), 13, kBrass, 6);
    Vignette(p, all, 150);
    BrassFrame(p, all);
  });
}

QImage ProgressBackground() {
  return paint::Supersample(640, 480, 2, [](QPainter& p) {
    DetRandom rng(9009);
    const QRectF all(0, 0, 640, 480);
    DarkPlanks(p, all, rng, 0.85);
    HeaderBoard(p, QRectF(220, 8, 200, 34));
    Star(p, QPointF(190, 25), 12, kBrass, 6);
    Star(p, QPointF(450, 25), 12, kBrass, 6);
    Vignette(p, all, 130);
    BrassFrame(p, all);
  });
}

QImage PauseBackground() {
  return paint::Supersample(216, 209, 2, [](QPainter& p) {
    DetRandom rng(9005);
    const QRectF all(0, 0, 216, 209);
    DuskSky(p, all, QColor(10, 12, 30), QColor(40, 34, 60));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 50; ++i) {
      p.setBrush(QColor(255, 250, 225, static_cast<int>(rng.Range(90, 220))));
      p.drawEllipse(QPointF(rng.Range(0, 216), rng.Range(0, 120)), 0.7, 0.7);
    }
    p.setBrush(QColor(236, 232, 206));
    p.drawEllipse(QPointF(178, 36), 14, 14);
    p.setBrush(QColor(10, 12, 30));
    p.drawEllipse(QPointF(184, 32), 12, 12);
    // Ground and a campfire.
    p.setBrush(QColor(26, 18, 16));
    QPainterPath ground;
    ground.moveTo(0, 209);
    ground.lineTo(0, 128);
    ground.cubicTo(70, 120, 140, 132, 216, 122);
    ground.lineTo(216, 209);
    ground.closeSubpath();
    p.drawPath(ground);
    QRadialGradient glow(QPointF(108, 122), 60);
    glow.setColorAt(0, QColor(255, 150, 60, 110));
    glow.setColorAt(1, QColor(255, 150, 60, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(108, 122), 60, 40);
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(90, 56, 34));
    p.save();
    p.translate(108, 132);
    p.rotate(15);
    p.drawRoundedRect(QRectF(-22, -3, 44, 6), 3, 3);
    p.rotate(-30);
    p.drawRoundedRect(QRectF(-22, -3, 44, 6), 3, 3);
    p.restore();
    QPainterPath flame;
    flame.moveTo(96, 130);
    flame.cubicTo(92, 116, 102, 110, 106, 96);
    flame.cubicTo(110, 108, 122, 114, 120, 130);
    flame.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 120, 40));
    p.drawPath(flame);
    QPainterPath inner;
    inner.moveTo(101, 130);
    inner.cubicTo(99, 121, 106, 117, 108, 108);
    inner.cubicTo(111, 117, 117, 121, 115, 130);
    inner.closeSubpath();
    p.setBrush(QColor(255, 220, 110));
    p.drawPath(inner);
    // A hat resting by the fire.
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(70, 48, 30));
    p.drawEllipse(QRectF(140, 128, 40, 8));
    p.drawRoundedRect(QRectF(150, 116, 20, 15), 5, 5);
    Cactus(p, 28, 126, 40, QColor(20, 14, 12));
    Vignette(p, all, 120);
  });
}

QImage TheEnd(const PictureWords& words) {
  return paint::Supersample(501, 408, 2, [&words](QPainter& p) {
    DetRandom rng(9006);
    const QRectF all(0, 0, 501, 408);
    DuskSky(p, QRectF(0, 0, 501, 270), QColor(40, 24, 70), QColor(252, 150, 60));
    QRadialGradient sun(QPointF(250, 262), 130);
    sun.setColorAt(0, QColor(255, 220, 120, 220));
    sun.setColorAt(0.25, QColor(255, 190, 90, 180));
    sun.setColorAt(1, QColor(255, 140, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(250, 262), 130, 130);
    p.setBrush(QColor(255, 222, 130));
    p.drawEllipse(QPointF(250, 262), 42, 42);
    // Mesas and the plain.
    p.setBrush(QColor(90, 40, 50));
    QPainterPath mesa;
    mesa.moveTo(0, 270);
    mesa.lineTo(0, 220);
    mesa.lineTo(30, 212);
    mesa.lineTo(110, 212);
    mesa.lineTo(130, 240);
    mesa.lineTo(360, 250);
    mesa.lineTo(380, 204);
    mesa.lineTo(450, 204);
    mesa.lineTo(470, 228);
    mesa.lineTo(501, 230);
    mesa.lineTo(501, 270);
    mesa.closeSubpath();
    p.drawPath(mesa);
    QLinearGradient plain(0, 262, 0, 408);
    plain.setColorAt(0, QColor(110, 50, 36));
    plain.setColorAt(1, QColor(28, 14, 12));
    p.setBrush(plain);
    p.drawRect(QRectF(0, 262, 501, 146));
    // The rider heading into the sun, small against it.
    const QColor sil(24, 12, 10);
    p.setBrush(sil);
    p.save();
    p.translate(250, 258);
    QPainterPath horse;
    horse.addEllipse(QRectF(-16, -14, 32, 12));            // body
    horse.addRect(QRectF(-14, -6, 3, 14));                 // legs
    horse.addRect(QRectF(-8, -6, 3, 13));
    horse.addRect(QRectF(6, -6, 3, 13));
    horse.addRect(QRectF(11, -6, 3, 14));
    QPainterPath neck;
    neck.moveTo(12, -12);
    neck.lineTo(20, -26);
    neck.lineTo(27, -22);
    neck.lineTo(17, -8);
    neck.closeSubpath();
    horse.addPath(neck);
    horse.addEllipse(QRectF(-20, -12, 6, 10));             // tail
    QPainterPath rider;
    rider.addRect(QRectF(-3, -30, 8, 18));
    rider.addEllipse(QRectF(-3, -38, 8, 8));
    rider.addEllipse(QRectF(-8, -36, 18, 4));              // hat brim
    rider.addRect(QRectF(-2, -42, 6, 5));
    p.drawPath(horse.simplified());
    p.drawPath(rider.simplified());
    p.restore();
    // Long shadow on the plain.
    p.setBrush(QColor(20, 10, 8, 120));
    p.drawEllipse(QRectF(228, 266, 60, 6));
    Cactus(p, 60, 300, 60, QColor(26, 14, 12));
    Cactus(p, 450, 292, 46, QColor(26, 14, 12));
    // Closing words in the sky.
    p.setFont(paint::WesternFont(40));
    paint::OutlinedText(p, QRectF(0, 16, 501, 50), Qt::AlignHCenter | Qt::AlignTop, QString::fromUtf8(words.theEnd),
                        QColor(255, 226, 140), QColor(40, 16, 8), 4);
    QFont body = paint::WesternFont(15, false);
    body.setStretch(QFont::Unstretched);
    p.setFont(body);
    const QRectF textBox(20, 76, 461, 80);
    const QRectF used = p.boundingRect(textBox, Qt::AlignHCenter | Qt::AlignTop, QString::fromUtf8(words.theEndText));
    if (used.width() > textBox.width() || used.height() > textBox.height())
      throw std::runtime_error(std::string("the end picture's words do not fit in ") + words.language);
    paint::OutlinedText(p, textBox, Qt::AlignHCenter | Qt::AlignTop,
                        QString::fromUtf8(words.theEndText),
                        QColor(255, 244, 220), QColor(40, 16, 8), 3);
    BrassFrame(p, all);
  });
}

QImage HelpPage(const PictureWords& words) {
  return paint::Supersample(382, 267, 2, [&words](QPainter& p) {
    DetRandom rng(9007);
    const QRectF all(0, 0, 382, 267);
    DarkPlanks(p, all, rng, 0.9);
    // A parchment notice nailed to the boards.
    const QRectF sheet(12, 10, 358, 247);
    p.setPen(QPen(kInk, 1.5));
    QLinearGradient paper(0, sheet.top(), 0, sheet.bottom());
    paper.setColorAt(0, QColor(242, 226, 186));
    paper.setColorAt(1, QColor(222, 196, 146));
    p.setBrush(paper);
    p.drawRect(sheet);
    p.setBrush(QColor(90, 90, 96));
    for (QPointF c : {QPointF(20, 18), QPointF(362, 18), QPointF(20, 249), QPointF(362, 249)}) p.drawEllipse(c, 2.5, 2.5);
    p.setPen(QColor(90, 30, 20));
    p.setFont(paint::WesternFont(22));
    p.drawText(QRectF(12, 14, 358, 30), Qt::AlignCenter, QString::fromUtf8(words.helpTitle));
    p.setPen(QPen(QColor(120, 70, 40), 1));
    p.drawLine(QPointF(60, 46), QPointF(322, 46));
    QStringList lines;
    for (const char* line : words.helpLines) lines << QString::fromUtf8(line);
    QFont f = paint::PlainFont(14, false);
    p.setFont(f);
    double y = 54;
    for (const QString& line : lines) {
      const QRectF box(40, y, 318, 200);
      const QRectF used = p.boundingRect(box, Qt::AlignLeft | Qt::TextWordWrap, line);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(150, 40, 30));
      Star(p, QPointF(30, y + 8), 5, QColor(150, 40, 30));
      p.setPen(QColor(40, 24, 14));
      p.drawText(box, Qt::AlignLeft | Qt::TextWordWrap, line);
      y += used.height() + 8;
    }
    // Every language's rules must end on the sheet.
    if (y - 8 > sheet.bottom() - 4)
      throw std::runtime_error(std::string("the help page's words run off the page in ") + words.language);
  });
}

}  // namespace

void WriteScreenPictures(const QString& root) {
  const QString dir = root + "/resources/pictures";
  QDir().mkpath(dir);
  struct Entry {
    const char* name;
    QImage image;
  };
  const PictureWords& english = kPictureWords[0];
  const Entry entries[] = {{"menu_background.png", MenuBackground()},   {"menu_logo.png", MenuLogo()},
                           {"player_background.png", PlayerBackground()}, {"first_start.png", FirstStart()},
                           {"score_background.png", ScoreBackground()},   {"pause.png", PauseBackground()},
                           {"the_end.png", TheEnd(english)},              {"help_page.png", HelpPage(english)},
                           {"progress_background.png", ProgressBackground()}};
  QString qrc = QStringLiteral("<RCC>\n  <qresource prefix=\"/pictures\">\n");
  for (const Entry& e : entries) {
    // Only the logo needs transparency; the rest are stored opaque.
    const bool keepAlpha = QString::fromLatin1(e.name) == QStringLiteral("menu_logo.png");
    Save(keepAlpha ? e.image : e.image.convertToFormat(QImage::Format_RGB32), dir + "/" + e.name);
    qrc += QStringLiteral("    <file alias=\"%1\">pictures/%1</file>\n").arg(QString::fromLatin1(e.name));
  }
  // The pictures with words once more in every other language, which the game picks at run time.
  for (const PictureWords& words : kPictureWords) {
    const QString language = QString::fromLatin1(words.language);
    if (language == QStringLiteral("en")) continue;
    QDir().mkpath(dir + "/" + language);
    const Entry worded[] = {{"the_end.png", TheEnd(words)}, {"help_page.png", HelpPage(words)}};
    for (const Entry& e : worded) {
      const QString name = language + "/" + QString::fromLatin1(e.name);
      Save(e.image.convertToFormat(QImage::Format_RGB32), dir + "/" + name);
      qrc += QStringLiteral("    <file alias=\"%1\">pictures/%1</file>\n").arg(name);
    }
  }
  qrc += QStringLiteral("  </qresource>\n</RCC>\n");
  QFile file(root + "/resources/pictures.qrc");
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write pictures.qrc");
  file.write(qrc.toUtf8());
}

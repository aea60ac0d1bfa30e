// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the actor figures from simple shapes: hats, heads, bandanas, coats and guns.
#include "qt_actors.h"

#include <QFile>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <stdexcept>

#include "qt_bmp_file.h"
#include "qt_paint_util.h"
#include "sound_recipes.h"

using paint::kInk;

namespace {

enum class Hat { Stetson, FlatBlack, Sombrero, SmallBack, Bonnet, Floppy };

struct Look {
  Hat hat;
  QColor hatColour, band;
  QColor skin;
  QColor shirt, vest;  // vest == shirt: no vest
  bool coat = false;   // long lapelled coat
  QColor bandana;      // alpha 0: no mask over the face
  QColor neckerchief;  // alpha 0: none
  bool mustache = false, beard = false, bandolier = false, poncho = false, freckles = false;
  bool civilian = false, woman = false, pickaxe = false;
};

Look LookOf(ActorLook look) {
  const QColor none(0, 0, 0, 0);
  switch (look) {
    case ActorLook::Rustler:
      return {Hat::Stetson, QColor(122, 84, 48), QColor(60, 36, 20), QColor(214, 160, 118), QColor(196, 186, 150),
              QColor(104, 70, 42), false, QColor(186, 34, 28), none};
    case ActorLook::Outlaw: {
      Look l{Hat::Stetson, QColor(40, 36, 34), QColor(130, 120, 100), QColor(200, 150, 112), QColor(150, 150, 160),
             QColor(98, 92, 84), true, QColor(34, 32, 36), none};
      return l;
    }
    case ActorLook::Desperado: {
      Look l{Hat::Sombrero, QColor(196, 158, 82), QColor(140, 40, 30), QColor(178, 124, 84), QColor(226, 214, 180),
             QColor(226, 214, 180), false, QColor(0, 0, 0, 0), QColor(40, 90, 140)};
      l.mustache = true;
      l.bandolier = true;
      l.poncho = true;
      return l;
    }
    case ActorLook::BlackBart: {
      Look l{Hat::FlatBlack, QColor(30, 28, 30), QColor(150, 30, 30), QColor(206, 156, 120), QColor(236, 232, 220),
             QColor(54, 30, 40), true, none, QColor(150, 30, 30)};
      l.mustache = true;
      return l;
    }
    case ActorLook::Kid: {
      Look l{Hat::SmallBack, QColor(160, 120, 70), QColor(90, 60, 30), QColor(232, 182, 140), QColor(170, 60, 50),
             QColor(90, 70, 50), false, none, QColor(52, 86, 160)};
      l.freckles = true;
      return l;
    }
    case ActorLook::Townswoman: {
      Look l{Hat::Bonnet, QColor(120, 160, 210), QColor(250, 240, 220), QColor(236, 192, 158), QColor(96, 132, 190),
             QColor(96, 132, 190), false, none, none};
      l.civilian = true;
      l.woman = true;
      return l;
    }
    case ActorLook::OldMiner: {
      Look l{Hat::Floppy, QColor(140, 110, 76), QColor(100, 76, 50), QColor(220, 168, 128), QColor(180, 60, 48),
             QColor(180, 60, 48), false, none, none};
      l.beard = true;
      l.civilian = true;
      l.pickaxe = true;
      return l;
    }
    case ActorLook::Bottle:
      break;
  }
  return {};
}

QPen InkPen(double w = 1.0) { return QPen(kInk, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Backdrop(QPainter& p) {
  QRadialGradient g(QPointF(32, 34), 46);
  g.setColorAt(0.0, paint::kInteriorGlow);
  g.setColorAt(1.0, paint::kInteriorDeep);
  p.fillRect(QRectF(0, 0, kActorWidth, kActorHeight), g);
  // Faint boards of the back wall.
  p.setPen(QPen(QColor(0, 0, 0, 60), 0.6));
  for (int x = 8; x < kActorWidth; x += 12) p.drawLine(QPointF(x, 0), QPointF(x, kActorHeight));
}

void Revolver(QPainter& p, QPointF grip, double angleDeg, double scale = 1.0) {
  p.save();
  p.translate(grip);
  p.rotate(angleDeg);
  p.scale(scale, scale);
  p.setPen(InkPen(0.7));
  p.setBrush(QColor(96, 98, 104));
  p.drawRect(QRectF(-1.6, -17, 3.2, 11));     // barrel
  p.drawRect(QRectF(-2.6, -8, 5.2, 5.5));     // cylinder
  p.setBrush(QColor(110, 66, 36));
  p.drawRoundedRect(QRectF(-2.2, -3, 4.4, 7), 1.2, 1.2);  // grip
  p.setPen(QPen(QColor(190, 194, 200), 0.6));
  p.drawLine(QPointF(-0.6, -16.5), QPointF(-0.6, -7));
  p.restore();
}

void MuzzleFlash(QPainter& p, QPointF c, double r) {
  QPainterPath star;
  const int points = 9;
  for (int i = 0; i < points * 2; ++i) {
    const double a = i * M_PI / points - M_PI / 2;
    const double rr = (i % 2 == 0) ? r : r * 0.42;
    const QPointF q(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    i == 0 ? star.moveTo(q) : star.lineTo(q);
  }
  star.closeSubpath();
  p.setPen(QPen(QColor(255, 140, 20), 0.8));
  p.setBrush(QColor(255, 210, 60));
  p.drawPath(star);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 220));
  p.drawEllipse(c, r * 0.35, r * 0.35);
}

void Smoke(QPainter& p, QPointF c) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 196, 186, 150));
  p.drawEllipse(c + QPointF(-3, -3), 4, 3.5);
  p.drawEllipse(c + QPointF(2, -6), 3.5, 3);
  p.drawEllipse(c + QPointF(-1, -9), 2.5, 2.2);
}

void HatShape(QPainter& p, const Look& l, bool knockedOff) {
  p.setPen(InkPen(0.9));
  p.setBrush(l.hatColour);
  switch (l.hat) {
    case Hat::Stetson: {
      QPainterPath brim;
      brim.moveTo(9, 24);
      brim.quadTo(32, 17, 55, 24);
      brim.quadTo(32, 29, 9, 24);
      p.drawPath(brim);
      QPainterPath crown;
      crown.moveTo(21, 22);
      crown.cubicTo(20, 12, 22, 6, 27, 7);
      crown.quadTo(32, 10, 37, 7);
      crown.cubicTo(42, 6, 44, 12, 43, 22);
      crown.closeSubpath();
      p.drawPath(crown);
      p.setBrush(l.band);
      p.drawRect(QRectF(21, 18, 22, 3));
      break;
    }
    case Hat::FlatBlack: {
      p.drawEllipse(QRectF(8, 19.5, 48, 7));
      p.drawRect(QRectF(21, 9, 22, 13));
      p.setBrush(l.band);
      p.drawRect(QRectF(21, 18, 22, 2.5));
      p.setPen(QPen(QColor(90, 86, 90), 0.6));
      p.drawLine(QPointF(23, 10.5), QPointF(41, 10.5));
      break;
    }
    case Hat::Sombrero: {
      p.drawEllipse(QRectF(1, 19, 62, 10));
      QPainterPath crown;
      crown.moveTo(22, 23);
      crown.cubicTo(21, 8, 26, 3, 32, 3);
      crown.cubicTo(38, 3, 43, 8, 42, 23);
      crown.closeSubpath();
      p.drawPath(crown);
      p.setPen(QPen(l.band, 1.4));
      p.drawLine(QPointF(22.5, 19), QPointF(41.5, 19));
      p.drawArc(QRectF(5, 21, 54, 6), 200 * 16, 140 * 16);
      break;
    }
    case Hat::SmallBack: {
      p.drawEllipse(QRectF(13, 15, 38, 7));
      QPainterPath crown;
      crown.moveTo(22, 18);
      crown.cubicTo(22, 9, 26, 7, 32, 8);
      crown.cubicTo(38, 7, 42, 9, 42, 18);
      crown.closeSubpath();
      p.drawPath(crown);
      p.setBrush(l.band);
      p.drawRect(QRectF(22, 15, 20, 2.2));
      break;
    }
    case Hat::Bonnet: {
      if (!knockedOff) {
        QPainterPath bonnet;
        bonnet.moveTo(17, 42);
        bonnet.cubicTo(10, 26, 18, 10, 32, 10);
        bonnet.cubicTo(46, 10, 54, 26, 47, 42);
        bonnet.quadTo(44, 28, 32, 22);
        bonnet.quadTo(20, 28, 17, 42);
        p.drawPath(bonnet);
        p.setPen(QPen(paint::Mix(l.hatColour, Qt::white, 0.4), 0.8));
        p.drawArc(QRectF(15, 14, 34, 30), 20 * 16, 140 * 16);
        p.setPen(InkPen(0.6));
        p.setBrush(l.band);
        p.drawEllipse(QPointF(32, 47.5), 2.2, 1.6);  // ribbon bow under the chin
      } else {
        p.drawEllipse(QRectF(14, 10, 36, 24));
      }
      break;
    }
    case Hat::Floppy: {
      QPainterPath brim;
      brim.moveTo(10, 27);
      brim.quadTo(14, 20, 32, 20);
      brim.quadTo(50, 20, 54, 27);
      brim.quadTo(32, 24, 10, 27);
      p.drawPath(brim);
      QPainterPath crown;
      crown.moveTo(20, 22);
      crown.cubicTo(19, 10, 27, 7, 33, 9);
      crown.cubicTo(41, 7, 45, 13, 44, 22);
      crown.closeSubpath();
      p.drawPath(crown);
      p.setPen(QPen(l.band, 0.8));
      p.drawLine(QPointF(21, 19), QPointF(43, 19));
      break;
    }
  }
}

// The head and face; dead shows crossed eyes.
void Head(QPainter& p, const Look& l, ActorPose pose) {
  p.setPen(InkPen(0.9));
  p.setBrush(l.skin);
  p.drawRect(QRectF(28, 42, 8, 10));  // neck
  if (l.woman) {
    p.setBrush(QColor(110, 70, 40));
    p.drawEllipse(QRectF(18, 18, 28, 26));  // hair behind the face
    p.setBrush(l.skin);
  }
  p.drawEllipse(QRectF(21, 21, 22, 26));
  p.drawEllipse(QRectF(19.5, 31, 3.5, 6));
  p.drawEllipse(QRectF(41, 31, 3.5, 6));
  if (l.woman) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 70, 40));
    QPainterPath fringe;
    fringe.moveTo(22, 29);
    fringe.quadTo(32, 18, 42, 29);
    fringe.quadTo(32, 24, 22, 29);
    p.drawPath(fringe);
  }

  const bool dead = pose == ActorPose::Dead;
  if (dead && !l.woman) {  // the hat is gone: show the hair
    p.setPen(InkPen(0.7));
    p.setBrush(l.beard ? QColor(200, 196, 188) : QColor(70, 46, 30));
    QPainterPath hair;
    hair.moveTo(21.5, 32);
    hair.cubicTo(20, 18, 44, 18, 42.5, 32);
    hair.quadTo(40, 25, 32, 25);
    hair.quadTo(24, 25, 21.5, 32);
    p.drawPath(hair);
  }
  p.setPen(InkPen(1.0));
  if (dead) {
    for (double ex : {27.5, 36.5}) {
      p.drawLine(QPointF(ex - 1.8, 30), QPointF(ex + 1.8, 33.6));
      p.drawLine(QPointF(ex + 1.8, 30), QPointF(ex - 1.8, 33.6));
    }
  } else {
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(27.5, 32), 2.3, 1.5);
    p.drawEllipse(QPointF(36.5, 32), 2.3, 1.5);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(28, 32), 1.1, 1.2);
    p.drawEllipse(QPointF(36, 32), 1.1, 1.2);
    p.setPen(InkPen(1.1));
    if (l.civilian) {  // friendly raised brows
      p.drawLine(QPointF(25, 28.6), QPointF(30, 28.2));
      p.drawLine(QPointF(34, 28.2), QPointF(39, 28.6));
    } else {  // scowl
      p.drawLine(QPointF(24.8, 28), QPointF(30.2, 30));
      p.drawLine(QPointF(33.8, 30), QPointF(39.2, 28));
    }
  }
  p.setPen(InkPen(0.8));
  p.drawLine(QPointF(32, 33), QPointF(31, 37));  // nose
  if (l.freckles) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 110, 70));
    for (QPointF f : {QPointF(26, 36), QPointF(28, 37), QPointF(36, 37), QPointF(38, 36)}) p.drawEllipse(f, 0.6, 0.6);
  }
  if (l.bandana.alpha() == 0 && !l.beard) {
    p.setPen(InkPen(0.9));
    p.setBrush(Qt::NoBrush);
    if (dead) p.drawEllipse(QPointF(32, 41.5), 1.8, 2.2);
    else if (l.civilian) p.drawArc(QRectF(28, 37, 8, 5), 200 * 16, 140 * 16);
    else p.drawLine(QPointF(29, 41.5), QPointF(35, 40.8));
  }
  if (l.mustache) {
    p.setPen(InkPen(0.6));
    p.setBrush(QColor(34, 24, 18));
    QPainterPath m;
    m.moveTo(32, 37.5);
    m.cubicTo(28, 36.5, 25, 38, 23.5, 42);
    m.cubicTo(26, 39.5, 29, 39.5, 32, 39.5);
    m.cubicTo(35, 39.5, 38, 39.5, 40.5, 42);
    m.cubicTo(39, 38, 36, 36.5, 32, 37.5);
    p.drawPath(m);
  }
  if (l.beard) {
    p.setPen(InkPen(0.7));
    p.setBrush(QColor(214, 210, 200));
    QPainterPath b;
    b.moveTo(21.5, 33);
    b.cubicTo(21, 44, 26, 56, 32, 57);
    b.cubicTo(38, 56, 43, 44, 42.5, 33);
    b.cubicTo(40, 39, 36, 37, 32, 37);
    b.cubicTo(28, 37, 24, 39, 21.5, 33);
    p.drawPath(b);
    p.setPen(QPen(QColor(160, 156, 148), 0.5));
    for (double x : {27.0, 32.0, 37.0}) p.drawLine(QPointF(x, 44), QPointF(x + (x - 32) * 0.1, 53));
    p.setPen(InkPen(0.8));
    p.setBrush(dead ? kInk : QColor(120, 50, 40));
    p.drawEllipse(QPointF(32, 41), 2.2, dead ? 1.8 : 1.2);
  }
  if (l.bandana.alpha() > 0) {
    p.setPen(InkPen(0.8));
    p.setBrush(l.bandana);
    QPainterPath b;
    b.moveTo(20.5, 35);
    b.quadTo(32, 33.5, 43.5, 35);
    b.lineTo(42.5, 44);
    b.lineTo(32, 53);
    b.lineTo(21.5, 44);
    b.closeSubpath();
    p.drawPath(b);
    p.setPen(Qt::NoPen);
    p.setBrush(paint::Mix(l.bandana, Qt::white, 0.55));
    for (QPointF d : {QPointF(25, 38), QPointF(30, 40), QPointF(35, 38), QPointF(39, 40), QPointF(28, 45),
                      QPointF(33, 46), QPointF(37, 44), QPointF(32, 50)})
      p.drawEllipse(d, 0.7, 0.7);
  }
}

void Torso(QPainter& p, const Look& l) {
  p.setPen(InkPen(1.0));
  QPainterPath body;
  body.moveTo(5, 81);
  body.lineTo(5, 66);
  body.quadTo(7, 54, 21, 51);
  body.lineTo(43, 51);
  body.quadTo(57, 54, 59, 66);
  body.lineTo(59, 81);
  body.closeSubpath();
  p.setBrush(l.shirt);
  p.drawPath(body);
  if (l.poncho) {
    QPainterPath poncho;
    poncho.moveTo(4, 81);
    poncho.lineTo(4, 64);
    poncho.quadTo(8, 52, 24, 50);
    poncho.lineTo(32, 58);
    poncho.lineTo(40, 50);
    poncho.quadTo(56, 52, 60, 64);
    poncho.lineTo(60, 81);
    poncho.closeSubpath();
    p.setBrush(QColor(150, 60, 40));
    p.drawPath(poncho);
    p.save();
    p.setClipPath(poncho);
    for (int i = 0; i < 4; ++i) {
      const double y = 60 + i * 6;
      p.fillRect(QRectF(0, y, 64, 1.6), i % 2 ? QColor(230, 190, 80) : QColor(60, 110, 150));
    }
    p.restore();
  } else if (l.coat || l.vest != l.shirt) {
    p.setBrush(l.vest);
    const double inner = l.coat ? 6 : 4;
    QPainterPath left, right;
    left.moveTo(5, 81);
    left.lineTo(5, 66);
    left.quadTo(7, 54, 21, 51);
    left.lineTo(26, 51);
    left.lineTo(32 - inner + 4, 81);
    left.closeSubpath();
    right.moveTo(59, 81);
    right.lineTo(59, 66);
    right.quadTo(57, 54, 43, 51);
    right.lineTo(38, 51);
    right.lineTo(32 + inner - 4, 81);
    right.closeSubpath();
    p.drawPath(left);
    p.drawPath(right);
    if (l.coat) {  // lapels
      p.setBrush(paint::Mix(l.vest, Qt::black, 0.25));
      QPainterPath lapel;
      lapel.moveTo(24, 51);
      lapel.lineTo(29, 62);
      lapel.lineTo(25, 60);
      lapel.closeSubpath();
      p.drawPath(lapel);
      QPainterPath lapel2;
      lapel2.moveTo(40, 51);
      lapel2.lineTo(35, 62);
      lapel2.lineTo(39, 60);
      lapel2.closeSubpath();
      p.drawPath(lapel2);
    } else {
      p.setBrush(QColor(220, 200, 90));
      p.drawEllipse(QPointF(21, 62), 1.6, 1.6);  // star-shaped badge stand-in: a brass button
    }
  }
  if (l.woman) {  // lace collar and buttons
    p.setBrush(QColor(246, 240, 226));
    p.drawEllipse(QRectF(22, 49, 20, 7));
    p.setBrush(QColor(246, 240, 226));
    for (double y : {60.0, 66.0, 72.0}) p.drawEllipse(QPointF(32, y), 1.1, 1.1);
  }
  if (l.pickaxe) {  // suspenders
    p.setPen(QPen(QColor(70, 50, 34), 2.2));
    p.drawLine(QPointF(24, 52), QPointF(22, 81));
    p.drawLine(QPointF(40, 52), QPointF(42, 81));
    p.setPen(InkPen(0.7));
    p.setBrush(QColor(230, 220, 200));
    for (double y : {58.0, 64.0, 70.0}) p.drawEllipse(QPointF(32, y), 0.9, 0.9);
  }
  if (l.neckerchief.alpha() > 0) {
    p.setPen(InkPen(0.7));
    p.setBrush(l.neckerchief);
    QPainterPath n;
    n.moveTo(26, 50);
    n.lineTo(38, 50);
    n.lineTo(32, 58);
    n.closeSubpath();
    p.drawPath(n);
  }
  if (l.bandolier) {
    p.save();
    p.translate(32, 66);
    p.rotate(-38);
    p.setPen(InkPen(0.7));
    p.setBrush(QColor(90, 60, 36));
    p.drawRect(QRectF(-26, -3, 52, 6));
    p.setBrush(QColor(210, 170, 70));
    for (int i = -22; i <= 22; i += 4) p.drawRect(QRectF(i - 1, -4.5, 2, 4));
    p.restore();
  }
}

void Hand(QPainter& p, const Look& l, QPointF c, double r = 3.4) {
  p.setPen(InkPen(0.8));
  p.setBrush(l.skin);
  p.drawEllipse(c, r, r * 0.9);
}

void Sleeve(QPainter& p, const Look& l, QPointF from, QPointF to, double width) {
  const QColor colour = (l.coat || l.poncho) ? (l.poncho ? QColor(150, 60, 40) : l.vest) : l.shirt;
  p.setPen(QPen(kInk, width + 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
}

void Pickaxe(QPainter& p, QPointF handleEnd, double angle) {
  p.save();
  p.translate(handleEnd);
  p.rotate(angle);
  p.setPen(InkPen(0.7));
  p.setBrush(QColor(150, 110, 66));
  p.drawRect(QRectF(-1.3, -40, 2.6, 40));
  p.setBrush(QColor(150, 150, 156));
  QPainterPath head;
  head.moveTo(-14, -36);
  head.quadTo(0, -44, 14, -36);
  head.quadTo(0, -40, -14, -36);
  p.drawPath(head);
  p.restore();
}

// A whole figure in one pose; the backdrop is drawn separately.
void Figure(QPainter& p, const Look& l, ActorPose pose) {
  const bool active = pose == ActorPose::Active;
  const bool dead = pose == ActorPose::Dead;
  Torso(p, l);
  if (l.pickaxe && !dead) Pickaxe(p, QPointF(13, 80), -6);
  if (l.civilian) {
    if (active) {  // waving
      Sleeve(p, l, QPointF(50, 60), QPointF(55, 40), 6.5);
      Sleeve(p, l, QPointF(55, 40), QPointF(56, 22), 6);
      Hand(p, l, QPointF(56, 18), 4);
      p.setPen(QPen(QColor(240, 230, 200, 200), 0.9));
      p.drawArc(QRectF(46, 10, 20, 16), 60 * 16, 60 * 16);
      p.drawArc(QRectF(44, 7, 24, 20), 60 * 16, 60 * 16);
    } else if (dead) {
      Sleeve(p, l, QPointF(14, 60), QPointF(6, 46), 6);
      Hand(p, l, QPointF(5, 43));
      Sleeve(p, l, QPointF(50, 60), QPointF(58, 46), 6);
      Hand(p, l, QPointF(59, 43));
    } else {
      Sleeve(p, l, QPointF(14, 62), QPointF(26, 72), 6);
      Sleeve(p, l, QPointF(50, 62), QPointF(38, 72), 6);
      Hand(p, l, QPointF(28, 72));
      Hand(p, l, QPointF(36, 72));
    }
  } else if (active) {
    // Arm thrust forward, the gun seen end-on, firing at the player.
    Sleeve(p, l, QPointF(53, 66), QPointF(46, 66), 8);
    MuzzleFlash(p, QPointF(42, 55), 15);
    p.setPen(InkPen(0.8));
    p.setBrush(QColor(96, 98, 104));
    p.drawRoundedRect(QRectF(37.5, 50, 10, 10), 2.5, 2.5);
    p.setBrush(QColor(10, 8, 8));
    p.drawEllipse(QPointF(42.5, 53.5), 2.2, 2.2);
    p.setBrush(QColor(150, 152, 158));
    p.drawRect(QRectF(41.5, 48, 2, 2));
    Hand(p, l, QPointF(43, 63), 4.6);
    Smoke(p, QPointF(54, 44));
  } else if (!dead) {
    // Gun held up beside the face, ready.
    Sleeve(p, l, QPointF(51, 62), QPointF(50, 70), 7);
    Sleeve(p, l, QPointF(51, 62), QPointF(51, 58), 7);
    Revolver(p, QPointF(51, 55), 8, 1.1);
    Hand(p, l, QPointF(51, 56.5), 3.6);
  } else {
    Sleeve(p, l, QPointF(14, 60), QPointF(6, 48), 6.5);
    Hand(p, l, QPointF(5, 45));
    Sleeve(p, l, QPointF(50, 60), QPointF(57, 50), 6.5);
    Hand(p, l, QPointF(58, 47));
  }
  Head(p, l, pose);
  if (!dead) HatShape(p, l, false);
}

void BottleShape(QPainter& p, ActorPose pose) {
  // The shelf it stands on.
  p.setPen(InkPen(0.9));
  if (pose != ActorPose::Dead) {
    p.setBrush(QColor(124, 84, 48));
    p.drawRect(QRectF(4, 68, 56, 6));
    p.setBrush(QColor(90, 60, 34));
    p.drawRect(QRectF(10, 74, 4, 6));
    p.drawRect(QRectF(50, 74, 4, 6));
  }
  const QColor glass(70, 140, 70);
  if (pose == ActorPose::Dead) {
    const QPointF shards[][3] = {{{20, 40}, {28, 34}, {25, 48}}, {{38, 30}, {46, 36}, {40, 42}},
                                 {{14, 58}, {22, 54}, {20, 66}}, {{42, 54}, {52, 50}, {48, 62}},
                                 {{30, 22}, {35, 18}, {34, 28}}, {{26, 64}, {36, 60}, {32, 72}}};
    p.setBrush(QColor(120, 200, 120));
    for (const auto& s : shards) {
      p.save();
      const QPointF c = (s[0] + s[1] + s[2]) / 3;
      p.translate(c);
      p.scale(1.5, 1.5);
      p.translate(-c);
      p.drawPolygon(s, 3);
      p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 150, 60));
    p.drawEllipse(QPointF(32, 46), 6, 4);
    p.drawEllipse(QPointF(44, 44), 2.5, 2);
    p.drawEllipse(QPointF(20, 50), 2.2, 1.8);
    return;
  }
  QPainterPath bottle;
  bottle.moveTo(28, 14);
  bottle.lineTo(36, 14);
  bottle.lineTo(36, 30);
  bottle.cubicTo(44, 34, 44, 38, 44, 42);
  bottle.lineTo(44, 66);
  bottle.quadTo(44, 68, 42, 68);
  bottle.lineTo(22, 68);
  bottle.quadTo(20, 68, 20, 66);
  bottle.lineTo(20, 42);
  bottle.cubicTo(20, 38, 20, 34, 28, 30);
  bottle.closeSubpath();
  p.setBrush(glass);
  p.drawPath(bottle);
  p.setBrush(QColor(150, 100, 60));
  p.drawRect(QRectF(27.5, 10, 9, 5));  // cork
  p.setBrush(QColor(236, 222, 180));
  p.drawRect(QRectF(22, 46, 20, 13));
  p.setPen(QPen(QColor(150, 30, 30), 1.6));
  p.setFont(paint::WesternFont(8));
  p.drawText(QRectF(22, 46, 20, 13), Qt::AlignCenter, QStringLiteral("XXX"));
  p.setPen(QPen(QColor(200, 240, 200, 180), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(24, 40), QPointF(24, 44));
  p.drawLine(QPointF(24, 60), QPointF(24, 64));
  if (pose == ActorPose::Active) {
    for (auto [c, r] : {std::pair{QPointF(35, 24), 9.0}, std::pair{QPointF(18, 40), 5.0}, std::pair{QPointF(47, 56), 4.0}}) {
      QPainterPath spark;
      spark.moveTo(c.x(), c.y() - r);
      spark.quadTo(c, QPointF(c.x() + r, c.y()));
      spark.quadTo(c, QPointF(c.x(), c.y() + r));
      spark.quadTo(c, QPointF(c.x() - r, c.y()));
      spark.quadTo(c, QPointF(c.x(), c.y() - r));
      p.setPen(QPen(QColor(255, 240, 180), 0.6));
      p.setBrush(QColor(255, 255, 230));
      p.drawPath(spark);
    }
  }
}

}  // namespace

QImage DrawActor(ActorLook look, ActorPose pose) {
  const bool dead = pose == ActorPose::Dead;
  QImage img = paint::Supersample(kActorWidth, kActorHeight, 4, [&](QPainter& p) {
    if (!dead) Backdrop(p);
    if (look == ActorLook::Bottle) {
      BottleShape(p, pose);
      return;
    }
    const Look l = LookOf(look);
    if (dead) {
      // Knocked backwards: the figure tilts from its base, the hat flies off.
      p.save();
      p.translate(26, 86);
      p.rotate(16);
      p.scale(0.86, 0.86);
      p.translate(-32, -80);
      Figure(p, l, pose);
      p.restore();
      p.save();
      p.translate(10, 6);
      p.rotate(-28);
      p.scale(0.8, 0.8);
      p.translate(-30, -12);
      if (l.hat != Hat::Bonnet) HatShape(p, l, true);
      p.restore();
    } else {
      Figure(p, l, pose);
    }
  });
  if (dead) return paint::FlattenOnKey(img, QColor(255, 0, 255));
  return img.convertToFormat(QImage::Format_RGB32);
}

void WriteActorFolder(const ActorKind& kind, const QString& dir) {
  SaveBmp24(DrawActor(kind.look, ActorPose::Face), dir + "/Face.bmp");
  SaveBmp24(DrawActor(kind.look, ActorPose::Dead), dir + "/Dead.bmp");
  SaveBmp24(DrawActor(kind.look, ActorPose::Active), dir + "/Active.bmp");
  const QString ini = QStringLiteral(
                          "[object]\r\nCharacter=%1\r\n\r\n[images]\r\nface=Face.bmp\r\ndead=Dead.bmp\r\nactive=Active.bmp\r\n\r\n"
                          "[sound]\r\nSND_APPEAR=appear.wav\r\nSND_ACTIVE=active.wav\r\nSND_DEAD=dead.wav\r\n")
                          .arg(kind.character);
  QFile file(dir + "/Object.ini");
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write Object.ini");
  file.write(ini.toLatin1());
  WriteActorSounds(kind.look, dir.toStdString());
}

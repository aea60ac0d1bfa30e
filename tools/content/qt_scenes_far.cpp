// SPDX-License-Identifier: GPL-3.0-or-later
// The levels beyond the town: hotel, mine, canyon, ranch, river, ghost town, fort, showdown.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "qt_paint_util.h"
#include "qt_scenes.h"

namespace {

using Front = SceneCanvas::Front;
using OS = OpeningStyle;

const QColor kBrown(146, 104, 66), kRed(150, 72, 52), kGrey(134, 122, 106), kYellow(184, 144, 84);
const QColor kBoard(60, 38, 24), kGold(240, 200, 110), kCream(240, 228, 196);
constexpr int kStreet = 372;

void DayBackdrop(SceneCanvas& c) {
  c.Sky(QColor(86, 146, 206), QColor(240, 204, 150), 300);
  c.Clouds(4, 20, 110, QColor(255, 246, 232, 200));
  c.Ridge(250, 70, QColor(150, 140, 160), 1.2);
  c.Ridge(290, 40, QColor(176, 132, 100), 0.8);
  c.Ground(300, QColor(120, 82, 50), QColor(196, 152, 100));
}

// A rock wall filling the picture from `top` down, with strata.
void RockFace(SceneCanvas& c, double top, QColor rock) {
  QPainter& p = c.P();
  QPainterPath wall;
  wall.moveTo(0, 480);
  for (int x = 0; x <= 640; x += 20) wall.lineTo(x, top + 18 * std::sin(x / 70.0) + c.Rng().Range(-6, 6));
  wall.lineTo(640, 480);
  wall.closeSubpath();
  QLinearGradient g(0, top, 0, 480);
  g.setColorAt(0, Shade(rock, 1.1));
  g.setColorAt(1, Shade(rock, 0.7));
  p.setPen(QPen(paint::kInk, 1.6));
  p.setBrush(g);
  p.drawPath(wall);
  p.save();
  p.setClipPath(wall);
  p.setPen(QPen(Shade(rock, 0.75), 1.4));
  for (double y = top + 20; y < 480; y += c.Rng().Range(14, 26)) {
    QPainterPath line;
    line.moveTo(0, y);
    for (int x = 0; x <= 640; x += 40) line.lineTo(x, y + c.Rng().Range(-4, 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
  }
  p.restore();
}

// A rock ledge under a row of caves.
void Ledge(SceneCanvas& c, double x0, double x1, double y, QColor rock) {
  QPainter& p = c.P();
  p.setPen(QPen(paint::kInk, 1.2));
  p.setBrush(Shade(rock, 0.85));
  QPainterPath l;
  l.moveTo(x0, y);
  l.lineTo(x1, y);
  l.lineTo(x1 - 10, y + 10);
  l.lineTo(x0 + 10, y + 10);
  l.closeSubpath();
  p.drawPath(l);
}

void Hotel(SceneCanvas& c) {
  DayBackdrop(c);
  c.Building(112, 528, 12, 380, QColor(170, 120, 90), Front::Flat);
  c.Sign(QRectF(200, 22, 240, 30), "GRAND HOTEL", kBoard, kGold, 22);
  c.Building(0, 100, 150, 380, kGrey, Front::Flat);
  c.Building(540, 640, 120, 380, kBrown, Front::Stepped);
  for (int x : {132, 228, 348, 444}) c.Opening(OS::Window, x, 68, x < 300 ? 1 : 2);
  c.Balcony(120, 520, 176);
  for (int x : {132, 228, 348, 444}) c.Opening(OS::Window, x, 188, x < 300 ? 1 : 2);
  c.Balcony(120, 520, 290);
  c.Opening(OS::Door, 288, 292, 3);
  c.Opening(OS::Window, 558, 196, 2);
  c.Opening(OS::Door, 18, 292, 1);
  c.BlindWindow(QRectF(144, 306, 44, 50));
  c.BlindWindow(QRectF(452, 306, 44, 50));
  c.Boardwalk(0, 640, kStreet);
  c.Lamp(108, kStreet);
  c.Lamp(534, kStreet);
  c.Barrel(600, kStreet);
}

void Mine(SceneCanvas& c) {
  c.Sky(QColor(96, 150, 200), QColor(236, 206, 160), 200);
  c.Clouds(3, 10, 60, QColor(255, 246, 232, 200));
  const QColor rock(140, 110, 86);
  RockFace(c, 20, rock);
  Ledge(c, 20, 620, 126, rock);
  Ledge(c, 0, 640, 246, rock);
  for (int x : {60, 288, 510}) c.Opening(OS::Cave, x, 42, x < 200 ? 1 : (x > 400 ? 2 : 3));
  for (int x : {30, 180, 400, 540}) c.Opening(OS::Tunnel, x, 164, 3);
  // Shack on the right.
  c.Building(440, 640, 250, 380, QColor(120, 110, 96), Front::Flat);
  c.Sign(QRectF(452, 256, 100, 22), "ASSAY", kBoard, kCream);
  c.Opening(OS::Tunnel, 36, 292, 3);
  c.Opening(OS::Tunnel, 210, 292, 3);
  c.Opening(OS::Door, 470, 292, 1);
  c.Opening(OS::Window, 560, 292, 2);
  c.Ground(372, QColor(90, 66, 48), QColor(120, 90, 64));
  c.Rails(384);
  QPainter& p = c.P();
  p.setPen(QPen(paint::kInk, 1.2));
  p.setBrush(QColor(90, 80, 76));
  p.drawRect(QRectF(310, 340, 70, 34));
  p.setBrush(QColor(60, 56, 54));
  p.drawEllipse(QPointF(324, 378), 7, 7);
  p.drawEllipse(QPointF(366, 378), 7, 7);
  c.Rocks(300, 390, 344, QColor(200, 170, 90), 5);
  c.Lamp(140, kStreet);
}

void Canyon(SceneCanvas& c) {
  c.Sky(QColor(110, 160, 210), QColor(250, 210, 150), 160);
  const QColor rock(178, 92, 58);
  RockFace(c, 14, rock);
  Ledge(c, 40, 600, 124, rock);
  Ledge(c, 0, 640, 244, rock);
  for (int x : {70, 288, 500}) c.Opening(OS::Cave, x, 38, x < 200 ? 1 : (x > 400 ? 2 : 3));
  for (int x : {24, 180, 396, 552}) c.Opening(OS::Cave, x, 158, x < 300 ? 1 : 2);
  for (int x : {60, 230, 400, 560}) c.Opening(OS::Cave, x, 292, 3);
  c.Ground(378, QColor(130, 70, 44), QColor(170, 96, 60));
  c.Rocks(0, 640, 400, QColor(160, 84, 52), 12);
  c.Cactus(150, 396, 54);
  c.Cactus(500, 398, 40);
  c.Tumbleweed(350, 430, 12);
}

void Ranch(SceneCanvas& c) {
  DayBackdrop(c);
  // Windmill behind the buildings.
  QPainter& p = c.P();
  p.setPen(QPen(paint::kInk, 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(310, 320), QPointF(318, 60));
  p.drawLine(QPointF(330, 320), QPointF(322, 60));
  c.WagonWheel(320, 56, 28);
  c.Building(0, 296, 46, 380, kBrown, Front::Gable);
  c.Building(340, 640, 40, 380, kRed, Front::Gable);
  c.Sign(QRectF(432, 250, 116, 24), "CIRCLE R", kCream, QColor(120, 40, 30));
  c.Opening(OS::Hatch, 116, 60, 3);
  c.Opening(OS::Window, 28, 170, 1);
  c.Opening(OS::Window, 204, 170, 2);
  c.Opening(OS::Window, 28, 292, 1);
  c.Opening(OS::Door, 116, 292, 3);
  c.Opening(OS::Window, 204, 292, 2);
  c.Opening(OS::Loft, 458, 62, 3);
  c.Opening(OS::Window, 362, 166, 1);
  c.Opening(OS::Window, 554, 166, 2);
  c.Opening(OS::Door, 360, 292, 1);
  c.Opening(OS::Door, 458, 292, 3);
  c.Opening(OS::Door, 556, 292, 2);
  c.Boardwalk(0, 296, kStreet);
  c.Ground(384, QColor(110, 80, 48), QColor(130, 96, 60));
  c.Fence(300, 640, 420, 30, QColor(150, 110, 70));
  c.Trough(160, 440);
  c.HayBale(300, kStreet);
}

void River(SceneCanvas& c) {
  c.Sky(QColor(100, 150, 200), QColor(236, 210, 170), 250);
  c.Clouds(4, 20, 100, QColor(255, 246, 232, 200));
  c.Ridge(250, 50, QColor(110, 130, 110), 1.0);
  c.Water(250, QColor(40, 70, 90), QColor(90, 130, 150));
  QPainter& p = c.P();
  // The steamboat: hull, decks, cabin and pilot house.
  p.setPen(QPen(paint::kInk, 1.6));
  p.setBrush(QColor(230, 224, 208));
  p.drawRect(QRectF(306, 150, 334, 112));  // cabin deck
  p.drawRect(QRectF(300, 270, 340, 112));  // main deck
  p.setBrush(QColor(120, 50, 40));
  QPainterPath hull;
  hull.moveTo(290, 372);
  hull.lineTo(640, 372);
  hull.lineTo(640, 404);
  hull.lineTo(310, 404);
  hull.closeSubpath();
  p.drawPath(hull);
  p.setBrush(QColor(80, 70, 64));
  p.drawRect(QRectF(340, 10, 14, 110));
  p.drawRect(QRectF(370, 10, 14, 110));
  // Crowned smokestacks with a trail of smoke.
  p.setBrush(QColor(60, 54, 50));
  p.drawRect(QRectF(336, 6, 22, 8));
  p.drawRect(QRectF(366, 6, 22, 8));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 90, 96, 120));
  for (int i = 0; i < 6; ++i) p.drawEllipse(QPointF(340 - i * 22, 0 + i * 3), 12 + i * 2, 7 + i);
  p.setPen(QPen(paint::kInk, 1.6));
  p.setBrush(QColor(200, 60, 40));
  p.drawRect(QRectF(306, 138, 334, 12));
  p.drawRect(QRectF(300, 258, 340, 12));
  // Deck railings.
  p.setPen(QPen(QColor(250, 246, 236), 1.4));
  p.drawLine(QPointF(300, 246), QPointF(640, 246));
  for (double x = 304; x < 640; x += 8) p.drawLine(QPointF(x, 246), QPointF(x, 257));
  c.Sign(QRectF(392, 378, 88, 20), "RIVER QUEEN", QColor(120, 50, 40), kGold);
  c.Opening(OS::Hatch, 480, 44, 3);
  for (int x : {322, 404, 486, 568}) c.Opening(OS::Porthole, x, 160, x < 450 ? 1 : 2);
  for (int x : {340, 466}) c.Opening(OS::Door, x, 292, 3);
  p.setPen(QPen(QColor(200, 220, 230, 140), 1.5));
  for (int i = 0; i < 8; ++i) p.drawLine(QPointF(310 + i * 40, 410 + (i % 3) * 6), QPointF(334 + i * 40, 410 + (i % 3) * 6));
  // Warehouse on the landing.
  c.Building(0, 280, 40, 380, kGrey, Front::Gable);
  c.Sign(QRectF(96, 204, 90, 24), "WAREHOUSE", kBoard, kCream);
  c.Opening(OS::Loft, 108, 62, 3);
  c.Opening(OS::Window, 20, 184, 1);
  c.Opening(OS::Window, 196, 184, 2);
  c.Opening(OS::Door, 52, 292, 1);
  c.Opening(OS::Door, 164, 292, 2);
  c.Boardwalk(0, 300, kStreet);
  p.setPen(QPen(paint::kInk, 1.2));
  p.setBrush(QColor(100, 70, 44));
  for (double x : {20.0, 120.0, 220.0}) p.drawRect(QRectF(x, 388, 8, 60));
  c.Barrel(266, kStreet);
  c.Crate(236, kStreet, 24);
}

void GhostTown(SceneCanvas& c) {
  c.Sky(QColor(14, 18, 40), QColor(60, 60, 96), 300);
  c.Stars(120, 260);
  c.Sun(QPointF(560, 60), 26, QColor(236, 232, 210));
  c.Ridge(270, 50, QColor(36, 36, 56), 1.0);
  c.Ground(300, QColor(40, 34, 40), QColor(70, 62, 70));
  const QColor night(0.55 * 255, 0.5 * 255, 0.5 * 255);
  c.Building(0, 200, 90, 380, QColor(90, 78, 72), Front::Stepped);
  c.Building(212, 420, 60, 380, QColor(80, 76, 84), Front::Flat);
  c.Building(432, 640, 110, 380, QColor(96, 80, 70), Front::Arched);
  c.Sign(QRectF(250, 72, 132, 26), "SAL  ON", QColor(50, 40, 36), QColor(180, 170, 150));
  c.Sign(QRectF(20, 126, 160, 24), "HOTEL", QColor(50, 40, 36), QColor(180, 170, 150));
  c.Opening(OS::Window, 24, 168, 1);
  c.Opening(OS::Window, 112, 168, 2);
  c.Opening(OS::Door, 68, 292, 3);
  c.Opening(OS::Window, 228, 134, 1);
  c.Opening(OS::Window, 340, 134, 2);
  c.Opening(OS::SwingDoor, 284, 292, 3);
  c.Opening(OS::Window, 452, 176, 1);
  c.Opening(OS::Window, 554, 176, 2);
  c.Opening(OS::Door, 452, 292, 1);
  c.Opening(OS::Door, 554, 292, 2);
  c.Opening(OS::Hatch, 120, 20, 3);
  c.Opening(OS::Hatch, 504, 40, 3);
  (void)night;
  c.Boardwalk(0, 640, kStreet);
  // Moonlight wash and broken boards.
  QPainter& p = c.P();
  p.fillRect(QRectF(0, 0, 640, 480), QColor(30, 40, 90, 60));
  p.setPen(QPen(paint::kInk, 2.0));
  p.drawLine(QPointF(190, 300), QPointF(208, 340));
  p.drawLine(QPointF(420, 250), QPointF(432, 280));
  c.Tumbleweed(200, 440, 14);
  c.Tumbleweed(520, 420, 10);
}

void Fort(SceneCanvas& c) {
  DayBackdrop(c);
  // Barracks behind the stockade.
  c.Building(150, 490, 70, 240, kBrown, Front::Flat);
  for (int x : {162, 250, 338, 426}) c.Opening(OS::Window, x, 94, x < 300 ? 1 : 2);
  QPainter& p = c.P();
  // Log stockade.
  for (double x = 120; x < 520; x += 14) {
    QPainterPath log;
    log.moveTo(x, 380);
    log.lineTo(x, 214);
    log.lineTo(x + 7, 204);
    log.lineTo(x + 14, 214);
    log.lineTo(x + 14, 380);
    log.closeSubpath();
    p.setPen(QPen(paint::kInk, 1.0));
    p.setBrush(Shade(QColor(130, 94, 58), c.Rng().Range(0.88, 1.08)));
    p.drawPath(log);
  }
  // Towers.
  c.Building(0, 130, 20, 380, QColor(126, 90, 56), Front::Flat);
  c.Building(510, 640, 20, 380, QColor(126, 90, 56), Front::Flat);
  c.Opening(OS::Window, 33, 40, 1);
  c.Opening(OS::Window, 543, 40, 2);
  c.Opening(OS::Window, 33, 164, 1);
  c.Opening(OS::Window, 543, 164, 2);
  c.Opening(OS::Door, 33, 292, 3);
  c.Opening(OS::Door, 543, 292, 3);
  c.Sign(QRectF(230, 228, 180, 28), "FORT BRIDGER", kBoard, kCream);
  c.Opening(OS::Window, 150, 292, 1);
  c.Opening(OS::Door, 288, 292, 3);
  c.Opening(OS::Window, 426, 292, 2);
  c.Ground(380, QColor(110, 80, 48), QColor(140, 104, 66));
  p.setPen(QPen(paint::kInk, 1.0));
  p.setBrush(QColor(220, 40, 40));
  p.drawLine(QPointF(320, 70), QPointF(320, 10));
  p.drawRect(QRectF(320, 10, 30, 18));
  c.Barrel(250, 420);
  c.Barrel(390, 420);
}

void Showdown(SceneCanvas& c) {
  c.Sky(QColor(60, 40, 90), QColor(250, 140, 60), 300);
  c.Sun(QPointF(398, 112), 30, QColor(255, 200, 90));
  c.Ridge(280, 40, QColor(90, 50, 60), 1.0);
  c.Ground(300, QColor(90, 56, 40), QColor(170, 100, 60));
  const QColor dusk(0.75 * 146, 0.75 * 104, 0.75 * 66);
  c.Building(0, 196, 40, 380, QColor(130, 70, 56), Front::Stepped);
  c.Sign(QRectF(30, 76, 136, 28), "SALOON", kBoard, kGold);
  c.Building(444, 640, 40, 380, QColor(150, 136, 120), Front::Brick);
  c.Sign(QRectF(480, 76, 124, 28), "BANK", QColor(70, 58, 50), kGold);
  c.Building(236, 404, 150, 380, dusk, Front::Flat);
  c.Opening(OS::Hatch, 288, 64, 3);
  c.Opening(OS::Window, 20, 164, 1);
  c.Opening(OS::Window, 112, 164, 2);
  c.Opening(OS::Window, 464, 164, 1);
  c.Opening(OS::Window, 556, 164, 2);
  c.Opening(OS::Window, 248, 176, 1);
  c.Opening(OS::Window, 328, 176, 2);
  c.Opening(OS::SwingDoor, 20, 292, 1);
  c.Opening(OS::Door, 112, 292, 2);
  c.Opening(OS::Alley, 206, 292, 3);
  c.Opening(OS::Door, 288, 292, 3);
  c.Opening(OS::Alley, 370, 292, 3);
  c.Opening(OS::BarredWindow, 464, 292, 1);
  c.Opening(OS::Door, 556, 292, 2);
  c.Boardwalk(0, 640, kStreet);
  c.Barrel(180, 430);
  c.Barrel(460, 430);
  QPainter& p = c.P();
  p.fillRect(QRectF(0, 0, 640, 480), QColor(255, 120, 40, 26));
  c.Tumbleweed(320, 440, 14);
}

}  // namespace

void PaintFarScene(int level, SceneCanvas& c) {
  switch (level) {
    case 9: Hotel(c); break;
    case 10: Mine(c); break;
    case 11: Canyon(c); break;
    case 12: Ranch(c); break;
    case 13: River(c); break;
    case 14: GhostTown(c); break;
    case 15: Fort(c); break;
    default: Showdown(c); break;
  }
}

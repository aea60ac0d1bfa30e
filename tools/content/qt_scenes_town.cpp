// SPDX-License-Identifier: GPL-3.0-or-later
// The town levels: main street, saloon, bank, sheriff's office, station, stables, store, church.
#include <QPainterPath>

#include "qt_scenes.h"

namespace {

using Front = SceneCanvas::Front;
using OS = OpeningStyle;

const QColor kBrown(146, 104, 66), kRed(150, 72, 52), kGrey(134, 122, 106), kYellow(184, 144, 84);
const QColor kBlue(94, 112, 124), kWhite(214, 204, 184), kGreen(96, 120, 84);
const QColor kBoard(60, 38, 24), kGold(240, 200, 110), kCream(240, 228, 196);
constexpr int kStreet = 372;  // top of the boardwalk: the bottom of every ground-floor box

void DayBackdrop(SceneCanvas& c, bool clouds = true) {
  c.Sky(QColor(86, 146, 206), QColor(240, 204, 150), 300);
  if (clouds) c.Clouds(4, 20, 110, QColor(255, 246, 232, 200));
  c.Ridge(250, 70, QColor(150, 140, 160), 1.2);
  c.Ridge(290, 40, QColor(176, 132, 100), 0.8);
  c.Ground(300, QColor(120, 82, 50), QColor(196, 152, 100));
}

void MainStreet(SceneCanvas& c) {
  DayBackdrop(c);
  c.Building(8, 200, 100, 380, kBrown, Front::Stepped);
  c.Sign(QRectF(28, 136, 152, 28), "DRY GOODS", kBoard, kGold);
  c.Building(222, 418, 136, 380, kRed, Front::Flat);
  c.Sign(QRectF(236, 150, 168, 30), "MAIN STREET", kBoard, kCream);
  c.Building(440, 632, 92, 380, kYellow, Front::Arched);
  c.Sign(QRectF(466, 128, 140, 28), "BARBER", kCream, QColor(150, 40, 40));
  c.Awning(222, 418, 262, 16, QColor(120, 70, 50));
  c.Opening(OS::Window, 68, 190, 1);
  c.Opening(OS::Hatch, 288, 50, 3);
  c.Opening(OS::SwingDoor, 288, 292, 3);
  c.Opening(OS::Window, 504, 186, 2);
  c.BlindWindow(QRectF(40, 300, 44, 56));
  c.BlindWindow(QRectF(484, 300, 44, 56));
  c.BlindWindow(QRectF(556, 300, 44, 56));
  c.Boardwalk(0, 640, kStreet);
  c.Barrel(150, kStreet);
  c.Barrel(180, kStreet, 0.9);
  c.Lamp(430, kStreet);
  c.Poster(QRectF(372, 296, 30, 40));
  c.HitchingPost(470, 560, 430);
  c.Tumbleweed(230, 440, 12);
}

void Saloon(SceneCanvas& c) {
  DayBackdrop(c);
  c.Building(0, 128, 130, 380, kGrey, Front::Flat);
  c.Sign(QRectF(10, 150, 108, 24), "BATHS", kCream, kBoard);
  c.Building(140, 500, 36, 380, kRed, Front::Stepped);
  c.Sign(QRectF(196, 70, 248, 44), "SALOON", kBoard, kGold, 34);
  c.Building(512, 640, 120, 380, kBlue, Front::Arched);
  c.Sign(QRectF(522, 150, 108, 24), "CAFE", kCream, kBoard);
  c.Opening(OS::Window, 176, 150, 1);
  c.Opening(OS::Window, 288, 150, 3);
  c.Opening(OS::Window, 400, 150, 2);
  c.Balcony(160, 480, 262);
  c.Awning(140, 500, 270, 12, QColor(110, 60, 40));
  c.Opening(OS::SwingDoor, 288, 292, 3);
  c.Opening(OS::Door, 34, 292, 1);
  c.Opening(OS::Window, 544, 196, 2);
  c.BlindWindow(QRectF(176, 304, 48, 52));
  c.BlindWindow(QRectF(416, 304, 48, 52));
  c.Boardwalk(0, 640, kStreet);
  c.Barrel(120, kStreet);
  c.Barrel(150, kStreet, 0.85);
  c.Barrel(506, kStreet);
  c.HitchingPost(200, 270, 440);
  c.Trough(380, 440);
}

void Bank(SceneCanvas& c) {
  DayBackdrop(c);
  c.Building(0, 164, 110, 380, kBrown, Front::Stepped);
  c.Sign(QRectF(12, 144, 140, 24), "TELEGRAPH", kBoard, kCream);
  c.Building(176, 464, 56, 380, QColor(176, 158, 134), Front::Brick);
  c.Sign(QRectF(230, 70, 180, 42), "BANK", QColor(70, 58, 50), kGold, 32);
  c.Building(476, 640, 100, 380, kGreen, Front::Flat);
  c.Sign(QRectF(486, 116, 144, 26), "LAND OFFICE", kCream, kBoard);
  c.Opening(OS::Window, 50, 186, 1);
  c.Opening(OS::BarredWindow, 236, 150, 1);
  c.Opening(OS::BarredWindow, 340, 150, 2);
  c.Opening(OS::BarredWindow, 196, 292, 3);
  c.Opening(OS::Door, 288, 292, 3);
  c.Opening(OS::BarredWindow, 380, 292, 3);
  c.Opening(OS::Door, 526, 292, 2);
  // Pillars beside the bank door.
  c.P().setPen(QPen(QColor(26, 16, 10), 1.2));
  c.P().setBrush(QColor(206, 196, 176));
  c.P().drawRect(QRectF(270, 270, 8, 102));
  c.P().drawRect(QRectF(362, 270, 8, 102));
  c.Boardwalk(0, 640, kStreet);
  c.Crate(100, kStreet, 26);
  c.Barrel(610, kStreet);
  c.Lamp(170, kStreet);
  c.WagonWheel(140, 420, 16);
}

void Sheriff(SceneCanvas& c) {
  DayBackdrop(c);
  c.Building(40, 330, 80, 380, kBrown, Front::Stepped);
  c.Sign(QRectF(100, 112, 170, 32), "SHERIFF", kBoard, kGold);
  c.Building(342, 586, 116, 380, QColor(160, 146, 128), Front::Brick);
  c.Sign(QRectF(370, 130, 200, 28), "JAIL", QColor(60, 52, 48), kCream);
  c.Opening(OS::Window, 76, 170, 1);
  c.Opening(OS::Window, 230, 170, 2);
  c.Opening(OS::Door, 154, 292, 3);
  c.Opening(OS::Hatch, 432, 30, 3);
  c.Opening(OS::BarredWindow, 358, 180, 1);
  c.Opening(OS::BarredWindow, 432, 180, 3);
  c.Opening(OS::BarredWindow, 506, 180, 2);
  c.Opening(OS::Door, 432, 292, 3);
  c.Poster(QRectF(90, 300, 34, 46));
  c.Poster(QRectF(240, 300, 34, 46));
  c.Poster(QRectF(372, 300, 30, 42));
  c.Boardwalk(0, 640, kStreet);
  c.Barrel(592, kStreet, 0.8);
  c.Lamp(336, kStreet);
  c.HitchingPost(60, 140, 440);
}

void Station(SceneCanvas& c) {
  DayBackdrop(c);
  c.Rails(330);
  // Passenger car behind the platform.
  QPainter& p = c.P();
  p.setPen(QPen(QColor(26, 16, 10), 1.6));
  p.setBrush(QColor(120, 50, 40));
  p.drawRoundedRect(QRectF(316, 140, 330, 168), 10, 10);
  p.setBrush(QColor(70, 40, 30));
  p.drawRect(QRectF(310, 132, 340, 12));
  p.setBrush(QColor(210, 170, 90));
  p.drawRect(QRectF(316, 266, 330, 6));
  c.Sign(QRectF(420, 278, 150, 22), "WESTERN LINE", QColor(90, 40, 30), kGold);
  for (double x : {350.0, 410.0, 520.0, 590.0}) c.WagonWheel(x, 318, 13);
  c.Building(12, 300, 110, 380, kYellow, Front::Gable);
  c.Sign(QRectF(102, 214, 108, 28), "DEPOT", kBoard, kCream);
  c.Opening(OS::Hatch, 124, 60, 3);
  c.Opening(OS::Window, 30, 190, 1);
  c.Opening(OS::Window, 218, 190, 2);
  c.Opening(OS::Door, 124, 292, 3);
  c.Opening(OS::Window, 334, 168, 1);
  c.Opening(OS::Window, 412, 168, 3);
  c.Opening(OS::Window, 490, 168, 3);
  c.Opening(OS::Window, 568, 168, 2);
  c.Boardwalk(0, 640, kStreet);
  c.Crate(330, kStreet, 24);
  c.Crate(356, kStreet, 20);
  c.Lamp(306, kStreet);
}

void Stables(SceneCanvas& c) {
  DayBackdrop(c);
  c.Fence(0, 640, 360, 40, QColor(140, 100, 60));
  c.Building(130, 510, 30, 380, kRed, Front::Gable);
  c.Sign(QRectF(252, 255, 136, 21), "STABLES", kCream, QColor(120, 40, 30));
  c.Building(0, 118, 150, 380, kGrey, Front::Flat);
  c.Building(522, 640, 150, 380, kBrown, Front::Flat);
  c.Opening(OS::Loft, 288, 66, 3);
  c.Opening(OS::Window, 176, 170, 1);
  c.Opening(OS::Window, 400, 170, 2);
  c.Opening(OS::Door, 150, 292, 1);
  c.Opening(OS::Door, 236, 292, 3);
  c.Opening(OS::Door, 340, 292, 3);
  c.Opening(OS::Door, 426, 292, 2);
  c.Opening(OS::Window, 28, 196, 1);
  c.Opening(OS::Door, 550, 292, 2);
  c.Boardwalk(0, 640, kStreet);
  c.HayBale(64, kStreet);
  c.HayBale(520, 430);
  c.Trough(20, 440);
  c.WagonWheel(600, 350, 18);
}

void GeneralStore(SceneCanvas& c) {
  DayBackdrop(c);
  c.Building(0, 96, 150, 380, kGrey, Front::Flat);
  c.Building(104, 536, 50, 380, kGreen, Front::Stepped);
  c.Sign(QRectF(150, 86, 340, 40), "GENERAL STORE", kCream, QColor(60, 80, 50), 26);
  c.Building(544, 640, 140, 380, kBrown, Front::Flat);
  c.Opening(OS::Window, 126, 154, 1);
  c.Opening(OS::Window, 232, 154, 1);
  c.Opening(OS::Window, 344, 154, 2);
  c.Opening(OS::Window, 450, 154, 2);
  c.Awning(104, 536, 262, 16, QColor(150, 60, 50));
  c.Opening(OS::Window, 126, 292, 3);
  c.Opening(OS::Door, 288, 292, 3);
  c.Opening(OS::Window, 450, 292, 3);
  c.Opening(OS::Alley, 16, 230, 1);
  c.Opening(OS::Alley, 560, 230, 2);
  c.Boardwalk(0, 640, kStreet);
  c.Barrel(32, kStreet);
  c.Barrel(64, kStreet);
  c.Crate(560, kStreet, 30);
  c.Crate(592, kStreet, 30);
  c.Crate(574, kStreet - 30, 26);
  c.Barrel(220, kStreet, 0.8);
  c.Crate(366, kStreet, 22);
}

void Church(SceneCanvas& c) {
  DayBackdrop(c);
  QPainter& p = c.P();
  // Graves on the hill.
  for (double x : {220.0, 250.0, 400.0, 430.0}) {
    p.setPen(QPen(QColor(26, 16, 10), 1.0));
    p.setBrush(QColor(200, 196, 186));
    p.drawRect(QRectF(x, 300, 4, 22));
    p.drawRect(QRectF(x - 6, 306, 16, 4));
  }
  c.Building(0, 190, 120, 380, kBrown, Front::Gable);
  c.Building(450, 640, 104, 380, QColor(80, 76, 80), Front::Flat);
  c.Sign(QRectF(466, 130, 160, 26), "UNDERTAKER", kBoard, kCream);
  // Steeple then the nave.
  c.Building(264, 376, 0, 380, kWhite, Front::Gable);
  c.Building(214, 426, 110, 380, kWhite, Front::Gable);
  p.setPen(QPen(QColor(26, 16, 10), 1.6));
  p.setBrush(QColor(230, 200, 90));
  p.drawRect(QRectF(318, 0, 4, 14));
  p.drawRect(QRectF(313, 4, 14, 4));
  c.Opening(OS::ArchWindow, 288, 44, 3);
  c.Opening(OS::ArchWindow, 230, 198, 1);
  c.Opening(OS::ArchWindow, 346, 198, 2);
  c.Opening(OS::ArchWindow, 288, 292, 3);
  c.Opening(OS::Window, 22, 184, 1);
  c.Opening(OS::Window, 108, 184, 2);
  c.Opening(OS::Door, 64, 292, 3);
  c.Opening(OS::Window, 470, 178, 1);
  c.Opening(OS::Window, 556, 178, 2);
  c.Opening(OS::Door, 514, 292, 3);
  c.Boardwalk(0, 640, kStreet);
  c.Cactus(180, 440, 50);
  c.Tumbleweed(420, 430, 10);
}

}  // namespace

void PaintTownScene(int level, SceneCanvas& c) {
  switch (level) {
    case 1: MainStreet(c); break;
    case 2: Saloon(c); break;
    case 3: Bank(c); break;
    case 4: Sheriff(c); break;
    case 5: Station(c); break;
    case 6: Stables(c); break;
    case 7: GeneralStore(c); break;
    default: Church(c); break;
  }
}

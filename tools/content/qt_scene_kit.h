// SPDX-License-Identifier: GPL-3.0-or-later
// Building blocks of the level backgrounds: skies, land, facades, openings, signs and props.
#pragma once
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

#include "det_random.h"

// One place of a level: the actor box (left, top, width, height) and the side actors come from.
struct ScenePlace {
  int x, y, w, h;
  int side;
};

enum class OpeningStyle { Window, BarredWindow, ArchWindow, Door, SwingDoor, Loft, Alley, Cave, Tunnel, Hatch, Porthole };

// A 640 x 480 level picture being painted, with the places registered on it.
class SceneCanvas {
public:
  explicit SceneCanvas(uint64_t seed);
  ~SceneCanvas();
  QPainter& P() { return painter_; }
  DetRandom& Rng() { return rng_; }
  QImage Finish();
  const std::vector<ScenePlace>& Places() const { return places_; }

  // --- Backdrops ---
  void Sky(QColor top, QColor horizon, double horizonY);
  void Sun(QPointF centre, double radius, QColor colour);
  void Clouds(int count, double yMin, double yMax, QColor colour);
  void Stars(int count, double yMax);
  // A jagged ridge from x=0 to 640 around baseY with the given height variation.
  void Ridge(double baseY, double amplitude, QColor colour, double roughness = 1.0);
  void Mesa(double x0, double x1, double topY, double baseY, QColor colour);
  void Ground(double y, QColor near, QColor far);
  // A darker band at the bottom of the picture where the game draws its labels.
  void LabelShade();

  // --- Buildings ---
  enum class Front { Flat, Stepped, Gable, Arched, Brick };
  void Building(double x0, double x1, double top, double groundY, QColor wood, Front front);
  void Sign(QRectF rect, const QString& text, QColor board, QColor letters, int pixelSize = 0);
  void Awning(double x0, double x1, double y, double depth, QColor colour);
  void Boardwalk(double x0, double x1, double y);
  void Balcony(double x0, double x1, double y);

  // --- Openings: each draws its frame and registers one place with its actor box. ---
  void Opening(OpeningStyle style, int x, int y, int side, int w = 64, int h = 80);
  // A dark opening without registering a place (decoration).
  void BlindWindow(QRectF box);

  // --- Props ---
  void Barrel(double cx, double bottom, double scale = 1.0);
  void Crate(double x, double bottom, double size);
  void Cactus(double x, double bottom, double height);
  void HitchingPost(double x0, double x1, double bottom);
  void Trough(double x, double bottom);
  void Fence(double x0, double x1, double bottom, double height, QColor colour);
  void Rocks(double x0, double x1, double bottom, QColor colour, int count);
  void Tumbleweed(double cx, double cy, double r);
  void WagonWheel(double cx, double cy, double r);
  void Poster(QRectF rect);
  void Lamp(double x, double bottom);
  void Rails(double y);
  void Water(double y, QColor deep, QColor light);
  void HayBale(double x, double bottom);
  void Planks(QRectF rect, QColor wood, bool vertical);

private:
  QImage image_;
  QPainter painter_;
  DetRandom rng_;
  std::vector<ScenePlace> places_;
};

QColor Shade(QColor c, double factor);  // factor < 1 darker, > 1 lighter

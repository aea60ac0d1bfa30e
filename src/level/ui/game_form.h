// SPDX-License-Identifier: GPL-3.0-or-later
// TfmGame: the game screen. Draws level play's state and forwards keys and clicks to it.
#pragma once
#include "level/letterbox.h"
#include "level/level_play_host.h"
#include "level/ui/qt_laid_out_texts.h"

#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QWidget>

#include <memory>
#include <string>
#include <unordered_map>

struct AppContext;
class LevelPlay;
class TletterImage;
struct Image;

class TfmGame : public QWidget {
  Q_OBJECT
public:
  // Creating the screen sets up level play (its state for the whole run and the counters).
  TfmGame(AppContext& app, LevelPlayHost& host, QWidget* parent = nullptr);
  ~TfmGame() override;

  LevelPlay& Level() { return *level_; }
  // Shows the screen full screen or centred in its window, as Player.ini's display choice
  // says, or brings it to the front.
  void ShowScreen();
  // Full screen now or back to the window; the stored choice is not touched.
  void SetFullScreen(bool on);
  bool FullScreen() const { return fullScreen_; }
  // The full-screen key: switches now and stores the choice.
  void ToggleFullScreen();
  // Part of the 640 by 480 world must be drawn again.
  void InvalidateWorld(const ScreenRect& rect);
  // Where the world lies in the widget now.
  Letterbox Box() const;

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  struct CachedPicture;
  const QPixmap& Pixmap(const std::shared_ptr<const Image>& image, bool colourKeyed);
  const QPixmap& ScaledMap(const Letterbox& box, qreal dpr);
  void DrawMap(QPainter& painter, const Letterbox& box, const QRect& area);
  void DrawLabels(QPainter& painter, const QRect& dirty);
  void DrawTags(QPainter& painter, const QRect& dirty);
  void DrawActors(QPainter& painter, const QRect& dirty);
  // A tag that carries a word: its picture stretched to the plaque, the typed letters marked.
  void DrawPlaque(QPainter& painter, const TletterImage& tag, const QRect& box);
  // Whether a world point lies on a visible label (they lie over the map and take no clicks).
  bool OnLabel(const QPoint& world) const;
  QRect TimeTextRect() const;

  AppContext& app_;
  std::unique_ptr<LevelPlay> level_;
  std::unordered_map<const Image*, std::unique_ptr<CachedPicture>> pictures_;
  bool fullScreen_ = false;
  // The map picture scaled to the device pixels the world covers, made again when the picture
  // or the size changes.
  std::weak_ptr<const Image> scaledMapSource_;
  QSize scaledMapSize_;
  QPixmap scaledMap_;
  // What the time text covered when it was last drawn (world pixels): wider texts reach past
  // the label's box, and all of it must go when the text changes.
  QRect timeDrawn_;
  mutable std::string timeRectText_;  // the time text TimeTextRect last measured
  mutable QRect timeRect_;
  LaidOutTexts texts_;
};

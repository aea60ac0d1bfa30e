// TfmGame: the game screen. Draws level play's state and forwards keys and clicks to it.
#pragma once
#include "level/level_play_host.h"

#include <QWidget>

#include <memory>
#include <unordered_map>

struct AppContext;
class LevelPlay;
struct Image;

class TfmGame : public QWidget {
  Q_OBJECT
public:
  // Creating the screen sets up level play (its state for the whole run and the counters).
  TfmGame(AppContext& app, LevelPlayHost& host, QWidget* parent = nullptr);
  ~TfmGame() override;

  LevelPlay& Level() { return *level_; }
  // Shows the screen centred, or brings it to the front.
  void ShowScreen();

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  struct CachedPicture;
  const QPixmap& Pixmap(const std::shared_ptr<const Image>& image, bool colourKeyed);
  void DrawLabels(QPainter& painter);
  void DrawTags(QPainter& painter);
  void DrawActors(QPainter& painter);

  AppContext& app_;
  std::unique_ptr<LevelPlay> level_;
  std::unordered_map<const Image*, std::unique_ptr<CachedPicture>> pictures_;
};

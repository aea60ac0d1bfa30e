// TfmGame: the game screen. Draws level play's state and forwards keys and clicks to it.
#include "level/game_form.h"

#include "app/app_context.h"
#include "level/level_play.h"
#include "platform/image.h"
#include "platform/qt_image.h"
#include "platform/toolkit_color.h"
#include "screens/qt_fonts.h"
#include "targets/bot_image.h"
#include "targets/letter_image.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

namespace {
QColor ToQColor(uint32_t toolkitColor) {
  const Rgb rgb = FromToolkitColor(toolkitColor);
  return QColor(rgb.r, rgb.g, rgb.b);
}

bool Contains(int left, int top, int width, int height, const QPoint& p) {
  return p.x() >= left && p.x() < left + width && p.y() >= top && p.y() < top + height;
}

const QColor kYellow = ToQColor(65021);
}  // namespace

struct TfmGame::CachedPicture {
  std::weak_ptr<const Image> source;
  QPixmap plain;
  QPixmap keyed;
};

TfmGame::TfmGame(AppContext& app, LevelPlayHost& host, QWidget* parent) : QWidget(parent), app_(app) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QApplication::applicationName());
  setFixedSize(LevelPlay::kScreenWidth, LevelPlay::kScreenHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_QuitOnClose, false);
  setFocusPolicy(Qt::StrongFocus);
  level_ = std::make_unique<LevelPlay>(app.services, app.shared, host);
  qApp->installEventFilter(this);
}

TfmGame::~TfmGame() { qApp->removeEventFilter(this); }

void TfmGame::ShowScreen() {
  CentreOnScreen(this);
  show();
  raise();
  activateWindow();
}

const QPixmap& TfmGame::Pixmap(const std::shared_ptr<const Image>& image, bool colourKeyed) {
  auto& slot = pictures_[image.get()];
  if (!slot || slot->source.lock() != image) {
    slot = std::make_unique<CachedPicture>();
    slot->source = image;
    slot->plain = QPixmap::fromImage(ToQImage(*image));
  }
  if (colourKeyed && slot->keyed.isNull()) slot->keyed = QPixmap::fromImage(ColourKeyed(*image));
  return colourKeyed ? slot->keyed : slot->plain;
}

void TfmGame::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect dirty = event->rect();
  painter.setClipRegion(event->region());
  if (const ImagePtr& map = level_->MapPicture()) {
    painter.drawPixmap(dirty, Pixmap(map, false), dirty);
  } else {
    painter.fillRect(dirty, Qt::black);
  }
  if (dirty.intersects(QRect(16, 400, 624, 80))) DrawLabels(painter);
  DrawTags(painter, dirty);
  DrawActors(painter, dirty);
  // Pictures no level holds any longer are let go.
  for (auto it = pictures_.begin(); it != pictures_.end();) {
    it = it->second->source.expired() ? pictures_.erase(it) : std::next(it);
  }
}

void TfmGame::DrawLabels(QPainter& painter) {
  const GameLabels& labels = level_->Labels();
  const QFont small = ArialFont(13);
  painter.setFont(small);
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip;
  painter.setPen(kYellow);
  painter.drawText(QRect(568, 408, 72, 16), flags, QString::fromStdString(labels.point));
  painter.setPen(Qt::red);
  painter.drawText(QRect(568, 432, 72, 16), flags, QString::fromStdString(labels.miss));
  painter.drawText(QRect(568, 456, 72, 16), flags, QString::fromStdString(labels.civilian));

  // The ticker label has a fixed size: lines beyond it are cut.
  painter.save();
  painter.setClipRect(QRect(16, 400, 105, 73));
  painter.setFont(ArialFont(16));
  painter.setPen(Qt::white);
  painter.drawText(QRect(16, 400, 105, 200), Qt::AlignLeft | Qt::AlignTop,
                   QString::fromStdString(level_->TickerCaption()));
  painter.restore();

  painter.setFont(ArialFont(48));
  painter.setPen(ToQColor(labels.timeColor));
  painter.drawText(QRect(271, 424, 98, 56), Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                   QString::fromStdString(labels.time));
}

void TfmGame::DrawTags(QPainter& painter, const QRect& dirty) {
  for (const LetterTagEntry& entry : level_->LetterTags()) {
    const TletterImage* tag = entry.tag.get();
    if (!tag || !tag->Visible || !tag->Picture) continue;
    if (!dirty.intersects(QRect(tag->Left, tag->Top, tag->Width(), tag->Height()))) continue;
    painter.drawPixmap(tag->Left, tag->Top, Pixmap(tag->Picture, false));
    painter.save();
    painter.setClipRect(QRect(tag->Left, tag->Top, tag->Width(), tag->Height()));
    painter.setFont(ArialFont(TletterImage::PixelSize(tag->Lsize)));
    painter.setPen(ToQColor(tag->FontColor));
    painter.drawText(QRect(tag->Left + tag->TextX, tag->Top + tag->TextY, 400, 200),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(tag->Letter));
    painter.restore();
  }
}

void TfmGame::DrawActors(QPainter& painter, const QRect& dirty) {
  for (const TbotImage* actor : level_->LiveActors()) {
    if (!actor->Visible || !actor->Shown || actor->Width <= 0 || actor->Height <= 0) continue;
    if (!dirty.intersects(QRect(actor->Left, actor->Top, actor->Width, actor->Height))) continue;
    painter.drawPixmap(QRect(actor->Left, actor->Top, actor->Width, actor->Height),
                       Pixmap(actor->Shown, actor->Transparent));
  }
}

void TfmGame::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  // Actors and tags stand over the map and take their own clicks.
  for (const TbotImage* actor : level_->LiveActors()) {
    if (actor->Visible && Contains(actor->Left, actor->Top, actor->Width, actor->Height, p)) return;
  }
  for (const LetterTagEntry& entry : level_->LetterTags()) {
    const TletterImage* tag = entry.tag.get();
    if (tag && tag->Visible && Contains(tag->Left, tag->Top, tag->Width(), tag->Height(), p)) return;
  }
  level_->imgMapClick();
}

bool TfmGame::eventFilter(QObject* watched, QEvent* event) {
  // A key event travels past the window, the focus widget and its parents; only the window's
  // copy counts, so each key is seen once.
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  if (!watched->isWindowType() || watched != windowHandle() || !isVisible()) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (event->type() == QEvent::KeyPress) {
    level_->KeyPress(key->key() == Qt::Key_Escape, key->text().toStdString());
  } else if (!key->isAutoRepeat()) {
    level_->KeyRelease();
  }
  return true;
}

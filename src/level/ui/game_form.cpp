// SPDX-License-Identifier: GPL-3.0-or-later
// TfmGame: the game screen. Draws level play's state and forwards keys and clicks to it.
#include "level/ui/game_form.h"

#include "core/app_context.h"
#include "core/services.h"
#include "level/level_play.h"
#include "level/ui/qt_game_keys.h"
#include "platform/keyboard_layout.h"
#include "platform/image.h"
#include "platform/qt/qt_image.h"
#include "platform/qt/qt_translations.h"
#include "platform/toolkit_color.h"
#include "core/display_choice.h"
#include "widgets/qt_fonts.h"
#include "targets/bot_image.h"
#include "targets/letter_image.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {
// The counters' texts start at x 568 and run to the world's edge at most (a pixel to the left
// for a glyph's overhang). A language whose counters are wider starts them further left, no
// further than the area level play repaints when they change (from x 560).
constexpr int kCounterLeft = 568;
constexpr int kCounterLeftmost = 560;
const QRect kCounterArea(kCounterLeftmost - 1, 400, LevelStage::kScreenWidth - kCounterLeftmost + 1, 80);
// The counters' names as the rules write them, before the colon and the number.
constexpr const char* kCounterNames[] = {QT_TRANSLATE_NOOP("TfmGame", "Point"),
                                                          QT_TRANSLATE_NOOP("TfmGame", "Miss"),
                                                          QT_TRANSLATE_NOOP("TfmGame", "Civilian")};

// "Miss: 3" in the screens' language: the name translated, the colon as the language writes it
// (French puts a no-break space before it), the number kept.
QString CounterText(const std::string& english) {
  const size_t colon = english.find(": ");
  if (colon == std::string::npos) return QString::fromStdString(english);
  return QCoreApplication::translate("TfmGame", "%1: %2")
      .arg(TranslatedText("TfmGame", english.substr(0, colon)), QString::fromStdString(english.substr(colon + 2)));
}

// Where the counters start: at x 568, or as far left as the widest of them needs with two digits
// to end at the world's edge. Measured once per language.
int CounterLeft(const QFont& font) {
  static QString language;
  static int left = kCounterLeft;
  if (language != UiLanguageCode()) {
    language = UiLanguageCode();
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const char* name : kCounterNames)
      widest = std::max(widest, metrics.horizontalAdvance(CounterText(std::string(name) + ": 99")));
    left = std::clamp(LevelStage::kScreenWidth - 1 - widest, kCounterLeftmost, kCounterLeft);
  }
  return left;
}

QColor ToQColor(uint32_t toolkitColor) {
  const Rgb rgb = FromToolkitColor(toolkitColor);
  return QColor(rgb.r, rgb.g, rgb.b);
}

bool Contains(int left, int top, int width, int height, const QPoint& p) {
  // 64-bit, so boxes near the integer limits are well defined.
  return p.x() >= left && int64_t{p.x()} < int64_t{left} + width && p.y() >= top &&
         int64_t{p.y()} < int64_t{top} + height;
}

QRect ToQRect(const ScreenRect& r) { return QRect(r.left, r.top, r.width, r.height); }

// A world rectangle's QRect, kept inside the int range however far the rules place it.
QRect WorldRect(int left, int top, int width, int height) {
  const int64_t right = std::min<int64_t>(int64_t{left} + std::max(width, 0), INT32_MAX);
  const int64_t bottom = std::min<int64_t>(int64_t{top} + std::max(height, 0), INT32_MAX);
  return QRect(QPoint(left, top), QPoint(static_cast<int>(right - 1), static_cast<int>(bottom - 1)));
}

bool WholeNumber(double v) { return std::abs(v - std::round(v)) < 1e-9; }

const QColor kYellow = ToQColor(65021);
const QRect kWorld(0, 0, LevelStage::kScreenWidth, LevelStage::kScreenHeight);
const QRect kLabelStrip(0, 400, LevelStage::kScreenWidth, 80);
const QRect kTimeBox(271, 424, 98, 56);
const QRect kTickerBox(16, 400, 105, 73);
// The ends of a tag's picture kept as they are when it is stretched into a plaque.
constexpr int kPlaqueCap = 8;
}  // namespace

struct TfmGame::CachedPicture {
  std::weak_ptr<const Image> source;
  QPixmap plain;
  QPixmap keyed;
};

TfmGame::TfmGame(AppContext& app, LevelPlayHost& host, QWidget* parent) : QWidget(parent), app_(app) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QApplication::applicationName());
  setFixedSize(LevelStage::kScreenWidth, LevelStage::kScreenHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_QuitOnClose, false);
  setFocusPolicy(Qt::StrongFocus);
  level_ = std::make_unique<LevelPlay>(app.services, app.shared, host);
  qApp->installEventFilter(this);
}

TfmGame::~TfmGame() {
  qApp->removeEventFilter(this);
  // Level play reports its last changes while it goes: the screen's own state must still be there.
  level_.reset();
}

void TfmGame::ShowScreen() {
  // A level start is where the stored choice takes effect; once showing, the screen stays as
  // it is until the full-screen key.
  if (!isVisible()) SetFullScreen(FullScreenChosen(app_.shared));
  if (!fullScreen_) CentreOnScreen(this);
  show();
  raise();
  activateWindow();
}

void TfmGame::SetFullScreen(bool on) {
  fullScreen_ = on;
  if (on) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    // Without a window manager the full-screen state alone moves nothing: the window is also
    // given the whole screen itself.
    if (screen) setGeometry(screen->geometry());
    if (isVisible()) showFullScreen();
    else setWindowState(windowState() | Qt::WindowFullScreen);
  } else {
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    setFixedSize(LevelStage::kScreenWidth, LevelStage::kScreenHeight);
    if (isVisible()) {
      showNormal();
      CentreOnScreen(this);
    }
  }
  update();
}

void TfmGame::ToggleFullScreen() {
  const bool on = !fullScreen_;
  SetFullScreen(on);
  StoreFullScreen(app_.shared, app_.services.messages, on);
}

Letterbox TfmGame::Box() const {
  return Letterbox::Fit(LevelStage::kScreenWidth, LevelStage::kScreenHeight, width(), height());
}

void TfmGame::resizeEvent(QResizeEvent*) { update(); }

QRect TfmGame::TimeTextRect() const {
  // Measured once for each text the clock shows: every repaint under the labels asks.
  const std::string& time = level_->Clock().TimeText();
  if (time == timeRectText_ && !timeRect_.isNull()) return timeRect_;
  const QFontMetrics metrics(ArialFont(48));
  const int textWidth = metrics.horizontalAdvance(QString::fromStdString(time));
  const int left = kTimeBox.left() + (kTimeBox.width() - textWidth) / 2;
  // A pixel around the text for the glyphs' overhang.
  timeRectText_ = time;
  timeRect_ = QRect(left - 2, kTimeBox.top(), textWidth + 4, metrics.height()).united(kTimeBox);
  return timeRect_;
}

void TfmGame::InvalidateWorld(const ScreenRect& rect) {
  if (!isVisible()) return;
  QRect world = ToQRect(rect);
  if (world.intersects(kTimeBox)) world = world.united(TimeTextRect()).united(timeDrawn_);
  world = world.intersected(kWorld);
  if (world.isEmpty()) return;
  update(ToQRect(Box().ToSurface({world.x(), world.y(), world.width(), world.height()})));
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

const QPixmap& TfmGame::ScaledMap(const Letterbox& box, qreal dpr) {
  const ImagePtr& map = level_->Stage().MapPicture();
  // The map is shown at its natural size from the top-left corner; only the world's part of it.
  const int shownWidth = std::min(map->width, LevelStage::kScreenWidth);
  const int shownHeight = std::min(map->height, LevelStage::kScreenHeight);
  const double factor = box.Factor() * dpr;
  const QSize size(static_cast<int>(std::lround(shownWidth * factor)),
                   static_cast<int>(std::lround(shownHeight * factor)));
  if (scaledMapSource_.lock() != map || scaledMapSize_ != size || scaledMap_.devicePixelRatio() != dpr) {
    const QImage shown = ToQImage(*map).copy(0, 0, shownWidth, shownHeight);
    // Whole factors repeat each pixel exactly; others filter smoothly.
    const Qt::TransformationMode mode = WholeNumber(factor) ? Qt::FastTransformation : Qt::SmoothTransformation;
    scaledMap_ = QPixmap::fromImage(shown.scaled(size, Qt::IgnoreAspectRatio, mode));
    scaledMap_.setDevicePixelRatio(dpr);
    scaledMapSource_ = map;
    scaledMapSize_ = size;
  }
  return scaledMap_;
}

void TfmGame::DrawMap(QPainter& painter, const Letterbox& box, const QRect& area) {
  // The border and whatever the map leaves uncovered are black, so nothing earlier stays.
  painter.fillRect(area, Qt::black);
  const ImagePtr& map = level_->Stage().MapPicture();
  if (!map || map->width <= 0 || map->height <= 0) return;
  if (box.num == box.den && devicePixelRatioF() == 1.0) {
    painter.drawPixmap(QPoint(box.left, box.top), Pixmap(map, false),
                       QRect(0, 0, LevelStage::kScreenWidth, LevelStage::kScreenHeight));
    return;
  }
  painter.drawPixmap(QPointF(box.left, box.top), ScaledMap(box, devicePixelRatioF()));
}

void TfmGame::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const Letterbox box = Box();
  const QRect frame(box.left, box.top, box.width, box.height);
  const double factor = box.Factor() * devicePixelRatioF();
  // One repaint may hold changes far apart: each rectangle of it is drawn on its own, under a
  // clip of that one rectangle. Under a plain rectangle the painter copies pictures line by
  // line; under a clip of many it sends every line through its general path, which for tall
  // areas hands the work to helper threads and wakes them at every repaint.
  for (const QRect& area : event->region()) {
    painter.resetTransform();
    painter.setClipRect(area);
    DrawMap(painter, box, area);
    const QRect inFrame = area.intersected(frame);
    if (inFrame.isEmpty()) continue;

    // Everything else is drawn in world pixels through the letterbox transform: text at the
    // scaled size, pictures scaled by the painter.
    int x0, y0, x1, y1;
    box.ToWorld(inFrame.left(), inFrame.top(), x0, y0);
    box.ToWorld(inFrame.right() + 1, inFrame.bottom() + 1, x1, y1);
    const QRect dirty = QRect(QPoint(x0 - 1, y0 - 1), QPoint(x1 + 1, y1 + 1)).intersected(kWorld);
    painter.setClipRect(inFrame);
    painter.translate(box.left, box.top);
    painter.scale(box.Factor(), box.Factor());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !WholeNumber(factor));

    // The labels are a level's: between practice drills the screen lies dark under the card.
    if (level_->LevelLoaded() && dirty.intersects(kLabelStrip)) DrawLabels(painter, dirty);
    DrawTags(painter, dirty);
    DrawActors(painter, dirty);
  }
  // Pictures no level holds any longer are let go.
  for (auto it = pictures_.begin(); it != pictures_.end();) {
    it = it->second->source.expired() ? pictures_.erase(it) : std::next(it);
  }
}

void TfmGame::DrawLabels(QPainter& painter, const QRect& dirty) {
  const GameLabels& labels = level_->Score().Labels();
  // Each label is drawn only where it can have pixels: the counters right of their left edge,
  // the ticker in its box, the time in its box or where its last text reached.
  if (dirty.intersects(kCounterArea)) {
    // The counters start at their boxes' top left corners and are not cut at the boxes.
    const QFont small = ArialFont(13);
    const int left = CounterLeft(small);
    painter.setPen(kYellow);
    texts_.Draw(painter, {left, 408}, CounterText(labels.point), small);
    painter.setPen(Qt::red);
    texts_.Draw(painter, {left, 432}, CounterText(labels.miss), small);
    texts_.Draw(painter, {left, 456}, CounterText(labels.civilian), small);
  }

  if (dirty.intersects(kTickerBox)) {
    // The ticker label has a fixed size: lines beyond it are cut.
    painter.save();
    painter.setClipRect(kTickerBox, Qt::IntersectClip);
    painter.setPen(Qt::white);
    texts_.Draw(painter, {16, 400}, QString::fromStdString(level_->Score().Ticker().Caption()), ArialFont(16));
    painter.restore();
  }

  if (dirty.intersects(TimeTextRect().united(timeDrawn_))) {
    painter.setPen(ToQColor(level_->Clock().TimeColor()));
    texts_.DrawCentred(painter, kTimeBox, QString::fromStdString(level_->Clock().TimeText()), ArialFont(48));
    timeDrawn_ = TimeTextRect();
  }
}

void TfmGame::DrawTags(QPainter& painter, const QRect& dirty) {
  for (const LetterTagEntry& entry : level_->Stage().LetterTags()) {
    const TletterImage* tag = entry.tag.get();
    if (!tag || !tag->Visible || !tag->Picture) continue;
    const QRect box = WorldRect(tag->Left, tag->Top, tag->Width(), tag->Height());
    if (!dirty.intersects(box)) continue;
    if (tag->HasWord()) {
      DrawPlaque(painter, *tag, box);
      continue;
    }
    painter.drawPixmap(box.topLeft(), Pixmap(tag->Picture, false));
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setPen(ToQColor(tag->FontColor));
    texts_.Draw(painter, box.topLeft() + QPoint(tag->TextX, tag->TextY), QString::fromStdString(tag->Letter),
                ArialFont(TletterImage::PixelSize(tag->Lsize)));
    painter.restore();
  }
}

void TfmGame::DrawPlaque(QPainter& painter, const TletterImage& tag, const QRect& box) {
  // The tag's picture stretched to the word: its ends as they are, its middle drawn out.
  const QPixmap& picture = Pixmap(tag.Picture, false);
  const int w = picture.width();
  const int h = picture.height();
  const int cap = std::min(kPlaqueCap, w / 3);
  painter.drawPixmap(QRect(box.left(), box.top(), cap, box.height()), picture, QRect(0, 0, cap, h));
  painter.drawPixmap(QRect(box.left() + cap, box.top(), box.width() - 2 * cap, box.height()), picture,
                     QRect(cap, 0, w - 2 * cap, h));
  painter.drawPixmap(QRect(box.right() + 1 - cap, box.top(), cap, box.height()), picture, QRect(w - cap, 0, cap, h));

  // The letters typed so far in the highlight colour, underlined; the rest as a tag's letter.
  painter.save();
  painter.setClipRect(box, Qt::IntersectClip);
  const QString word = QString::fromStdString(tag.Letter);
  const QString typed = word.left(static_cast<int>(std::min<size_t>(tag.Typed, static_cast<size_t>(word.size()))));
  const QString rest = word.mid(typed.size());
  QFont font = ArialFont(TletterImage::PixelSize(tag.Lsize));
  const QPoint at = box.topLeft() + QPoint(tag.TextX, tag.TextY);
  int x = at.x();
  if (!typed.isEmpty()) {
    QFont marked = font;
    marked.setUnderline(true);
    painter.setPen(ToQColor(tag.LHLColor));
    texts_.Draw(painter, {x, at.y()}, typed, marked);
    x += QFontMetrics(font).horizontalAdvance(typed);
  }
  painter.setPen(ToQColor(tag.LColor));
  texts_.Draw(painter, {x, at.y()}, rest, font);
  painter.restore();
}

void TfmGame::DrawActors(QPainter& painter, const QRect& dirty) {
  for (const TbotImage* actor : level_->Spawner().LiveActors()) {
    if (!actor->Visible || !actor->Shown || actor->Width <= 0 || actor->Height <= 0) continue;
    const QRect box = WorldRect(actor->Left, actor->Top, actor->Width, actor->Height);
    if (!dirty.intersects(box)) continue;
    painter.drawPixmap(box, Pixmap(actor->Shown, actor->Transparent));
  }
}

bool TfmGame::OnLabel(const QPoint& p) const {
  const GameLabels& labels = level_->Score().Labels();
  const QFontMetrics metrics(ArialFont(13));
  // The small labels size themselves to their captions.
  const struct {
    int top;
    const std::string& caption;
  } small[] = {{408, labels.point}, {432, labels.miss}, {456, labels.civilian}};
  for (const auto& label : small) {
    const QRect box(568, label.top, metrics.horizontalAdvance(QString::fromStdString(label.caption)), metrics.height());
    if (box.contains(p)) return true;
  }
  return kTimeBox.contains(p) || kTickerBox.contains(p);
}

void TfmGame::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  QPoint p;
  Box().ToWorld(static_cast<int>(std::floor(event->position().x())), static_cast<int>(std::floor(event->position().y())),
                p.rx(), p.ry());
  // The black border around the world is not the map.
  if (!kWorld.contains(p)) return;
  // Actors and tags stand over the map and take their own clicks; the labels lie over it too.
  for (const TbotImage* actor : level_->Spawner().LiveActors()) {
    if (actor->Visible && Contains(actor->Left, actor->Top, actor->Width, actor->Height, p)) return;
  }
  for (const LetterTagEntry& entry : level_->Stage().LetterTags()) {
    const TletterImage* tag = entry.tag.get();
    if (tag && tag->Visible && Contains(tag->Left, tag->Top, tag->Width(), tag->Height(), p)) return;
  }
  if (OnLabel(p)) return;
  level_->imgMapClick();
}

// The second press of a double-click belongs to the same click: the map was clicked once.
void TfmGame::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

bool TfmGame::eventFilter(QObject* watched, QEvent* event) {
  // A key event travels past the window, the focus widget and its parents; only the window's
  // copy counts, so each key is seen once.
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  if (!watched->isWindowType()) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const bool ours = watched == windowHandle() && isVisible();
  if (event->type() == QEvent::KeyRelease) {
    // A key-up clears the held-key mark whichever window has the keyboard: the one that lifts
    // off the Escape that paused lands on the pause screen, or wherever the window manager
    // has put the keyboard by then.
    if (ReleaseReachesLevel(key->key(), key->modifiers(), key->nativeVirtualKey())) level_->KeyRelease(StrokeOf(*key));
    return ours;
  }
  if (!ours) return false;
  const GameKey game = TranslateKeyPress(key->key(), key->modifiers(), key->text(), key->nativeVirtualKey());
  if (game.kind == GameKey::Kind::Ignored) return true;
  KeyboardLayout* keyboard = app_.services.keyboard;
  const std::string position = keyboard ? keyboard->KeyPosition(key->nativeScanCode()) : std::string();
  level_->KeyPress(game.escape, game.text, position, StrokeOf(*key));
  if (game.kind == GameKey::Kind::FullScreen && !key->isAutoRepeat()) ToggleFullScreen();
  return true;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// ScaledScreen: a screen that floats over the game, enlarged by the game world's whole factor
// while the game fills the screen.
#include "screens/qt_scaled_screen.h"

#include <QEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

#include "app/app_context.h"
#include "level/game_form.h"
#include "level/letterbox.h"
#include "screens/qt_fonts.h"

ScaledScreen::ScaledScreen(QWidget* form) : QObject(form), form_(form) { form_->installEventFilter(this); }

ScaledScreen::~ScaledScreen() {
  // The form owns this object: it is being destroyed, and must not be handed back or deleted
  // with the scene.
  if (proxy_) proxy_->setWidget(nullptr);
  delete host_;
}

QWidget* ScaledScreen::Host() const { return proxy_ ? host_ : nullptr; }

void ScaledScreen::Release() {
  if (!proxy_) return;
  proxy_->setWidget(nullptr);
  // The scene deletes the proxy with it; the form is a window of its own again.
  scene_->removeItem(proxy_);
  delete proxy_;
  proxy_ = nullptr;
}

void ScaledScreen::Place(int factor, QScreen* screen, bool modal) {
  if (!screen) screen = QGuiApplication::primaryScreen();
  factor_ = std::max(factor, 1);
  Release();
  if (factor_ == 1) {
    if (host_) host_->hide();
    CentreOnScreen(form_);
    return;
  }
  if (!host_) {
    host_ = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    host_->setAttribute(Qt::WA_QuitOnClose, false);
    scene_ = new QGraphicsScene(host_);
    view_ = new QGraphicsView(scene_, host_);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setBackgroundBrush(Qt::black);
    // Whole factors repeat the pictures' pixels: no smoothing, the text drawn at the larger size.
    view_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    view_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(host_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
  }
  form_->hide();
  form_->move(0, 0);
  proxy_ = scene_->addWidget(form_);
  proxy_->setPos(0, 0);
  proxy_->setScale(factor_);
  const QSize size = form_->size() * factor_;
  scene_->setSceneRect(0, 0, size.width(), size.height());
  host_->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
  host_->setFixedSize(size);
  const QRect area = screen->geometry();
  host_->move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
  host_->show();
  Activate();
}

void ScaledScreen::Activate() {
  if (!Host()) return;
  host_->raise();
  host_->activateWindow();
  view_->setFocus();
  if (proxy_) proxy_->setFocus();
}

bool ScaledScreen::eventFilter(QObject* watched, QEvent* event) {
  // The enlarged window goes when the form hides, however its code hides it, and the form is
  // a window of its own again until it is placed anew.
  if (watched == form_ && event->type() == QEvent::Hide && proxy_) {
    host_->hide();
    Release();
  }
  if (watched == form_ && event->type() == QEvent::Show && proxy_) Activate();
  return false;
}

int FloatingScreenFactor(const AppContext& app, QScreen** screen) {
  const TfmGame* game = app.screens.fmGame;
  QScreen* on = game && game->screen() ? game->screen() : QGuiApplication::primaryScreen();
  if (screen) *screen = on;
  if (!game || !game->isVisible() || !game->FullScreen() || !on) return 1;
  const QRect area = on->geometry();
  return WholeWorldFactor(area.width(), area.height());
}

void PlaceFloatingScreen(const AppContext& app, ScaledScreen& scaled, bool modal) {
  QScreen* screen = nullptr;
  int factor = FloatingScreenFactor(app, &screen);
  // A modal screen runs its own event loop, which does not yet end inside the enlarging window:
  // the results and end screens stay at their own size until it does.
  if (modal) factor = 1;
  scaled.Place(factor, screen, modal);
}

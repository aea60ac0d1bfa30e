// SPDX-License-Identifier: GPL-3.0-or-later
// ScaledScreen: a screen that floats over the game, enlarged by the game world's whole factor
// while the game fills the screen.
#include "widgets/qt_scaled_screen.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <utility>

#include "widgets/qt_fonts.h"

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
  QGraphicsProxyWidget* proxy = std::exchange(proxy_, nullptr);
  // The form is a window of its own again.
  proxy->setWidget(nullptr);
  scene_->removeItem(proxy);
  // A click on one of the form's buttons that hides the form is still being delivered through
  // the proxy: it goes once that delivery is over.
  proxy->deleteLater();
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
    view_->installEventFilter(this);
    auto* layout = new QVBoxLayout(host_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
  }
  // Window lists and tests know the enlarged screen by the form's title.
  host_->setWindowTitle(form_->windowTitle());
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
  // The view and its scene take Tab and Shift+Tab for their own focus chain, which the form's
  // highlight never sees: those keys go straight to the form.
  if (watched == view_ && event->type() == QEvent::KeyPress && proxy_) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      QWidget* focus = form_->focusWidget();
      QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(), key->count());
      QCoreApplication::sendEvent(focus && form_->isAncestorOf(focus) ? focus : form_, &copy);
      return true;
    }
  }
  // The enlarged window goes when the form hides, however its code hides it, and the form is
  // a window of its own again until it is placed anew.
  if (watched == form_ && event->type() == QEvent::Hide && proxy_) {
    host_->hide();
    Release();
  }
  if (watched == form_ && event->type() == QEvent::Hide) emit FormHidden();
  if (watched == form_ && event->type() == QEvent::Show && proxy_) Activate();
  return false;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts, colours and pictures shared by the small screens.
#include "screens/qt_fonts.h"

#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include "platform/qt_translations.h"

QFont ArialFont(int pixelSize, bool bold, bool italic) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

QFont SmallSansFont(int pixelSize) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(pixelSize);
  return font;
}

ScreenPictureName ScreenPicture(const QString& name, int width, int height) {
  return {name, width, height};
}

QString ScreenPictureName::Path() const {
  // Pictures with words have one drawing per language, in a folder named after it.
  const QString translated = QStringLiteral(":/pictures/") + UiLanguageCode() + QStringLiteral("/") + name;
  return QFile::exists(translated) ? translated : QStringLiteral(":/pictures/") + name;
}

QPixmap ScreenPictureName::Load() const {
  QPixmap picture(Path());
  if (!picture.isNull()) return picture;
  QPixmap fill(width, height);
  fill.fill(look::kMissingPicture);
  return fill;
}

QSize ScreenPictureName::Size() const {
  const QSize size = QImageReader(Path()).size();
  return size.isValid() ? size : QSize(width, height);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, const QFont& font,
                  const QColor& color) {
  auto* label = new QLabel(text, parent);
  label->setFont(font);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->setAutoFillBackground(false);
  SetLabelColor(label, color);
  label->move(left, top);
  label->adjustSize();
  return label;
}

void FitLabelWidth(QLabel* label, const QFont& font, int maxWidth) {
  QFont fitted = font;
  while (fitted.pixelSize() > 9 && QFontMetrics(fitted).horizontalAdvance(label->text()) > maxWidth)
    fitted.setPixelSize(fitted.pixelSize() - 1);
  label->setFont(fitted);
  label->adjustSize();
}

void SetLabelColor(QLabel* label, const QColor& color) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
}

void CentreOnScreen(QWidget* widget) {
  QScreen* screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QSize size = widget->frameGeometry().size();
  widget->move(area.left() + (area.width() - size.width()) / 2,
               area.top() + (area.height() - size.height()) / 2);
}

void SetLinkLook(QLabel* label, const QColor& color, bool underline) {
  QFont font = label->font();
  font.setUnderline(underline);
  label->setFont(font);
  SetLabelColor(label, color);
  label->adjustSize();
}

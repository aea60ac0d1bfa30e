// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts, colours and pictures shared by the small screens.
#include "widgets/qt_fonts.h"

#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QHash>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include "platform/qt/qt_translations.h"

QFont ArialFont(int pixelSize, bool bold, bool italic) {
  // Kept once made: the game screen asks for its fonts at every repaint, and a copy of a font
  // shares its data. Fonts belong to the thread of the screens alone.
  static QHash<int, QFont> made;
  const bool keep = pixelSize >= 0 && pixelSize <= 1 << 16;
  const int key = keep ? pixelSize * 4 + (bold ? 2 : 0) + (italic ? 1 : 0) : 0;
  if (keep) {
    if (const auto it = made.constFind(key); it != made.constEnd()) return *it;
  }
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setItalic(italic);
  if (keep && made.size() < 256) made.insert(key, font);
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

namespace {
// A reader of the picture in the format its name ends in, or by its contents where that fails.
// Naming the format spares loading every image plugin of the toolkit to ask whether it knows
// the file: the screens' pictures are PNG, which the toolkit reads itself.
QImage ReadPicture(const QString& path, QSize* sizeOnly) {
  const QByteArray suffix = path.section(QLatin1Char('.'), -1).toLower().toLatin1();
  for (const bool byName : {true, false}) {
    QImageReader reader(path, byName ? suffix : QByteArray());
    reader.setAutoDetectImageFormat(!byName);
    if (sizeOnly != nullptr) {
      *sizeOnly = reader.size();
      if (sizeOnly->isValid()) return {};
    } else if (QImage image = reader.read(); !image.isNull()) {
      return image;
    }
  }
  return {};
}
}  // namespace

QPixmap ScreenPictureName::Load() const {
  const QImage image = ReadPicture(Path(), nullptr);
  if (!image.isNull()) return QPixmap::fromImage(image);
  QPixmap fill(width, height);
  fill.fill(look::kMissingPicture);
  return fill;
}

QSize ScreenPictureName::Size() const {
  QSize size;
  ReadPicture(Path(), &size);
  return size.isValid() ? size : QSize(width, height);
}

namespace {
// Sizes its label to the text when the label next shows after Arm(), unless something gives the
// label a size first. (Polishing would be no later: every widget is polished at the first turn of
// the event loop, shown or not.)
class SizeToTextWhenShown : public QObject {
public:
  explicit SizeToTextWhenShown(QLabel* label) : QObject(label), label_(label) {
    label->installEventFilter(this);
  }
  void Arm() {
    armed_ = true;
    unsized_ = label_->size();
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (armed_ && watched == label_ && event->type() == QEvent::Show) {
      armed_ = false;
      if (label_->size() == unsized_) label_->adjustSize();
    }
    return false;
  }

private:
  QLabel* label_;
  bool armed_ = false;
  QSize unsized_;
};
}  // namespace

void SizeLabelToText(QLabel* label) {
  // Measuring text loads the font: a screen not on show needs none of its fonts until it shows.
  if (label->window()->isVisible()) {
    label->adjustSize();
    return;
  }
  auto* sizer = label->findChild<SizeToTextWhenShown*>(QString(), Qt::FindDirectChildrenOnly);
  if (sizer == nullptr) sizer = new SizeToTextWhenShown(label);
  sizer->Arm();
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, const QFont& font,
                  const QColor& color) {
  auto* label = new QLabel(text, parent);
  label->setFont(font);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->setAutoFillBackground(false);
  SetLabelColor(label, color);
  label->move(left, top);
  SizeLabelToText(label);
  return label;
}

QFont FontFitting(const QFont& font, const QString& text, int maxWidth, int leastPx) {
  QFont fitted = font;
  while (fitted.pixelSize() > leastPx && QFontMetrics(fitted).horizontalAdvance(text) > maxWidth)
    fitted.setPixelSize(fitted.pixelSize() - 1);
  return fitted;
}

QFont FontFittingBox(const QFont& font, const QString& text, const QRect& box, int flags, int leastPx) {
  QFont fitted = font;
  while (fitted.pixelSize() > leastPx && QFontMetrics(fitted).boundingRect(box, flags, text).height() > box.height())
    fitted.setPixelSize(fitted.pixelSize() - 1);
  return fitted;
}

void FitLabelWidth(QLabel* label, const QFont& font, int maxWidth) {
  label->setFont(FontFitting(font, label->text(), maxWidth));
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
  SizeLabelToText(label);
}

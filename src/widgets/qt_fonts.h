// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts, colours and pictures shared by the small screens.
#pragma once
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace look {
inline const QColor kBlack{0, 0, 0};
inline const QColor kWhite{255, 255, 255};
inline const QColor kSilver{0xC0, 0xC0, 0xC0};
inline const QColor kGray{0x80, 0x80, 0x80};
inline const QColor kNavy{0, 0, 0x80};
inline const QColor kRed{255, 0, 0};
inline const QColor kGreen{0, 0x80, 0};
inline const QColor kYellow{255, 255, 0};
inline const QColor kBlue{0, 0, 255};
// What a screen shows in place of a picture that is not there.
inline const QColor kMissingPicture{0x20, 0x20, 0x28};
}  // namespace look

// "Arial" at a size in pixels, bold unless told otherwise.
QFont ArialFont(int pixelSize, bool bold = true, bool italic = false);
// The small dialog font of the about screen.
QFont SmallSansFont(int pixelSize = 11);

// The picture ":/pictures/<name>", named now and decoded when first drawn: start-up decodes
// only what the main menu shows.
struct ScreenPictureName {
  QString name;
  int width = 0;  // of the plain dark picture shown when it is missing
  int height = 0;
  // The decoded picture; the plain dark one when it is missing.
  QPixmap Load() const;
  // The picture's size from its header alone; the missing picture's size when it is missing.
  QSize Size() const;
  // The language's own drawing when there is one, else the common one.
  QString Path() const;
};
ScreenPictureName ScreenPicture(const QString& name, int width, int height);

// Sizes a label to its text: now when its window shows, else when the label next shows (unless
// something gives it a size in between).
void SizeLabelToText(QLabel* label);
// A label at (left, top) sized to its text (as SizeLabelToText does), transparent over what lies below it.
QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, const QFont& font,
                  const QColor& color);
void SetLabelColor(QLabel* label, const QColor& color);
// The font, or a smaller size of it (down to leastPx pixels), in which text is at most maxWidth
// wide.
QFont FontFitting(const QFont& font, const QString& text, int maxWidth, int leastPx = 9);
// The same for text laid out in box with the drawing flags (word wrap): at most the box's height.
QFont FontFittingBox(const QFont& font, const QString& text, const QRect& box, int flags, int leastPx = 9);
// Sizes a label to its text in font, or in a smaller size of it (down to 9 pixels) where the text
// would be wider than maxWidth.
void FitLabelWidth(QLabel* label, const QFont& font, int maxWidth);
// A clickable text's look under and away from the pointer: colour and underline, sized to fit.
void SetLinkLook(QLabel* label, const QColor& color, bool underline);

// Centres a top-level widget on the screen it will appear on.
void CentreOnScreen(QWidget* widget);

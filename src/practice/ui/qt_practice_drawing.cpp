// SPDX-License-Identifier: GPL-3.0-or-later
// What the practice card and the practice results draw alike.
#include "practice/ui/qt_practice_drawing.h"

#include <QPainter>
#include <algorithm>

#include "platform/key_table.h"
#include "platform/qt/qt_translations.h"
#include "practice/key_order.h"
#include "progress/taught_keys.h"
#include "widgets/qt_fonts.h"

namespace {
// The fingers' names as the rules write them.
[[maybe_unused]] constexpr const char* kFingerNames[] = {
    QT_TRANSLATE_NOOP("TfmPracticeCard", "left little finger"),
    QT_TRANSLATE_NOOP("TfmPracticeCard", "left ring finger"),
    QT_TRANSLATE_NOOP("TfmPracticeCard", "left middle finger"),
    QT_TRANSLATE_NOOP("TfmPracticeCard", "left index finger"),
    QT_TRANSLATE_NOOP("TfmPracticeCard", "right index finger"),
    QT_TRANSLATE_NOOP("TfmPracticeCard", "right middle finger"),
    QT_TRANSLATE_NOOP("TfmPracticeCard", "right ring finger"),
    QT_TRANSLATE_NOOP("TfmPracticeCard", "right little finger")};
}  // namespace

void PaintPracticeBoard(QPainter& p, const QRect& area) {
  for (int y = area.top(), plank = 0; y <= area.bottom(); y += 22, ++plank) {
    const int shade = 40 + (plank * 37) % 11;
    p.fillRect(QRect(area.left(), y, area.width(), std::min(22, area.bottom() - y + 1)),
               QColor(shade, shade * 6 / 10, shade * 35 / 100));
    p.setPen(QColor(16, 9, 5));
    p.drawLine(area.left(), y, area.right(), y);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(practice_look::kBrass, 1));
  p.drawRect(QRectF(area).adjusted(1.5, 1.5, -1.5, -1.5));
  p.setPen(QPen(practice_look::kBrass.darker(160), 1));
  p.drawRect(QRectF(area).adjusted(4.5, 4.5, -4.5, -4.5));
}

void PaintMasteryBar(QPainter& p, const QRect& r, double score, const QColor& colour) {
  const double part = std::clamp(score, 0.0, 1.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 12, 6));
  p.drawRect(r);
  const int filled = static_cast<int>(std::lround(part * (r.width() - 2)));
  if (filled > 0) p.fillRect(QRect(r.left() + 1, r.top() + 1, filled, r.height() - 2), colour);
  p.setPen(QPen(practice_look::kDim, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
}

QColor FingerColour(Finger finger) {
  // Mirror-alike for the two hands, so a learner sees which fingers match.
  switch (finger) {
    case Finger::LeftLittle:
    case Finger::RightLittle:
      return QColor(0xB0, 0x7C, 0xC8);
    case Finger::LeftRing:
    case Finger::RightRing:
      return QColor(0x5C, 0x9C, 0xD8);
    case Finger::LeftMiddle:
    case Finger::RightMiddle:
      return QColor(0x5C, 0xB8, 0x7C);
    case Finger::LeftIndex:
      return QColor(0xE0, 0xA8, 0x48);
    case Finger::RightIndex:
      return QColor(0xE0, 0x80, 0x58);
    case Finger::None:
      break;
  }
  return QColor(0x70, 0x64, 0x58);
}

QString FingerText(Finger finger) { return TranslatedText("TfmPracticeCard", FingerName(finger)); }

QRect SmallKeyboard::KeyRect(int row, int column) const {
  return QRect(area.left() + row * rowShift + column * (key + gap), area.top() + row * (key + gap),
               key, key);
}

QRect SmallKeyRect(const SmallKeyboard& board, const std::string& position) {
  const std::vector<std::vector<std::string>> rows = KeyboardPositions();
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      if (rows[r][c] == position) return board.KeyRect(static_cast<int>(r), static_cast<int>(c));
    }
  }
  return {};
}

void PaintSmallKeyboard(QPainter& p, const SmallKeyboard& board, const KeyTable* layout,
                        const std::vector<std::string>& setPositions, const std::string& marked) {
  const std::vector<std::vector<std::string>> rows = KeyboardPositions();
  p.setFont(ArialFont(12));
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      const std::string& position = rows[r][c];
      const QRect rect = board.KeyRect(static_cast<int>(r), static_cast<int>(c));
      const bool inSet =
          std::find(setPositions.begin(), setPositions.end(), position) != setPositions.end();
      QColor fill = FingerColour(FingerOf(position));
      if (!inSet) fill = fill.darker(260);
      p.setPen(QPen(QColor(20, 12, 6), 1));
      p.setBrush(fill);
      p.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
      if (position == marked) {
        p.setPen(QPen(look::kWhite, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect).adjusted(-1.5, -1.5, 1.5, 1.5), 4, 4);
      }
      const std::string typed = TypedCharacter(position, layout);
      p.setPen(inSet ? look::kBlack : practice_look::kDim);
      p.drawText(rect, Qt::AlignCenter,
                 QString::fromStdString(typed.empty() ? std::string() : typed));
    }
  }
}

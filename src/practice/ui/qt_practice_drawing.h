// SPDX-License-Identifier: GPL-3.0-or-later
// What the practice card and the practice results draw alike: their board, mastery bars, the
// small keyboard with its finger zones and the fingers' names.
#pragma once
#include <QColor>
#include <QRect>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "practice/key_finger.h"

class KeyTable;
class QPainter;

namespace practice_look {
inline const QColor kBoard{38, 24, 14, 235};
inline const QColor kBrass{0xD9, 0xA9, 0x4B};
inline const QColor kParchment{0xF0, 0xE2, 0xC0};
inline const QColor kDim{0x9A, 0x8A, 0x70};
inline const QColor kMastered{0x6C, 0xC0, 0x5A};
inline const QColor kLearning{0xE8, 0xB0, 0x40};
}  // namespace practice_look

// The card's and the results' background: dark planks in a brass frame.
void PaintPracticeBoard(QPainter& p, const QRect& area);
// A bar filled to score (0..1) in colour, with a frame; the score is kept within 0..1.
void PaintMasteryBar(QPainter& p, const QRect& r, double score, const QColor& colour);
// The colour of a finger's zone on the small keyboard.
QColor FingerColour(Finger finger);
// The finger's name in the player's language.
QString FingerText(Finger finger);

// The small keyboard: the keys of the typing area where they sit, each named by what it types on
// the layout, tinted by the finger that types it; the keys of the set bright, the others dim,
// marked outlined thick.
struct SmallKeyboard {
  QRect area;  // top-left corner; the keys take 4 rows
  int key = 22;
  int gap = 2;
  int rowShift = 9;
  QRect KeyRect(int row, int column) const;
};
void PaintSmallKeyboard(QPainter& p, const SmallKeyboard& board, const KeyTable* layout,
                        const std::vector<std::string>& setPositions, const std::string& marked);
// Where the small keyboard draws a position; empty for one it does not hold.
QRect SmallKeyRect(const SmallKeyboard& board, const std::string& position);

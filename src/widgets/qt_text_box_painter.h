// SPDX-License-Identifier: GPL-3.0-or-later
// TextBoxPainter: a painter whose texts drawn into a box can be checked: a watcher (set by a test)
// is told of every text that needs more room than its box gives, in whatever language it is.
#pragma once
#include <QPainter>
#include <QRect>
#include <QString>
#include <functional>

struct TextBoxOverflow {
  QString text;
  QRect box;
  QRect needed;  // where the text would reach
};
using TextBoxWatcher = std::function<void(const TextBoxOverflow&)>;

// Tells watcher of every text a TextBoxPainter draws into a box too small for it (too wide, or,
// wrapped, too high); an empty watcher ends it.
void WatchTextBoxes(TextBoxWatcher watcher);

class TextBoxPainter : public QPainter {
 public:
  using QPainter::drawText;
  using QPainter::QPainter;
  // Draws as QPainter does, and measures the text against its box while a watcher is set.
  void drawText(const QRect& box, int flags, const QString& text, QRect* boundingRect = nullptr);
};

// SPDX-License-Identifier: GPL-3.0-or-later
// TextBoxPainter: texts drawn into boxes, measured against them while a test watches.
#include "widgets/qt_text_box_painter.h"

#include <QFontMetrics>

namespace {
TextBoxWatcher& Watcher() {
  static TextBoxWatcher watcher;
  return watcher;
}
}  // namespace

void WatchTextBoxes(TextBoxWatcher watcher) { Watcher() = std::move(watcher); }

void TextBoxPainter::drawText(const QRect& box, int flags, const QString& text,
                              QRect* boundingRect) {
  QPainter::drawText(box, flags, text, boundingRect);
  if (!Watcher() || text.isEmpty()) return;
  const QRect needed = fontMetrics().boundingRect(box, flags, text);
  // A single line may stand higher than a low box: only its width counts. Wrapped lines must
  // also fit the box's height.
  const bool tooWide = needed.width() > box.width();
  const bool tooHigh = (flags & Qt::TextWordWrap) != 0 && needed.height() > box.height();
  if (tooWide || tooHigh) Watcher()(TextBoxOverflow{text, box, needed});
}

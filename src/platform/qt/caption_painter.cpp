#include "platform/qt/caption_painter.h"

#include <QPainter>
#include <QPolygon>

#include "platform/qt/caption_layout.h"
#include "platform/qt/caption_title.h"

namespace platform::qt {

namespace {

void PaintRaisedBox(QPainter& painter, const QRect& box, const CaptionColours& colours) {
  painter.fillRect(box, colours.buttonFace);
  painter.setPen(colours.buttonLight);
  painter.drawLine(box.topLeft(), box.topRight() - QPoint(1, 0));
  painter.drawLine(box.topLeft(), box.bottomLeft() - QPoint(0, 1));
  painter.setPen(colours.buttonShadow);
  painter.drawLine(box.bottomLeft(), box.bottomRight());
  painter.drawLine(box.topRight(), box.bottomRight());
}

// The system-menu box's mark: a short bar across the middle, with a shadow.
void PaintSystemBox(QPainter& painter, const QRect& box, const CaptionColours& colours) {
  PaintRaisedBox(painter, box, colours);
  const int width = box.width() * 3 / 5;
  const int height = box.height() >= 16 ? 3 : 2;
  const QRect mark(box.left() + (box.width() - width) / 2, box.top() + (box.height() - height) / 2, width, height);
  painter.fillRect(mark.translated(1, 1), colours.buttonShadow);
  painter.fillRect(mark, colours.glyph);
}

// The minimise box's mark: an arrow pointing down.
void PaintMinimizeBox(QPainter& painter, const QRect& box, const CaptionColours& colours) {
  PaintRaisedBox(painter, box, colours);
  const int half = box.width() / 4;
  const QPoint centre = box.center();
  const int top = centre.y() - half / 2;
  QPolygon arrow;
  arrow << QPoint(centre.x() - half, top) << QPoint(centre.x() + half, top) << QPoint(centre.x(), top + half);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colours.glyph);
  painter.drawPolygon(arrow);
  painter.setBrush(Qt::NoBrush);
}

}  // namespace

CaptionColours CaptionColoursFor(const QPalette& palette, bool active) {
  CaptionColours colours;
  colours.frame = palette.color(QPalette::Active, QPalette::Shadow);
  if (active) {
    colours.bar = palette.color(QPalette::Active, QPalette::Highlight);
    colours.text = palette.color(QPalette::Active, QPalette::HighlightedText);
  } else {
    colours.bar = palette.color(QPalette::Active, QPalette::Window);
    colours.text = palette.color(QPalette::Active, QPalette::WindowText);
  }
  colours.buttonFace = palette.color(QPalette::Active, QPalette::Button);
  colours.buttonLight = palette.color(QPalette::Active, QPalette::Light);
  colours.buttonShadow = palette.color(QPalette::Active, QPalette::Dark);
  colours.glyph = palette.color(QPalette::Active, QPalette::ButtonText);
  return colours;
}

void PaintCaption(QPainter& painter, const CaptionLayout& layout, const CaptionTitle& title, const QFont& font,
                  const CaptionColours& colours, const QRect& dirty) {
  if (!layout.title.contains(dirty)) {
    // The border is the whole window filled, and the bar over it: a line
    // drawn round the edge covers only part of its pixels on a screen of
    // two or one and a half device pixels to the unit. The fill reaches a
    // unit past the window so that a last device row or column that a
    // fractional ratio leaves is covered too.
    const QRect whole = layout.bar.adjusted(-1, -1, 1, 1);
    painter.fillRect(whole.adjusted(0, 0, 1, 1), colours.frame);
    painter.fillRect(layout.bar, colours.bar);
    if (!layout.systemBox.isEmpty()) PaintSystemBox(painter, layout.systemBox, colours);
    if (!layout.minimizeBox.isEmpty()) PaintMinimizeBox(painter, layout.minimizeBox, colours);
  } else {
    painter.fillRect(layout.title, colours.bar);
  }
  painter.setFont(font);
  painter.setPen(colours.text);
  painter.setClipRect(layout.title);
  const QSizeF size = title.Size();
  const QPointF corner(layout.title.left() + (layout.title.width() - size.width()) / 2,
                       layout.title.top() + (layout.title.height() - size.height()) / 2);
  title.Draw(painter, corner);
  painter.setClipping(false);
}

}  // namespace platform::qt

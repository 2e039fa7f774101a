// Drawing a caption bar: the border, the bar in the active or inactive
// caption colour, the system-menu box with its bar, the minimise box with its
// arrow, and the title centred between them.
#pragma once

#include <QFont>
#include <QPalette>
#include <QRect>

class QPainter;

namespace platform::qt {

struct CaptionLayout;
class CaptionTitle;

struct CaptionColours {
  QColor frame;
  QColor bar;
  QColor text;
  QColor buttonFace;
  QColor buttonLight;
  QColor buttonShadow;
  QColor glyph;
};

// The caption colours the palette gives for an active or inactive window.
CaptionColours CaptionColoursFor(const QPalette& palette, bool active);

// Paints what lies in dirty: once a second only the title has changed, and
// the border and the boxes need not be drawn again.
void PaintCaption(QPainter& painter, const CaptionLayout& layout, const CaptionTitle& title, const QFont& font,
                  const CaptionColours& colours, const QRect& dirty = QRect(0, 0, 1 << 15, 1 << 15));

}  // namespace platform::qt

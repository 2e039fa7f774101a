// Drawing a caption bar: the border, the bar in the active or inactive
// caption colour, the system-menu box with its bar, the minimise box with its
// arrow, and the title centred between them.
#pragma once

#include <QFont>
#include <QPalette>

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

void PaintCaption(QPainter& painter, const CaptionLayout& layout, const CaptionTitle& title, const QFont& font,
                  const CaptionColours& colours);

}  // namespace platform::qt

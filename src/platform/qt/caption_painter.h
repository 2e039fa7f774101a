// Drawing a caption bar: the border, the bar in the active or inactive
// caption colour, the system-menu box with its bar, the minimise box with its
// arrow, and the title centred between them.
#pragma once

#include <QFont>
#include <QPalette>
#include <QStaticText>
#include <QString>

class QPainter;

namespace platform::qt {

struct CaptionLayout;

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

// The title laid out once in the caption font, so that a repaint only draws
// it: the face is redrawn every second and laying text out is the dearest
// part of drawing it.
QStaticText PrepareTitle(const QString& title, const QFont& font);

void PaintCaption(QPainter& painter, const CaptionLayout& layout, const QStaticText& title, const QFont& font,
                  const CaptionColours& colours);

}  // namespace platform::qt

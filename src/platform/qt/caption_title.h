// The face text laid out once for the caption, so that the repaint every
// second only draws it.
//
// A face of plain ASCII in a font that has all its characters (nearly every
// face) is set glyph by glyph from the font's own table, kerned: no text
// shaping, which is by far the dearest part of drawing a changed face. Any
// other text (an AM/PM word in another script, a character the font lacks)
// goes through the toolkit's full text layout, with its shaping and font
// fallback.
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QPointF>
#include <QRawFont>
#include <QSizeF>
#include <QStaticText>
#include <QString>
#include <optional>

class QPainter;

namespace platform::qt {

class CaptionTitle {
 public:
  CaptionTitle() = default;
  // The font's glyph table is looked up once for every title set in it.
  CaptionTitle(const QString& text, const QFont& font, const QRawFont& glyphs);

  QSizeF Size() const { return size_; }
  // Whether the text took the full layout rather than the glyph table.
  bool Shaped() const { return shaped_.has_value(); }
  // Draws the text with its top left corner at topLeft, in the painter's
  // font and pen.
  void Draw(QPainter& painter, QPointF topLeft) const;

 private:
  bool SetFromGlyphTable(const QString& text, const QRawFont& glyphs);

  QGlyphRun run_;
  qreal ascent_ = 0;
  QSizeF size_;
  std::optional<QStaticText> shaped_;
};

}  // namespace platform::qt

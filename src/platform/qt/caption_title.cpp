#include "platform/qt/caption_title.h"

#include <QPainter>

namespace platform::qt {

namespace {

bool IsPlainAscii(const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 0x20 || c.unicode() > 0x7e) return false;
  }
  return true;
}

}  // namespace

CaptionTitle::CaptionTitle(const QString& text, const QFont& font, const QRawFont& glyphs) {
  if (SetFromGlyphTable(text, glyphs)) {
    // The glyph table's own metrics: asking the font for them again every
    // second costs as much as the rest of setting the title.
    ascent_ = glyphs.ascent();
    size_ = QSizeF(size_.width(), glyphs.ascent() + glyphs.descent());
    return;
  }
  QStaticText shaped(text);
  shaped.setTextFormat(Qt::PlainText);
  shaped.setPerformanceHint(QStaticText::AggressiveCaching);
  shaped.prepare(QTransform(), font);
  size_ = shaped.size();
  shaped_ = std::move(shaped);
}

bool CaptionTitle::SetFromGlyphTable(const QString& text, const QRawFont& glyphs) {
  if (!glyphs.isValid() || !IsPlainAscii(text)) return false;
  const QList<quint32> indexes = glyphs.glyphIndexesForString(text);
  if (indexes.size() != text.size()) return false;
  for (quint32 index : indexes) {
    // Glyph 0 is the font's "missing" box: that text needs a fallback font.
    if (index == 0) return false;
  }
  const QList<QPointF> advances = glyphs.advancesForGlyphIndexes(indexes, QRawFont::KernedAdvances);
  QList<QPointF> positions;
  positions.reserve(indexes.size());
  qreal x = 0;
  for (const QPointF& advance : advances) {
    positions.append(QPointF(x, 0));
    x += advance.x();
  }
  run_.setRawFont(glyphs);
  run_.setGlyphIndexes(indexes);
  run_.setPositions(positions);
  size_ = QSizeF(x, 0);
  return true;
}

void CaptionTitle::Draw(QPainter& painter, QPointF topLeft) const {
  if (shaped_) {
    painter.drawStaticText(topLeft, *shaped_);
  } else if (!run_.glyphIndexes().isEmpty()) {
    painter.drawGlyphRun(QPointF(topLeft.x(), topLeft.y() + ascent_), run_);
  }
}

}  // namespace platform::qt

#include "platform/qt/caption_layout.h"

namespace platform::qt {

CaptionLayout LayOutCaption(QSize windowSize, DWORD style) {
  CaptionLayout layout;
  layout.bar = QRect(QPoint(0, 0), windowSize).adjusted(1, 1, -1, -1);
  const int box = layout.bar.height();
  QRect title = layout.bar;
  if ((style & WS_SYSMENU) != 0 && layout.bar.width() >= box) {
    layout.systemBox = QRect(layout.bar.left(), layout.bar.top(), box, box);
    title.setLeft(layout.systemBox.right() + 1);
  }
  // WS_MINIMIZEBOX shares its bit with WS_GROUP, so it counts only on a window
  // that has a caption to put the box in.
  if ((style & WS_MINIMIZEBOX) != 0 && (style & WS_CAPTION) == WS_CAPTION && title.width() >= box) {
    layout.minimizeBox = QRect(layout.bar.right() - box + 1, layout.bar.top(), box, box);
    title.setRight(layout.minimizeBox.left() - 1);
  }
  layout.title = title;
  return layout;
}

WPARAM CaptionHitTest(const CaptionLayout& layout, QPoint point) {
  if (layout.systemBox.contains(point)) return HTSYSMENU;
  if (layout.minimizeBox.contains(point)) return HTMINBUTTON;
  return HTCAPTION;
}

}  // namespace platform::qt

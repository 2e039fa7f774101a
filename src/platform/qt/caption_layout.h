// Where the parts of a caption bar are: the system-menu box at the left end,
// the minimise box at the right end, the title between them. The clock
// window is nothing but this bar, so its hit-testing is this too.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "platform/win32.h"

namespace platform::qt {

struct CaptionLayout {
  QRect bar;          // inside the one-pixel border
  QRect systemBox;    // empty without WS_SYSMENU
  QRect minimizeBox;  // empty without WS_MINIMIZEBOX
  QRect title;
};

// The boxes are squares as high as the bar.
CaptionLayout LayOutCaption(QSize windowSize, DWORD style);

// HTSYSMENU, HTMINBUTTON or HTCAPTION for a point in window coordinates
// (the border counts as caption: the bar is too thin to be sized).
WPARAM CaptionHitTest(const CaptionLayout& layout, QPoint point);

}  // namespace platform::qt

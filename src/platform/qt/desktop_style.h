// The look of the clock's dialogs: the toolkit's Fusion style with the small
// check marks and gaps of the classic dialog manager, so that a check box or
// radio button leaves its text the room its dialog units were drawn for. The
// outlines of check boxes, radio buttons and edits are drawn in a colour
// between the text and its background, so they stay visible under a dark
// palette as under a light one.
#pragma once

#include <QProxyStyle>

namespace platform::qt {

class DesktopStyle final : public QProxyStyle {
 public:
  DesktopStyle();
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace platform::qt

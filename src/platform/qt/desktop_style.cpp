#include "platform/qt/desktop_style.h"

#include <QStyleFactory>

namespace platform::qt {

namespace {

constexpr int kIndicatorPixels = 13;
constexpr int kLabelSpacingPixels = 4;

}  // namespace

DesktopStyle::DesktopStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int DesktopStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
      return kIndicatorPixels;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
      return kLabelSpacingPixels;
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

}  // namespace platform::qt

#include "platform/qt/desktop_style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace platform::qt {

namespace {

constexpr int kIndicatorPixels = 13;
constexpr int kLabelSpacingPixels = 4;

// How far from the background towards the text an outline's colour lies.
constexpr double kOutlineShare = 0.55;

QColor OutlineColour(const QPalette& palette, bool enabled) {
  const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
  const QColor text = palette.color(group, QPalette::WindowText);
  const QColor ground = palette.color(group, QPalette::Window);
  auto mix = [](int from, int to) { return static_cast<int>(from + (to - from) * kOutlineShare); };
  return QColor(mix(ground.red(), text.red()), mix(ground.green(), text.green()), mix(ground.blue(), text.blue()));
}

}  // namespace

void DesktopStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  if (element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton && element != PE_FrameLineEdit) return;
  const bool enabled = (option->state & State_Enabled) != 0;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, element == PE_IndicatorRadioButton);
  painter->setPen(QPen(OutlineColour(option->palette, enabled), 1));
  painter->setBrush(Qt::NoBrush);
  const QRectF box = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
  if (element == PE_IndicatorRadioButton) {
    painter->drawEllipse(box);
  } else {
    painter->drawRect(box);
  }
  painter->restore();
}

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

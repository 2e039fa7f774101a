#include "platform/qt/mirror_window.h"

#include <QGuiApplication>

namespace platform::qt {

void BringToFront(QWidget* window) {
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) window->raise();
}

}  // namespace platform::qt

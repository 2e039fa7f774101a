// What every top-level window of the desktop mirror has in common: it shows
// one window of the core (the clock window, a dialog, a message box) and is
// brought up to date from the core's description of that window.
#pragma once

#include <QWidget>

#include "platform/user/inspect.h"

namespace platform::qt {

class MirrorWindow : public QWidget {
 public:
  MirrorWindow(HWND handle, Qt::WindowFlags flags) : QWidget(nullptr, flags), handle_(handle) {}

  HWND Handle() const { return handle_; }

  // The core changed the window: bits are platform::WindowChange bits.
  virtual void Apply(const WindowSnapshot& window, unsigned bits) = 0;
  // The core created, changed or destroyed one of the window's controls.
  virtual void AddControl(const WindowSnapshot&) {}
  virtual void ApplyControl(const WindowSnapshot&, unsigned) {}
  virtual void RemoveControl(HWND) {}
  // The widget that shows a control of this window, nullptr when none does.
  virtual QWidget* ControlWidget(HWND) const { return nullptr; }

 private:
  HWND handle_;
};

// Raises a window above the others, where the platform has stacking at all
// (the offscreen platform of the tests has none).
void BringToFront(QWidget* window);

}  // namespace platform::qt

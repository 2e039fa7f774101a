// The clock's windows as a screen reader meets them, through the toolkit's
// accessibility (AT-SPI on the desktop). Each window and control reads as
// the system's own accessibility presents its class and style: the clock
// window is a frame named by its face, kept current, with its caption's
// boxes as buttons; dialogs are dialogs; message boxes and dialogs shaped
// like one (an icon, one text, push buttons: an alarm's note) are alerts;
// radio buttons are radio buttons, whatever the toolkit makes of buttons
// that leave their checking to the core; group boxes are groupings named by
// their titles; the controls that say nothing of themselves are named and
// described as control_labels.h says.
#pragma once

#include <functional>
#include <vector>

#include "platform/user/inspect.h"

class QWidget;

namespace platform::qt {

// Makes the toolkit ask this layer first for the accessible side of the
// clock's windows and controls. Once per application is enough; again does
// nothing.
void InstallAccessibility();

// The window's accessible name changed (the clock's face): readers are told.
void AnnounceNameChange(QWidget* window);

// Names and describes the controls of a dialog (given in template order) for
// readers; widgetOf gives the widget that shows a control, nullptr for none yet.
void LabelControlsForReaders(const std::vector<WindowSnapshot>& controls,
                             const std::function<QWidget*(HWND)>& widgetOf);

}  // namespace platform::qt

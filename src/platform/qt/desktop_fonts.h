// The two fonts of the desktop clock and the metrics the program reads from
// them. Both are DejaVu Sans (fonts-dejavu-core), so the clock and its
// dialogs are laid out the same on every machine: the caption font (bold) in
// which the face is drawn and measured, and the dialog font whose average
// letter width and height are the dialog base units.
#pragma once

#include <QFont>

#include "platform/kernel/driver.h"

namespace platform::qt {

struct DesktopFonts {
  QFont caption;
  QFont dialog;
};

DesktopFonts LoadDesktopFonts();

// The caption font's metrics, SM_CYCAPTION and the dialog base units, with
// the screen size left as it is in metrics.
void MeasureFonts(const DesktopFonts& fonts, DisplayMetrics& metrics);

// SM_CXSCREEN and SM_CYSCREEN: the whole desktop, all screens together, so
// that a clock placed on a second screen stays there.
void MeasureScreens(DisplayMetrics& metrics);

}  // namespace platform::qt

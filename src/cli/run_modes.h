// The command-line modes that run the clock itself. The settings folder has
// been chosen (--settings-dir) before any of these is called.
#pragma once

// The desktop clock (no arguments). Returns the exit code; 1 with a message,
// and no lock taken, when there is no X display to show it on.
int RunDesktopClock(int argc, char** argv);
#include "cli/command_line.h"

// The same clock with no window: faces, notes and notices printed on standard
// output, or a status bar's lines (format waybar or i3bar).
int RunFollowClock(OutputFormat format);
// Asks the running copy to lay out and show its window; 1 with a message when none runs.
int SendShowCommand();
// Whether the desktop clock can run here: built with its window, and an X
// display that opens.
bool DesktopAvailable();

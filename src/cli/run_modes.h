// The command-line modes that run the clock itself. The settings folder has
// been chosen (--settings-dir) before any of these is called.
#pragma once

// The desktop clock (no arguments). Returns the exit code.
int RunDesktopClock(int argc, char** argv);
// The same clock with no window: faces, notes and notices printed on standard output.
int RunFollowClock();
// Asks the running copy to lay out and show its window; 1 with a message when none runs.
int SendShowCommand();

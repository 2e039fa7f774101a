// SIGTERM, SIGHUP and SIGINT end the clock the way the end of the desktop
// session does: the clock window gets WM_QUERYENDSESSION and saves its
// settings before the program ends.
#pragma once

namespace cli {

// Blocks the three signals in the calling thread and every thread started
// after it, and starts a thread that turns each of them into the end of the
// session in the core's inbox. Call it before any other thread is started.
void StartEndSignalWatch();
// Stops that thread and unblocks the signals again.
void StopEndSignalWatch();

}  // namespace cli

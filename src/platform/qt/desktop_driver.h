// The way in for main(): starts the desktop toolkit and installs the desktop
// driver, so that the clock's entry point runs on the real desktop.
#pragma once

#include <functional>

namespace platform::qt {

// Chooses the toolkit's platform (xcb on X11, and under Wayland through
// XWayland; QT_QPA_PLATFORM when it is set, so "offscreen" runs without any
// display), starts the toolkit and installs the desktop driver. false when
// there is no display to show the clock on: then nothing is installed and
// the caller can run the clock another way. argc and argv must outlive the
// driver (main's own do).
bool InstallDesktopDriver(int& argc, char** argv);

// Whether InstallDesktopDriver would find a display: a platform named in
// QT_QPA_PLATFORM other than xcb, or an X display that opens.
bool DesktopDisplayReachable();

// Uninstalls the driver and ends the toolkit; call it after the program has
// returned from its entry point.
void RemoveDesktopDriver();

// While the program waits, the driver watches the single-instance socket
// (platform::SingleInstanceSocketFd(), looked up afresh at every wait, so it
// may be opened after this call) and calls onCommandWaiting on the program's
// thread each time a copy started from outside has something to say. It must
// only take the commands and post to the core (PostToCore, PostInput).
void WatchInstanceSocket(std::function<void()> onCommandWaiting);

}  // namespace platform::qt

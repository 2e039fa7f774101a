// The clock window's title on X11, set straight on the window's properties.
//
// The face changes every second when seconds are shown; the toolkit's own
// retitling goes through Xlib's text conversions and costs the clock several
// wakeups each time, which an idle desk clock should not spend. Here the two
// properties that name a window (_NET_WM_NAME, and WM_NAME for the older
// readers such as xdotool) are replaced with one request each and no reply,
// and the clock does not hear its own change back.
#pragma once

#include <QByteArray>

class QWidget;

namespace platform::qt {

// false when the window is not an X11 window (another platform, or not yet
// created): then the caller titles it the toolkit's way.
// flushNow sends it at once; otherwise it goes with the toolkit's next write
// (the repaint of the face).
bool SetX11Title(QWidget* window, const QByteArray& utf8, bool flushNow);

}  // namespace platform::qt

// What the clock asks of the X11 window manager directly, by the EWMH
// conventions every current manager follows, where the toolkit's own way
// leaves a race or has no way at all.
//
// Every call does nothing on another platform (the offscreen tests), for a
// window not yet created, and once the X connection is lost.
#pragma once

#include <functional>
#include <memory>

class QAbstractNativeEventFilter;
class QWidget;

namespace platform::qt {

// The window manager keeps the window above the others, or stops doing so:
// a _NET_WM_STATE request to the root window. The toolkit writes the state
// into the window's property before it maps the window; a request answers
// for the time after, whatever the manager did with the property meanwhile.
void AskToStayOnTop(QWidget* window, bool above);

// The keyboard goes to the window the user worked in before this one (the
// highest other window in the manager's stacking order that is not
// minimised), as it would if this window were unmapped; to the root window
// when there is none.
void HandFocusBack(QWidget* window);

// The X window there is now for the widget, 0 when it has none (yet, or on
// another platform).
unsigned long X11WindowOf(QWidget* window);

// Calls mapped(id) for each X window of this program that the server maps
// (after the window manager took it on), for as long as the returned filter
// lives.
std::unique_ptr<QAbstractNativeEventFilter> WatchMaps(std::function<void(unsigned long id)> mapped);

// The X connection is gone: from now on none of the calls above, nor the
// title's, touches it.
void ForgetDisplay();
bool DisplayForgotten();

}  // namespace platform::qt

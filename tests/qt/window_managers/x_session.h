// An X server of a test's own (Xvfb, on the display number it picks itself)
// with a real window manager on it, and what a test asks that server about
// the clock's windows. Input comes through xdotool, as a person's would.
#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace wm_test {

struct Place {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

class XSession {
 public:
  // windowManager is the program to run ("openbox", "metacity").
  explicit XSession(const std::string& windowManager);
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  // The server runs and the window manager has taken the screen.
  bool Ready() const { return ready_; }
  std::string Display() const { return display_; }
  // Ends this session's X server at once, as a crash or a killed session does.
  void KillServer();

  // The clock's managed top-level window (its class is "horatick" and its
  // title is not a dialog's), if one is listed by the window manager.
  std::optional<xcb_window_t> ClockWindow();
  // Whether one of the program's override-redirect windows (a popup menu) is on screen.
  bool PopupShown();
  bool Viewable(xcb_window_t window);
  // The names of the atoms in the window's _NET_WM_STATE.
  std::vector<std::string> States(xcb_window_t window);
  bool HasState(xcb_window_t window, const std::string& state);
  // _NET_WM_NAME and WM_NAME.
  std::string NetTitle(xcb_window_t window);
  std::string OldTitle(xcb_window_t window);
  // The window's place on the screen.
  Place PlaceOf(xcb_window_t window);

  // Counts the unmaps of the window from now on (and of no window watched
  // before).
  void Watch(xcb_window_t window);
  int Unmaps();

  // Runs xdotool with these arguments on this display; true when it succeeded.
  bool Xdotool(const std::vector<std::string>& args);

  // Waits until the condition holds, with a guard long enough for an X
  // server and a window manager on a loaded machine.
  static bool WaitFor(const std::function<bool()>& condition, int guardMs = 30'000);

 private:
  xcb_atom_t Atom(const char* name);
  std::string AtomName(xcb_atom_t atom);
  std::string TextProperty(xcb_window_t window, xcb_atom_t property);
  std::vector<std::uint32_t> ListProperty(xcb_window_t window, xcb_atom_t property, xcb_atom_t type);
  void DrainEvents();

  pid_t server_ = -1;
  pid_t manager_ = -1;
  std::string display_;
  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = XCB_WINDOW_NONE;
  bool ready_ = false;
  std::vector<xcb_window_t> watched_;
  int unmaps_ = 0;
};

// A face of the clock: the time has a colon (the default face and the one
// with seconds both do); "Horatick" has none.
bool LooksLikeFace(const std::string& title);

}  // namespace wm_test

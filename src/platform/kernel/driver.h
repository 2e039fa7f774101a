// The one narrow way between the platform core and a driver (headless or Qt).
//
// The core calls the driver through the virtual functions of Driver: for
// "now", for waiting, for the services of the machine (sound, programs, help,
// metrics, key state) and to tell it what changed in the window mirror. Every
// function has a harmless default, so a driver fills in only what it has.
//
// A driver talks back in two ways only, both through the core's inbox, which
// any thread may use: it posts messages (PostToCore) and input events
// (PostInput). It never calls a window procedure; the core turns input into
// the messages a Win32 program expects, on the program's own thread, when its
// message loop next looks at the queue.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "platform/kernel/clock_source.h"
#include "platform/kernel/system_clock.h"
#include "platform/win32.h"

namespace platform {

// What changed about a window, as bits (WindowChanged).
enum WindowChange : unsigned {
  kChangeText = 1u << 0,
  kChangeRect = 1u << 1,
  kChangeStyle = 1u << 2,      // style or extended style
  kChangeVisible = 1u << 3,
  kChangeTopmost = 1u << 4,
  kChangeEnabled = 1u << 5,
  kChangeMinimized = 1u << 6,
  kChangeFocus = 1u << 7,      // the window gained or lost the focus
  kChangeControl = 1u << 8,    // a control's check state, selection or limit
  kChangeActive = 1u << 9,     // the window became or stopped being the active one
};

// A file chooser the program waits on (GetOpenFileName). The driver answers
// with input::FileChosen.
struct FileChooserRequest {
  HWND owner = nullptr;
  std::string title;
  std::string initialFolder;
  std::string initialName;
  // The filter pairs of OPENFILENAME, as (description, patterns).
  std::string filterDescription;
  std::string filterPatterns;
  DWORD flags = 0;
};

// The caption font and the screen, for GetSystemMetrics and GetTextMetrics.
struct DisplayMetrics {
  int screenWidth = 1024;
  int screenHeight = 768;
  int captionHeight = 20;  // SM_CYCAPTION
  int fontAverageWidth = 8;
  int fontHeight = 16;
  int fontAscent = 13;
  int fontMaxWidth = 16;
  // The base units of the dialog font: a dialog unit is x / 4 and y / 8 of them.
  int dialogBaseX = 8;
  int dialogBaseY = 16;
};

// Input a driver hands to the core. Each names what a person did; the core
// makes the messages (activation, button messages, notifications) from it.
namespace input {

// A mouse button on a window's non-client area at the given hit-test code:
// message is WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK,
// WM_NCRBUTTONDOWN or WM_NCRBUTTONUP. A press on an inactive window first
// activates it (WM_MOUSEACTIVATE, WM_ACTIVATE); a release while the window is
// being moved ends the move.
struct NcMouse {
  HWND hwnd;
  UINT message;
  WPARAM hitTest;
  POINT screen;
};

// A key going down or up. It goes to the window with the focus, else to the
// active window; an open menu or a move takes keys first.
struct Key {
  int virtualKey;
  bool down;
};

// Characters typed (UTF-8), each delivered as WM_CHAR to the window with the
// focus, or to `hwnd` when it is given.
struct Text {
  HWND hwnd;
  std::string utf8;
};

// A complete click on a control (a button, check box, radio button, or into
// an edit), which takes the focus and notifies the dialog as Win32 does.
struct ClickControl {
  HWND control;
};

// The focus moved to the control as the Tab key moves it: an edit gets its
// whole text selected.
struct FocusControl {
  HWND control;
};

// The system menu of the window opened from the keyboard.
struct OpenSystemMenu {
  HWND hwnd;
};

// In the open menu: the pointer rests on the item with this command id.
struct MenuHighlight {
  UINT id;
};

// In the open menu: the item with this command id is clicked.
struct MenuChoose {
  UINT id;
};

// The open menu is closed without a choice.
struct MenuCancel {};

// While a window is being moved: its top-left corner is now here.
struct MoveTo {
  POINT topLeft;
};

// The move ends where the window is.
struct MoveEnd {};

// The window manager (or another program) moved the window: its top-left
// corner is now here. The core records the place and sends WM_MOVE.
struct WindowMoved {
  HWND hwnd;
  POINT topLeft;
};

// The window manager gave the activation to the window (Alt+Tab, a task
// bar), or took it away from every window of the program (hwnd nullptr):
// WM_ACTIVATE with WA_ACTIVE, or WA_INACTIVE to the window that had it.
struct WindowActivated {
  HWND hwnd;
};

// The session ends (log-off, shut-down, SIGTERM): WM_QUERYENDSESSION and
// WM_ENDSESSION to every top-level window.
struct EndSession {};

// The answer to the open file chooser: a path, or a cancel when ok is false.
struct FileChosen {
  bool ok;
  std::string path;
};

}  // namespace input

using InputEvent = std::variant<input::NcMouse, input::Key, input::Text, input::ClickControl,
                                input::FocusControl, input::OpenSystemMenu, input::MenuHighlight,
                                input::MenuChoose, input::MenuCancel, input::MoveTo, input::MoveEnd,
                                input::WindowMoved, input::WindowActivated, input::EndSession,
                                input::FileChosen>;

class Driver {
 public:
  virtual ~Driver() = default;

  // --- Time and waiting ----------------------------------------------------
  // The default reads the machine's clocks.
  virtual std::int64_t UtcNowMs();
  virtual std::uint64_t MonotonicNowMs();
  // Called on the program's thread when it has nothing to do: return once the
  // monotonic clock reaches deadlineMs (when given) or once WakeUp was called
  // since the last wait. Returning early is allowed; the core looks again.
  virtual void WaitForInput(std::optional<std::uint64_t> deadlineMs);
  // How late a timer may come so that it shares its wakeup with the next one
  // due after it (timers are never early, only late). A real desk wants its
  // 500 ms and 2000 ms timers to wake the machine together; the virtual clock
  // of the tests keeps every deadline exact, so the default is 0.
  virtual std::uint64_t TimerSlackMs() { return 0; }
  // Called from any thread after something was put into the core's inbox.
  virtual void WakeUp();

  // --- The window mirror ---------------------------------------------------
  // Window state itself is read from the core (platform/user/inspect.h).
  virtual void WindowCreated(HWND) {}
  virtual void WindowChanged(HWND, unsigned /*WindowChange bits*/) {}
  virtual void WindowDestroyed(HWND) {}
  virtual void MenuOpened(HWND /*owner*/, HMENU) {}
  virtual void MenuHighlightChanged(HMENU, UINT /*id, 0 for none*/) {}
  virtual void MenuClosed(HWND /*owner*/, HMENU) {}
  // A message box is a window of the core; its text, caption, style and
  // buttons are in the window mirror. The answer is a click on a button.
  virtual void MessageBoxOpened(HWND /*box*/) {}
  // result: the id of the button that ended it, 0 when it ended otherwise.
  virtual void MessageBoxClosed(HWND /*box*/, int /*result*/) {}
  virtual void FileChooserOpened(const FileChooserRequest&) {}
  virtual void FileChooserClosed() {}
  virtual void MoveStarted(HWND) {}
  virtual void MoveEnded(HWND) {}
  virtual void CursorChanged(HCURSOR) {}
  virtual void Repaint(HWND) {}

  // --- Services ------------------------------------------------------------
  // Sounds the tone and returns when it has ended.
  virtual BOOL Beep(DWORD frequencyHz, DWORD durationMs);
  // Starts the command line; above 31 when started (WinExec's results).
  virtual UINT WinExec(const char* commandLine, UINT showCommand);
  virtual BOOL WinHelp(HWND hwnd, const char* helpFile, UINT command, UINT_PTR data);
  // GetKeyState: the high bit set while the key is down.
  virtual SHORT KeyState(int virtualKey);
  virtual DisplayMetrics Metrics();
  // A chance to refuse a window timer, as a system out of timers would.
  virtual bool RefuseTimer(HWND /*hwnd*/, UINT_PTR /*id*/) { return false; }

  // --- The desktop session ---------------------------------------------------
  // Whether the session's screen saver is active, from what the driver already
  // knows: an alarm scan never waits for it.
  virtual bool ScreenSaverRunning() { return false; }
  // The service that sets the machine's clock; nullptr where there is none.
  virtual SystemClockService* SystemClock() { return nullptr; }
};

// The driver in force; a default one (the machine's clocks, real waiting, no
// display) until a driver is installed. The driver is not owned by the core.
Driver& CurrentDriver();
void InstallDriver(Driver* driver);  // nullptr: the default again

// The inbox: usable from any thread, at any time.
// PostToCore has PostMessage's meaning; a window that does not exist when the
// message comes up is skipped.
void PostToCore(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void PostInput(InputEvent event);
// PostQuitMessage from outside the program's thread.
void PostQuitToCore(int exitCode);

// Forgets every window, class, timer, queued message, menu, module and state
// of the core, without sending any message, so that a program can be started
// afresh in the same process. Call it only when no program runs.
void ResetCore();

}  // namespace platform

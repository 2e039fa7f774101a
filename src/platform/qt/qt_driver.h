// The desktop driver: the core's windows shown as Qt 6 widgets on the real
// desktop, with the machine's clocks.
//
// What it implements:
//   [x] waiting: the toolkit's events are processed until input was posted or
//       the core's next timer deadline has come; nothing runs between ticks
//   [x] the clock window: a frameless caption bar drawn by the driver, placed
//       where the core says, topmost as the core says, shown without taking
//       the focus, with a taskbar entry; its X11 title is the face text, set
//       on the window's properties directly and only when the face changes
//   [x] mouse on the caption: press, release, double click, right button, with
//       the hit-test code; a caption drag moves the window
//   [x] moves by the window manager: its answer to the window's own placement
//       is taken quietly; other moves are reported to the core
//   [x] minimise and restore by the window manager; its close as SC_CLOSE
//   [x] the system menu as a popup menu, with F1 help on an item
//   [x] dialogs from their templates: controls in dialog units of the dialog
//       font, mnemonics, tab order, Enter, Escape and the close button
//   [x] message boxes with their icons and buttons; the file chooser
//   [x] Beep through ALSA, the display bell when there is no sound device
//   [x] WinHelp: the help document in the desktop's browser
//   [x] metrics: the whole desktop's size, the caption font, the dialog units
//   [x] the end of the desktop session as the end of the program's session
//   [x] activation of the clock by the keyboard (Alt+Tab), reported once it
//       has settled; the window manager's answer to the window being shown or
//       pressed is not, so that the program's hide and re-show cannot loop
//   [x] arrow keys inside a radio-button group and on a dialog's buttons
// What it leaves out:
//   [ ] moves of dialogs by the user are not reported (the program keeps no
//       dialog places)
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <atomic>
#include <functional>
#include <map>
#include <memory>

#include "platform/core/driver.h"
#include "platform/qt/desktop_fonts.h"

class QSocketNotifier;
class QWidget;

namespace platform::qt {

class CaptionWindow;
class FileChooser;
class KeyRouter;
class MirrorWindow;
class SystemMenuPopup;

class QtDriver final : public Driver {
 public:
  QtDriver();
  ~QtDriver() override;

  // --- Driver --------------------------------------------------------------
  void WaitForInput(std::optional<std::uint64_t> deadlineMs) override;
  // The clock's 500 ms and 2000 ms timers share their wakeups when one may
  // come this much late.
  std::uint64_t TimerSlackMs() override { return 25; }
  void WakeUp() override;
  void WindowCreated(HWND hwnd) override;
  void WindowChanged(HWND hwnd, unsigned bits) override;
  void WindowDestroyed(HWND hwnd) override;
  void MenuOpened(HWND owner, HMENU menu) override;
  void MenuHighlightChanged(HMENU menu, UINT id) override;
  void MenuClosed(HWND owner, HMENU menu) override;
  void MessageBoxOpened(HWND box) override;
  void FileChooserOpened(const FileChooserRequest& request) override;
  void FileChooserClosed() override;
  void MoveStarted(HWND hwnd) override;
  void MoveEnded(HWND hwnd) override;
  void CursorChanged(HCURSOR cursor) override;
  void Repaint(HWND hwnd) override;
  BOOL Beep(DWORD frequencyHz, DWORD durationMs) override;
  BOOL WinHelp(HWND hwnd, const char* helpFile, UINT command, UINT_PTR data) override;
  SHORT KeyState(int virtualKey) override;
  DisplayMetrics Metrics() override { return metrics_; }

  // --- For main() and for tests ---------------------------------------------
  void WatchInstanceSocket(std::function<void()> onCommandWaiting);
  // The widget that shows a window or control of the core, nullptr if none.
  QWidget* WidgetOf(HWND hwnd) const;
  SystemMenuPopup& SystemMenu() { return *systemMenu_; }
  const DesktopFonts& Fonts() const { return fonts_; }
  // The window the core is moving now (a caption drag), nullptr when none.
  HWND MovingWindow() const { return moving_; }
  // How often the display bell stood in for a tone.
  int BellsRung() const { return bellsRung_; }

 private:
  MirrorWindow* TopLevelOf(HWND hwnd) const;
  MirrorWindow* FindMirror(QWidget* topLevel) const;
  void FollowInstanceSocket();
  void SetWindowIconFromProgram();

  DesktopFonts fonts_;
  DisplayMetrics metrics_;
  std::atomic<bool> woken_{false};
  QTimer deadline_;
  // Top-level windows, and every control with the window it belongs to.
  std::map<HWND, MirrorWindow*> windows_;
  std::map<HWND, HWND> controlOwners_;
  std::unique_ptr<KeyRouter> keys_;
  std::unique_ptr<SystemMenuPopup> systemMenu_;
  std::unique_ptr<FileChooser> fileChooser_;
  std::unique_ptr<QSocketNotifier> watch_;
  int watchedFd_ = -1;
  std::function<void()> onInstanceCommand_;
  HWND moving_ = nullptr;
  HCURSOR waitCursor_ = nullptr;
  bool waitCursorShown_ = false;
  bool iconSet_ = false;
  int bellsRung_ = 0;
};

// The desktop driver in force, nullptr when none is installed.
QtDriver* InstalledQtDriver();

}  // namespace platform::qt

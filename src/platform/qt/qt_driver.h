// The desktop driver: the core's windows shown as Qt 6 widgets on the real
// desktop, with the machine's clocks.
//
// What it implements:
//   [x] waiting: the toolkit's events are processed until input was posted or
//       the core's next timer deadline has come; nothing runs between ticks
//   [x] the clock window: a frameless caption bar drawn by the driver, placed
//       where the core says, shown without taking the focus, with a taskbar
//       entry; its X11 title is the face text, set on the properties of the
//       X window there is now (also after the toolkit re-creates it) and only
//       when the face changes, sent at once while the window is minimised
//   [x] on top as the core says: the state is asked of the window manager
//       (_NET_WM_STATE) after every map and whenever the core sets it; the
//       core's hide and show in one turn leave the window mapped, and hand
//       the keyboard back when the window had it
//   [x] mouse on the caption: press, release, double click, right button, with
//       the hit-test code; a caption drag moves the window
//   [x] the system menu's Move: arrows, pointer, Enter or a click, Escape
//   [x] moves by the window manager: its answer to the window's own placement
//       is taken quietly; other moves are reported to the core
//   [x] minimise and restore by the window manager; its close as SC_CLOSE
//   [x] activation from the keyboard (a window list, Alt+Tab) reported to the
//       core; activation by a press or in answer to a show is not
//   [x] the system menu as a popup menu, opened by the system box, Alt+Space,
//       Shift+F10 and the Menu key, with F1 help on an item
//   [x] dialogs from their templates: controls in dialog units of the dialog
//       font, mnemonics of buttons, static texts and group boxes, tab order,
//       the arrows in a group, Enter, Escape and the close button
//   [x] message boxes with their icons and buttons; the file chooser, whose
//       Executables are the folders and the files one may run
//   [x] Beep through ALSA, the display bell when there is no sound device
//   [x] WinHelp: the help document in the clock's own help window, at the
//       section asked for, with Back, Forward and Find (no browser is
//       started); a message box when there is none or it cannot be read
//   [x] metrics: the whole desktop's size, the caption font, the dialog units
//   [x] the end of the desktop session as the end of the program's session;
//       so is the loss of the X connection, after which the program saves
//       and ends (status 1) without touching the display again
//   [x] the screen saver's state, from the session's screen-saver services;
//       the system clock set through the system's time and date service;
//       both buses watched by the toolkit's loop
//   [x] screen readers (AT-SPI through the toolkit): the clock window named
//       by its face as it changes, roles by class and style, edits named by
//       their labels, radio buttons with their groups, alerts (accessibility.h)
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

#include "platform/bus/screen_saver_watch.h"
#include "platform/bus/timedate_client.h"
#include "platform/kernel/driver.h"
#include "platform/qt/desktop_fonts.h"
#include "platform/qt/event_source_notifiers.h"

class QAbstractNativeEventFilter;
class QSocketNotifier;
class QWidget;

namespace platform {
struct WindowSnapshot;
}

namespace platform::qt {

class CaptionWindow;
class FileChooser;
class HelpWindow;
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
  bool ScreenSaverRunning() override { return screenSaver_ != nullptr && screenSaver_->Active(); }
  SystemClockService* SystemClock() override { return &clockService_; }

  // --- For main() and for tests ---------------------------------------------
  void WatchInstanceSocket(std::function<void()> onCommandWaiting);
  // The widget that shows a window or control of the core, nullptr if none.
  QWidget* WidgetOf(HWND hwnd) const;
  SystemMenuPopup& SystemMenu() { return *systemMenu_; }
  FileChooser& Chooser() { return *fileChooser_; }
  // The help window, nullptr until help was first asked for.
  HelpWindow* Help() const { return help_.get(); }
  const DesktopFonts& Fonts() const { return fonts_; }
  // The window the core is moving now (a caption drag), nullptr when none.
  HWND MovingWindow() const { return moving_; }
  // How often the display bell stood in for a tone.
  int BellsRung() const { return bellsRung_; }
  // The X connection is gone: from now on the driver touches no widget and
  // the toolkit is not asked for events; waiting is sleeping until the core's
  // next deadline, and the program ends within a few seconds whatever it does.
  void LoseDisplay();
  // Whether the toolkit is processing events for the program's wait now.
  bool Waiting() const { return waiting_; }

 private:
  MirrorWindow* TopLevelOf(HWND hwnd) const;
  MirrorWindow* FindMirror(QWidget* topLevel) const;
  // Mirrors a window of the core from its description, unless it is mirrored
  // already: a top-level window gets a widget of its own, a control is added
  // to the widget of its dialog.
  void Mirror(const WindowSnapshot& window);
  void FollowInstanceSocket();
  void SetWindowIconFromProgram();
  void WindowMapped(unsigned long id);
  void WaitWithoutDisplay(std::optional<std::uint64_t> deadlineMs);

  DesktopFonts fonts_;
  DisplayMetrics metrics_;
  std::atomic<bool> woken_{false};
  QTimer deadline_;
  // Top-level windows, and every control with the window it belongs to. The
  // mirrors have no parent widget: the driver alone deletes them.
  std::map<HWND, std::unique_ptr<MirrorWindow>> windows_;
  std::map<HWND, HWND> controlOwners_;
  std::unique_ptr<KeyRouter> keys_;
  std::unique_ptr<SystemMenuPopup> systemMenu_;
  std::unique_ptr<FileChooser> fileChooser_;
  std::unique_ptr<HelpWindow> help_;
  std::unique_ptr<QSocketNotifier> watch_;
  int watchedFd_ = -1;
  std::function<void()> onInstanceCommand_;
  HWND moving_ = nullptr;
  HCURSOR waitCursor_ = nullptr;
  bool waitCursorShown_ = false;
  bool iconSet_ = false;
  int bellsRung_ = 0;
  EventSourceNotifiers busWatch_;
  std::unique_ptr<bus::ScreenSaverWatch> screenSaver_;
  bus::TimedateClient clockService_;
  std::unique_ptr<QAbstractNativeEventFilter> mapWatch_;
  bool lost_ = false;
  bool waiting_ = false;
  std::uint64_t lostAtMs_ = 0;
};

// The desktop driver in force, nullptr when none is installed.
QtDriver* InstalledQtDriver();

}  // namespace platform::qt

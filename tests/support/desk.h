// The scenario harness: a whole program on the headless driver, with the test
// as its user and as the passing of time.
//
//   Desk desk{Settings().at("1992-12-07 15:05:09").screen(1024, 768)};
//   desk.start();                                   // start-up, until the program waits
//   EXPECT_EQ(desk.clockTitle(), " 3:05 PM  Mon 12/07/92 ");
//   desk.sysCommand(IDM_ALARMS);                    // opens Alarm Settings, returns once it waits
//   desk.dialog("Alarm Settings").type(304, "7:05").type(310, "12-8-92").click(306).click(555).click(IDOK);
//   desk.advanceTo("1992-12-08 07:05:00");          // every tick in between, in order
//   EXPECT_EQ(desk.beeps().size(), 10u);
//
// Guarantees: no real sleeping and no real clock; the same result on every
// run; the program's single thread is never running while a step looks at it
// (every step returns only once the program waits for input with no timer due
// at the current virtual time); a step that waits for something that never
// comes fails the test with a message instead of hanging.
//
// Times are local times in the desk's time zone (TZ), written
// "YYYY-MM-DD HH:MM:SS" (".mmm" may follow). A failed step (a dialog that is
// not open, a control that does not exist or is disabled, a time that does not
// parse) throws DeskError, which fails the test with its message.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/kernel/driver.h"
#include "platform/user/inspect.h"
#include "platform/headless/headless_driver.h"
#include "platform/win32.h"

namespace desk {

using EntryPoint = int (*)(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);
using platform::headless::BeepRecord;
using platform::headless::HelpRequest;
using platform::headless::MessageBoxRecord;
using platform::headless::ProgramStart;
using platform::headless::WindowFrame;

class DeskError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One message that reached a window procedure.
struct TraceEntry {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const TraceEntry&) const = default;
};
std::ostream& operator<<(std::ostream& out, const TraceEntry& entry);
// The name of a message, "WM_TIMER", or its number in hex.
std::string MessageName(UINT message);

// How a desk starts. Every setter returns the settings, so they chain.
class Settings {
 public:
  // The clock itself: its entry point, its resources and its state reset.
  Settings();
  // Any program with a Win32-style entry point and its resources; reset (when
  // given) puts the program's globals back before it starts.
  static Settings ForProgram(EntryPoint entry, const ResourceModule* resources,
                             std::function<void()> reset = {});

  Settings& at(const char* localTime);       // the wall clock at the start; default 1992-12-07 15:05:09
  Settings& atUtc(const char* utcTime);
  Settings& timeZone(const char* tz);        // a TZ value; default "UTC"
  Settings& screen(int width, int height);   // default 1024 x 768
  Settings& font(int averageWidth, int height);  // the caption font; default 8 x 16
  Settings& captionHeight(int pixels);       // SM_CYCAPTION; default 20
  // The settings folder: default a fresh, empty folder for this desk.
  Settings& settingsFolder(std::string path);
  // A file put into the settings folder before the start ("HORATICK.INI", ...).
  Settings& settingsFile(std::string name, std::string contents);
  // The program is told that a copy of it already runs (its previous instance).
  Settings& alreadyRunning(bool yes = true);
  Settings& commandLine(std::string text);
  Settings& showCommand(int command);
  // The class of the program's main window, which the clock-window calls act
  // on; default "Horatick".
  Settings& mainWindowClass(std::string name);
  // Record every message in trace(); on by default.
  Settings& trace(bool on);
  // Real seconds a single step may take before the desk gives up; default 30.
  Settings& stepTimeoutSeconds(int seconds);

 private:
  friend class Desk;
  struct NoProgram {};
  explicit Settings(NoProgram) {}

  EntryPoint entry_ = nullptr;
  const ResourceModule* resources_ = nullptr;
  std::function<void()> reset_;
  std::string startLocal_ = "1992-12-07 15:05:09";
  bool startIsUtc_ = false;
  std::string timeZone_ = "UTC";
  platform::DisplayMetrics metrics_;
  std::optional<std::string> settingsFolder_;
  std::vector<std::pair<std::string, std::string>> files_;
  bool alreadyRunning_ = false;
  std::string commandLine_;
  int showCommand_ = SW_SHOWNORMAL;
  std::string mainClass_ = "Horatick";
  bool trace_ = true;
  int stepTimeoutSeconds_ = 30;
};

class Desk;

// An open dialog (or message box), found by its caption. Actions run the
// program until it waits again; they return the view so they chain. A view
// whose dialog has closed fails every further action.
class DialogView {
 public:
  DialogView(Desk& desk, HWND hwnd) : desk_(&desk), hwnd_(hwnd) {}

  HWND hwnd() const { return hwnd_; }
  bool isOpen() const;
  std::string caption() const;
  RECT rect() const;
  std::string templateName() const;

  // Controls, by id.
  HWND control(int id) const;  // fails when there is none
  bool has(int id) const;
  std::string text(int id) const;
  bool checked(int id) const;
  UINT checkState(int id) const;
  bool enabled(int id) const;
  bool visible(int id) const;
  bool focused(int id) const;
  int focusId() const;  // the id of the control with the focus, 0 for none
  std::pair<DWORD, DWORD> selection(int id) const;
  std::size_t textLimit(int id) const;

  // As the user.
  DialogView& click(int id);                    // a button, check box or radio button
  DialogView& type(int id, const char* text);   // focus the edit, select all, type each character
  DialogView& typeMore(int id, const char* text);  // type at the caret, without selecting
  DialogView& focus(int id);                    // as the Tab key would
  DialogView& enter();                          // the Enter key
  DialogView& escape();                         // the Escape key
  DialogView& key(int virtualKey);              // any key, down and up

 private:
  const platform::WindowSnapshot& need(int id) const;
  void mustBeOpen(const char* action) const;
  Desk* desk_;
  HWND hwnd_;
  mutable platform::WindowSnapshot last_;
};

// The message box that is open (the innermost one).
class MessageBoxView {
 public:
  MessageBoxView(Desk& desk, HWND hwnd) : desk_(&desk), hwnd_(hwnd) {}
  HWND hwnd() const { return hwnd_; }
  std::string text() const;
  std::string caption() const;
  UINT style() const;
  HWND owner() const;
  // Clicks the button with this result id (IDOK, IDCANCEL, IDYES, ...).
  void answer(int buttonId);
  void ok() { answer(IDOK); }

 private:
  Desk* desk_;
  HWND hwnd_;
};

// The system menu while it is open.
class MenuView {
 public:
  explicit MenuView(Desk& desk) : desk_(&desk) {}
  bool isOpen() const;
  std::vector<platform::MenuItemSnapshot> items() const;
  UINT highlighted() const;
  MenuView& highlight(UINT id);  // the pointer rests on the item
  void choose(UINT id);          // a click on the item
  void pressF1();                // F1 down and up while the menu is open
  void pressEnter();
  void cancel();                 // Escape

 private:
  Desk* desk_;
};

class Desk {
 public:
  explicit Desk(Settings settings = Settings());
  ~Desk();
  Desk(const Desk&) = delete;
  Desk& operator=(const Desk&) = delete;

  // --- Running -------------------------------------------------------------
  // Starts the program and runs its start-up until it waits for input.
  void start();
  bool running() const;
  int exitCode() const;  // once the program has ended
  // Lets the program handle what is queued, with no time passing.
  void settle();
  std::string settingsFolder() const { return folder_; }

  // --- Time ----------------------------------------------------------------
  // Both clocks move on together; every timer due in between fires in order,
  // at its own time. A time already passed (a long beep can carry the clock
  // past it) only lets the program settle.
  void advance(std::uint64_t ms);
  void advanceTo(const char* localTime);
  // Moves on until the condition holds (checked each time the program waits),
  // failing after limitMs.
  void advanceUntil(const std::function<bool()>& condition, std::uint64_t limitMs, const char* what);
  // The wall clock jumps (a clock set by hand, a daylight-saving switch by
  // TZ); the timer clock stays where it is.
  void setClock(const char* localTime);
  void setClockUtc(const char* utcTime);
  // A resume after a suspend of `ms`: both clocks jump at once, with no tick
  // in between (timers that came due fire once each, late).
  void suspendFor(std::uint64_t ms);
  // Only the timer clock moves (time the wall clock did not see).
  void advanceTimerClockOnly(std::uint64_t ms);
  void setTimeZone(const char* tz);
  std::string now() const;  // local "YYYY-MM-DD HH:MM:SS.mmm"
  std::int64_t utcNowMs() const;
  std::uint64_t tickCount() const;

  // --- The clock window ----------------------------------------------------
  // The newest top-level window of the main window class; fails when there is none.
  HWND clockWindow() const;
  std::string clockTitle() const;
  platform::WindowSnapshot window(HWND hwnd) const;
  platform::WindowSnapshot clock() const { return window(clockWindow()); }
  std::vector<HWND> topLevelWindows() const;

  // --- As the user, on the clock window -------------------------------------
  // Opens the system menu (WM_INITMENU), chooses the item; fails when the
  // menu has no such item.
  void sysCommand(UINT id);
  // Sends the command as another program would: posted, no menu.
  void postSysCommand(UINT id);
  void post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // From the keyboard: the menu opens with its first item highlighted.
  MenuView openSystemMenu();
  MenuView clickSystemBox();        // a press on the system box
  MenuView menu() { return MenuView(*this); }
  void clickCaption();              // press and release, no move
  void doubleClickCaption();
  void rightClickCaption();
  void drag(int dx, int dy);        // press on the caption, move by (dx, dy), release
  void clickMinimizeBox();
  void minimize();                  // by the window manager (SC_MINIMIZE)
  void restore();                   // by the window manager (SC_RESTORE)
  void close();                     // by the window manager (SC_CLOSE)
  void endSession();
  void activateByKeyboard();        // Alt+Tab to the window: WM_ACTIVATE with WA_ACTIVE
  void deactivate();                // another program's window becomes active
  void moveClockByOthers(int x, int y);  // another program moves the window (SetWindowPos)
  // Input straight to the core, then settle.
  void input(platform::InputEvent event);
  void key(int virtualKey);         // down and up, to the focus or active window
  void setKeyDown(int virtualKey, bool down);

  // --- Dialogs, message boxes, the file chooser -----------------------------
  bool hasDialog(const char* caption) const;
  DialogView dialog(const char* caption);  // the newest open dialog with that caption
  DialogView topDialog();                   // the newest open dialog or message box
  std::vector<std::string> dialogCaptions() const;
  bool hasMessageBox() const;
  MessageBoxView messageBox();              // the newest open message box
  const std::vector<MessageBoxRecord>& messageBoxes() const;
  bool fileChooserOpen() const;
  std::optional<platform::FileChooserRequest> fileChooser() const;
  void chooseFile(const char* path);
  void cancelFileChooser();

  // --- What the program did --------------------------------------------------
  const std::vector<BeepRecord>& beeps() const;
  const std::vector<ProgramStart>& programsStarted() const;
  const std::vector<HelpRequest>& helpRequests() const;
  // From recordFrames() on: a window's text and rectangle after each change
  // of either, so every face that was on show can be looked at.
  void recordFrames();
  std::vector<WindowFrame> frames(HWND hwnd) const;
  HCURSOR cursor() const;
  // Every message since the start (or the last clearTrace), optionally only
  // those for one window and of the given kinds.
  std::vector<TraceEntry> trace() const;
  std::vector<TraceEntry> trace(HWND hwnd, std::vector<UINT> messages = {}) const;
  void clearTrace();

  // --- Failures on demand ----------------------------------------------------
  void refuseTimer(UINT_PTR id, int times = 1);  // the next SetTimer calls for id fail (0: any id)
  void setWinExecResult(UINT result);

  platform::headless::HeadlessDriver& driver() { return *driver_; }

  // Runs the program until it waits; a failed run fails the test.
  void runUntilIdle(std::optional<std::uint64_t> targetMonotonicMs = std::nullopt);

 private:
  void prepareFolder();
  void fail(const std::string& message) const;

  Settings settings_;
  std::string folder_;
  bool ownsFolder_ = false;
  std::unique_ptr<platform::headless::HeadlessDriver> driver_;
  std::shared_ptr<std::vector<TraceEntry>> trace_;
  std::string commandLine_;
  bool started_ = false;
};

}  // namespace desk

using desk::BeepRecord;
using desk::Desk;
using desk::DeskError;
using desk::HelpRequest;
using desk::MessageBoxRecord;
using desk::ProgramStart;
using desk::DialogView;
using desk::MenuView;
using desk::MessageBoxView;
using desk::Settings;
using desk::TraceEntry;
using desk::WindowFrame;

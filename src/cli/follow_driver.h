// The terminal clock's driver: the core's plain driver (the machine's clocks,
// real waiting, no display), with the clock's output turned into lines on
// standard output.
//
// What it implements:
//   [x] each new face of the clock window, one line, written at once, never
//       waiting on the reader (line_output.h): a reader that stops reading
//       gets the newest face when it reads again; the clock ends (and saves)
//       when nobody reads the lines any more
//   [x] or, for a status bar, its lines instead (follow_feed.h): the face,
//       the next alarms and running timers, an alarm's ring; the notes then
//       go to standard error
//   [x] each message box and dialog (an alarm's note) as "caption: text",
//       with control characters shown as "\xNN" (line ends as blanks),
//       answered with OK at once
//   [x] beeps: the tone on the sound card (ALSA) when there is one, else the
//       terminal bell on standard error (never waiting on it either), for the
//       tone's time
//   [x] alarm programs really started
//   [x] help requests: the help document's address
//   [x] commands of a copy started from outside (horatick --show), taken
//       from the single-instance socket while the clock waits
//   [x] an alarm's note and a countdown's notice also as a desktop
//       notification on the session bus, when there is a notification service
//   [x] the screen saver's state, from the session's screen-saver services
//       on the session bus, followed while the clock waits
// What it leaves out:
//   [ ] any window on the screen, and with it any user input
#pragma once

#include <set>
#include <string>

#include "cli/command_line.h"
#include "cli/follow_feed.h"
#include "cli/line_output.h"
#include "platform/kernel/driver.h"
#include "platform/bus/desktop_notifier.h"
#include "platform/bus/screen_saver_watch.h"

namespace cli {

class FollowDriver final : public platform::Driver {
 public:
  // Faces and notes go to out; the bell goes to errors. A lost out ends the
  // clock as the end of the session does. A status bar's format puts its
  // lines on out and the notes on errors.
  FollowDriver(LineOutput& out, LineOutput& errors, OutputFormat format = OutputFormat::Plain);
  ~FollowDriver() override;
  FollowDriver(const FollowDriver&) = delete;
  FollowDriver& operator=(const FollowDriver&) = delete;

  // The screen and font the face is laid out for.
  void SetMetrics(const platform::DisplayMetrics& metrics) { metrics_ = metrics; }

  void WaitForInput(std::optional<std::uint64_t> deadlineMs) override;
  void WakeUp() override;
  void WindowChanged(HWND hwnd, unsigned changes) override;
  void WindowDestroyed(HWND hwnd) override;
  BOOL Beep(DWORD frequencyHz, DWORD durationMs) override;
  BOOL WinHelp(HWND hwnd, const char* helpFile, UINT command, UINT_PTR data) override;
  platform::DisplayMetrics Metrics() override { return metrics_; }
  bool ScreenSaverRunning() override { return screenSaver_.Active(); }

 private:
  // A face waits as the one pending face; any other line is queued.
  void PrintLine(const std::string& text, bool face = false);
  // A note, a notice or the help's address: a line of its own, or, beside a
  // status bar's lines, on standard error.
  void PrintNote(const std::string& text);
  static void OnAlarmRing(int index);
  // Prints and answers every box and dialog not answered yet; true when an
  // answer was handed to the core.
  bool AnswerOpenWindows();

  platform::DisplayMetrics metrics_;
  LineOutput& out_;
  LineOutput& errors_;
  int wakeFd_ = -1;
  std::string lastFace_;
  std::set<HWND> answered_;
  platform::bus::ScreenSaverWatch screenSaver_;
  platform::bus::DesktopNotifier notifier_;
  std::optional<FollowFeed> feed_;
};

// Where the help document of a help file named by the program lies, as an
// address with the anchor of the context ("file:///.../help.html#context-1004");
// empty when there is no document.
std::string HelpDocumentAddress(const char* helpFile, UINT command, UINT_PTR data);

}  // namespace cli

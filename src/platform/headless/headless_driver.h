// The headless driver: no display, a virtual clock, and a record of
// everything the program sends out. The program runs on a thread of its own
// and hands control back to its user whenever it waits.
//
// What it implements:
//   [x] clocks: virtual, moved only by its user
//   [x] waiting: hands control to the test (see RunUntilIdle)
//   [x] Beep: recorded; the virtual clock moves on by the tone's length
//   [x] WinExec: recorded, answers 33 ("started") or a chosen result
//   [x] WinHelp: recorded
//   [x] drawing, as frames when asked for: a top-level window's text and
//       rectangle after each change of either, every face that was on show
//   [x] key state: set by its user
//   [x] metrics: a configurable screen and caption font (1024 x 768, 8 x 16)
//   [x] a window timer refused on demand
//   [x] message boxes and file choosers: recorded when they open and close
//   [x] the screen saver's state: set by its user
//   [x] the system clock's service: none, or one given by its user; the
//       layer's event sources (a test's private bus) are looked at before
//       the program is reported idle
// What it leaves out:
//   [ ] drawing pixels: window state is read from the core (platform/user/inspect.h)
//   [ ] the machine's clocks, real sound and real program starts: the
//       terminal clock's driver has them
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/kernel/driver.h"

namespace platform::headless {

struct BeepRecord {
  DWORD frequencyHz;
  DWORD durationMs;
  std::int64_t utcMs;  // when the tone began
};

struct ProgramStart {
  std::string commandLine;
  UINT showCommand;
  std::int64_t utcMs;
};

struct HelpRequest {
  HWND hwnd;
  std::string file;
  UINT command;
  UINT_PTR data;
};

// A top-level window as it would be drawn after a change of its text or its
// rectangle.
struct WindowFrame {
  HWND hwnd;
  std::string text;
  RECT rect;
};

struct MessageBoxRecord {
  HWND box;
  HWND owner;
  std::string text;
  std::string caption;
  UINT style;
  int result = 0;      // the button that ended it; 0 while open or when it ended otherwise
  bool open = true;
};

class HeadlessDriver : public Driver {
 public:
  HeadlessDriver() = default;
  ~HeadlessDriver() override;

  // --- The virtual clock ---------------------------------------------------
  void SetUtc(std::int64_t utcMs);      // the wall clock only
  void Advance(std::uint64_t ms);       // both clocks together
  void AdvanceMonotonicOnly(std::uint64_t ms);

  // --- The screen, the font, the keyboard, failures ------------------------
  void SetMetrics(const DisplayMetrics& metrics) { metrics_ = metrics; }
  void SetKeyDown(int virtualKey, bool down);
  // The next `times` SetTimer calls with this id fail (any id when id is 0).
  void RefuseTimer(UINT_PTR id, int times = 1);
  void SetWinExecResult(UINT result) { winExecResult_ = result; }
  void SetScreenSaverRunning(bool running) { screenSaverRunning_ = running; }
  // Not owned; nullptr: the clock cannot be set.
  void SetSystemClock(SystemClockService* service) { systemClock_ = service; }

  // --- What the program sent out -------------------------------------------
  const std::vector<BeepRecord>& Beeps() const { return beeps_; }
  const std::vector<ProgramStart>& ProgramStarts() const { return programStarts_; }
  const std::vector<HelpRequest>& HelpRequests() const { return helpRequests_; }
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
  // Frames are recorded from this call on (none before: a day of faces is a lot).
  void RecordFrames() { recordingFrames_ = true; }
  const std::vector<WindowFrame>& Frames() const { return frames_; }
  const std::optional<FileChooserRequest>& OpenFileChooser() const { return fileChooser_; }
  HCURSOR Cursor() const { return cursor_; }
  bool Moving() const { return moving_ != nullptr; }

  // --- Running a program on the virtual clock ------------------------------
  // The program runs on a thread of its own, but never at the same time as
  // its user: control passes back and forth, so the program's single-thread
  // semantics hold and every run gives the same result.
  enum class RunResult { Idle, Finished, Stuck };

  // Starts body on the program's thread; it runs at the next RunUntilIdle.
  void StartProgram(std::function<int()> body);
  // Lets the program run until it waits for input with no timer due, moving
  // both clocks on to each timer's deadline up to targetMonotonicMs (when
  // given). Stuck when the program has not come back within the watchdog's
  // time (real seconds; it is then still running and the test must end).
  RunResult RunUntilIdle(std::optional<std::uint64_t> targetMonotonicMs = std::nullopt);
  bool ProgramRunning() const { return programRunning_; }
  int ExitCode() const { return exitCode_; }
  // Ends a program that is still running: it is asked to quit and, when it
  // does not, unwound. The thread is joined.
  void StopProgram();
  // The next deadline of a window timer the program waits on, when idle.
  std::optional<std::uint64_t> IdleDeadline() const { return idleDeadline_; }
  void SetWatchdogSeconds(int seconds) { watchdogSeconds_ = seconds; }

  // --- Driver --------------------------------------------------------------
  std::int64_t UtcNowMs() override;
  std::uint64_t MonotonicNowMs() override;
  void WaitForInput(std::optional<std::uint64_t> deadlineMs) override;
  void WakeUp() override;
  BOOL Beep(DWORD frequencyHz, DWORD durationMs) override;
  UINT WinExec(const char* commandLine, UINT showCommand) override;
  BOOL WinHelp(HWND hwnd, const char* helpFile, UINT command, UINT_PTR data) override;
  SHORT KeyState(int virtualKey) override;
  DisplayMetrics Metrics() override { return metrics_; }
  bool RefuseTimer(HWND hwnd, UINT_PTR id) override;
  void MessageBoxOpened(HWND box) override;
  void MessageBoxClosed(HWND box, int result) override;
  void FileChooserOpened(const FileChooserRequest& request) override;
  void FileChooserClosed() override;
  void MoveStarted(HWND hwnd) override;
  void MoveEnded(HWND hwnd) override;
  void CursorChanged(HCURSOR cursor) override { cursor_ = cursor; }
  void WindowChanged(HWND hwnd, unsigned changes) override;
  bool ScreenSaverRunning() override { return screenSaverRunning_; }
  SystemClockService* SystemClock() override { return systemClock_; }

 private:
  enum class Turn { Test, Program };
  struct Stop {};  // thrown on the program's thread to unwind it

  void HandTo(Turn turn);
  bool WaitForTurn(Turn turn, int watchdogSeconds);
  void ProgramThreadMain();

  VirtualClock virtualClock_;
  DisplayMetrics metrics_;
  std::map<int, bool> keysDown_;
  std::map<UINT_PTR, int> refusedTimers_;
  UINT winExecResult_ = 33;
  bool screenSaverRunning_ = false;
  SystemClockService* systemClock_ = nullptr;

  std::vector<BeepRecord> beeps_;
  std::vector<ProgramStart> programStarts_;
  std::vector<HelpRequest> helpRequests_;
  std::vector<MessageBoxRecord> messageBoxes_;
  std::vector<WindowFrame> frames_;
  bool recordingFrames_ = false;
  std::optional<FileChooserRequest> fileChooser_;
  HCURSOR cursor_ = nullptr;
  HWND moving_ = nullptr;

  // The hand-off between the test and the program.
  std::mutex mutex_;
  std::condition_variable turnChanged_;
  Turn turn_ = Turn::Test;
  std::thread programThread_;
  std::function<int()> programBody_;
  bool programRunning_ = false;
  bool stopRequested_ = false;
  int exitCode_ = 0;
  std::optional<std::uint64_t> target_;
  std::optional<std::uint64_t> idleDeadline_;
  std::atomic<bool> woken_{false};
  int watchdogSeconds_ = 30;
};

}  // namespace platform::headless

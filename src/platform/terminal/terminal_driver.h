// The terminal clock's driver: the core's plain driver (the machine's clocks,
// real waiting, no display), which hands what the clock shows to an output
// instead of a screen. What the lines look like (plain, a status bar's) and
// where else they go (the desktop's notifications) is the output's business.
//
// What it implements:
//   [x] each new face of the clock window, handed to the output once
//   [x] each message box and dialog (an alarm's note), handed to the output
//       with what a person would read in it, and answered with OK at once
//   [x] beeps: the tone on the sound card (ALSA) when there is one, else the
//       output's bell, held for the tone's time
//   [x] alarm programs really started (the core's plain driver does it)
//   [x] help requests: the help document's address, as a note
//   [x] commands of a copy started from outside (horatick --show), taken
//       from the single-instance socket while the clock waits
//   [x] the screen saver's state, from the session's screen-saver services
//       on the session bus, followed while the clock waits
// What it leaves out:
//   [ ] any window on the screen, and with it any user input
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "platform/bus/screen_saver_watch.h"
#include "platform/kernel/driver.h"
#include "platform/user/inspect.h"

namespace platform::terminal {

// Where the terminal clock's output goes.
class TerminalOutput {
 public:
  virtual ~TerminalOutput() = default;
  // The clock window shows a new face.
  virtual void Face(const std::string& face) = 0;
  // A box or dialog, answered now; readableText is what a person would read
  // in it (a box's text, a dialog's texts).
  virtual void Answered(const WindowSnapshot& shot, const std::string& readableText) = 0;
  // A line of its own beside the faces (the help document's address).
  virtual void Note(const std::string& text) = 0;
  // The terminal's bell, where there is no sound card.
  virtual void Bell() = 0;
  // Called before each wait: writes what has fallen due, and says when (ms
  // since 1970) it must write again whether or not the face changes.
  virtual std::optional<std::int64_t> BeforeWait() { return std::nullopt; }
};

class TerminalDriver final : public Driver {
 public:
  explicit TerminalDriver(TerminalOutput& output);
  ~TerminalDriver() override;
  TerminalDriver(const TerminalDriver&) = delete;
  TerminalDriver& operator=(const TerminalDriver&) = delete;

  // The screen and font the face is laid out for.
  void SetMetrics(const DisplayMetrics& metrics) { metrics_ = metrics; }
  // Called while the clock waits whenever a copy started from outside has
  // left a command on the single-instance socket.
  void WatchInstanceSocket(std::function<void()> onCommandWaiting) { onInstanceCommand_ = std::move(onCommandWaiting); }

  void WaitForInput(std::optional<std::uint64_t> deadlineMs) override;
  void WakeUp() override;
  void WindowChanged(HWND hwnd, unsigned changes) override;
  void WindowDestroyed(HWND hwnd) override;
  BOOL Beep(DWORD frequencyHz, DWORD durationMs) override;
  BOOL WinHelp(HWND hwnd, const char* helpFile, UINT command, UINT_PTR data) override;
  DisplayMetrics Metrics() override { return metrics_; }
  bool ScreenSaverRunning() override { return screenSaver_.Active(); }

 private:
  // Hands every box and dialog not answered yet to the output and answers
  // it; true when an answer was handed to the core.
  bool AnswerOpenWindows();

  TerminalOutput& output_;
  DisplayMetrics metrics_;
  int wakeFd_ = -1;
  std::string lastFace_;
  std::set<HWND> answered_;
  std::function<void()> onInstanceCommand_;
  bus::ScreenSaverWatch screenSaver_;
};

}  // namespace platform::terminal
